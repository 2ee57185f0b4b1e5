#pragma once
// Reads list fields of a rule file until one equals the token or the file
// ends; reads at least one field. Returns the last field read (the token
// when it was found, else whatever the file ended on).

#include <string>

#include "TextInput.h"

std::string SkipToToken(TextInput& in, const std::string& token);

class RuleFieldReader;
// The same on the play-rule file.
std::string SkipToToken(RuleFieldReader& in, const std::string& token);
