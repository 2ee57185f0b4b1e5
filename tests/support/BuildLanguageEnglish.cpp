#include "BuildLanguage.h"

const char* const BuildLanguage = "ENGLISH";
