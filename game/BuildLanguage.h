#pragma once
// The language the program is built for: "SVENSKA" or "ENGLISH". Each
// program defines it once (game/language/BuildLanguage.cpp); the tests
// define their own.

extern const char* const BuildLanguage;
