#pragma once
// Where the game's rule and data files are installed: the program's own
// folder when the files lie beside it (a build tree), else the shared data
// folder of an installation (<prefix>/share/lumra-quest/). Always ends "/".

#include <string>

std::string ProgramFolder();
std::string DefaultInstallFolder();
