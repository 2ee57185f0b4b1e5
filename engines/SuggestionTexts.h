#pragma once
// The explanations that come with a suggested card, read from the
// suggestion text file: in a section, an entry "CODE,<code>" followed, for
// each language, by the language tag line ("<SVENSKA>", "<ENGLISH>") and one
// line of text.

#include <string>

// The text of the code for the language tag, or "" when the file cannot be
// read, the code is nowhere after the section's own line, or its entry has
// no text in that language. The first entry of the code after that line
// counts, whatever section it stands in; an entry ends at the next code line
// or section line.
std::string LookupSuggestionText(const std::string& path, const std::string& section, const std::string& code,
                                 const std::string& languageTag);
