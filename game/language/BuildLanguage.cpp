// Compiled into each program on its own, with the language it is built for.
#include "BuildLanguage.h"

#ifndef LUMRA_BUILD_LANGUAGE
#error "LUMRA_BUILD_LANGUAGE must name the build language"
#endif

const char* const BuildLanguage = LUMRA_BUILD_LANGUAGE;
