#include "BuildLanguage.h"

const char* const BuildLanguage = "SVENSKA";
