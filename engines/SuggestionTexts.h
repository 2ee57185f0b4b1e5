#pragma once
// The explanations that come with a suggested card.

#include <string>

std::string LookupSuggestionText(const std::string& path, const std::string& section, const std::string& code,
                                 const std::string& languageTag);
