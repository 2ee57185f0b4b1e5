#pragma once
// Reads list fields of the play-rule file until one equals the token or the
// file ends; reads at least one field. Returns the last field read (the
// token when it was found, else whatever the file ended on). The bid table
// and the bid rules skip the same way with TextInput::SkipPastField.

#include <string>

class RuleFieldReader;

std::string SkipToToken(RuleFieldReader& in, const std::string& token);
