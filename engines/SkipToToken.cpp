#include "SkipToToken.h"

#include "RuleFieldReader.h"

std::string SkipToToken(TextInput& in, const std::string& token) {
    std::string current;
    do {
        current = in.ListInput();
    } while (current != token && !in.Eof());
    return current;
}

std::string SkipToToken(RuleFieldReader& in, const std::string& token) {
    std::string_view current;
    do {
        current = in.NextView();
    } while (current != token && !in.Eof());
    return std::string(current);
}
