#include "SkipToToken.h"

#include "RuleFieldReader.h"

std::string SkipToToken(RuleFieldReader& in, const std::string& token) {
    return std::string(in.SkipPastField(token));
}
