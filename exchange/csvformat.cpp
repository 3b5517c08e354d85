#include "csvformat.h"
