#pragma once
// Where list fields stand in raw text, for the readers that find a field by
// searching their text instead of splitting every field on the way: a field
// ends at a comma or a line end (CR or LF), and blanks and tabs around it
// are no part of it. Quotes are left to each reader, since they do not reach
// equally far in all of them.

#include <algorithm>
#include <cstddef>
#include <string_view>

inline bool IsFieldBlank(char c) { return c == ' ' || c == '\t'; }
inline bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
inline bool IsFieldDelimiter(char c) { return c == ',' || IsLineEnd(c); }

// A token that a field outside quotes can equal only where its text stands
// alone between delimiters, so that it can be searched for as raw bytes: not
// empty, no blank at either end, no delimiter and no quote in it.
inline bool IsPlainFieldToken(std::string_view token) {
    if (token.empty() || IsFieldBlank(token.front()) || IsFieldBlank(token.back())) return false;
    return std::none_of(token.begin(), token.end(), [](char c) { return IsFieldDelimiter(c) || c == '"'; });
}

// True when a field begins at `at`: only blanks stand between it and the
// delimiter before it, or `from`, where reading stands and a field begins.
inline bool FieldStartsAt(std::string_view text, std::size_t from, std::size_t at) {
    std::size_t i = at;
    while (i > from && IsFieldBlank(text[i - 1])) --i;
    return i == from || IsFieldDelimiter(text[i - 1]);
}

// When text[at, at + length) stands as a whole field (it begins a field, and
// only blanks follow it up to a delimiter or the end), where that field ends:
// at its delimiter, or at the end of text. npos when it does not.
inline std::size_t WholeFieldEnd(std::string_view text, std::size_t from, std::size_t at, std::size_t length) {
    if (!FieldStartsAt(text, from, at)) return std::string_view::npos;
    std::size_t end = at + length;
    while (end < text.size() && IsFieldBlank(text[end])) ++end;
    return end >= text.size() || IsFieldDelimiter(text[end]) ? end : std::string_view::npos;
}
