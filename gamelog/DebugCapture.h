#pragma once
// The names and the counter of the debug capture's files.

#include <string>

// The typed word made safe inside a file name: no path separators, no "..",
// no control or reserved characters, and not too long.
std::string SafeFileNameWord(const std::string& typed);
// "LumraLOG_3_x.txt" and "LumraDEBUG_3_x.bmp".
std::string DebugLogCopyName(int n, const std::string& attribute);
std::string DebugScreenshotName(int n, const std::string& attribute);
// The stored counter; 0 for a text that is not a number from 0 to 32767.
int StoredDebugCounter();
