#include "csvfile.h"
