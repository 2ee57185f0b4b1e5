#include "SuggestionTexts.h"

// The suggestion texts are not read yet.
std::string LookupSuggestionText(const std::string&, const std::string&, const std::string&, const std::string&) { return ""; }
