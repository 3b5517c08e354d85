#include "vktreader.h"
