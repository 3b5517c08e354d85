#include "legacyimport.h"
