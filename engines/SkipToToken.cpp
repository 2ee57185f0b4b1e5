#include "SkipToToken.h"

std::string SkipToToken(TextInput& in, const std::string& token) {
    std::string current;
    do {
        current = in.ListInput();
    } while (current != token && !in.Eof());
    return current;
}
