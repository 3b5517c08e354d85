#include "hdbreader.h"
