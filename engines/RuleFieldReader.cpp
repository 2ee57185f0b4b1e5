#include "RuleFieldReader.h"

#include "TextInput.h"
#include "VbText.h"

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

bool RuleFieldReader::Open(const std::string& path) {
    Close();
    const auto text = ReadWholeFile(path);
    if (!text) return false;
    OpenText(*text);
    return true;
}

void RuleFieldReader::OpenText(const std::string& text) {
    Close();
    std::size_t pos = ByteOrderMarkLength(text);
    int lineNo = 1;
    while (pos < text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        splitLine(text.substr(pos, end - pos), lineNo);
        if (end < text.size() && text[end] == '\r') ++end;
        if (end < text.size() && text[end] == '\n') ++end;
        pos = end;
        ++lineNo;
    }
}

void RuleFieldReader::Close() {
    fields_.clear();
    next_ = 0;
}

void RuleFieldReader::splitLine(const std::string& line, int lineNo) {
    std::size_t pos = 0;
    const std::size_t n = line.size();
    for (;;) {
        while (pos < n && isBlank(line[pos])) ++pos;
        if (pos >= n) return;  // blank line, or nothing after a final comma
        std::string field;
        if (line[pos] == '"') {
            std::size_t close = line.find('"', pos + 1);
            if (close == std::string::npos) close = n;
            field = line.substr(pos + 1, close - pos - 1);
            pos = close < n ? close + 1 : n;
            while (pos < n && line[pos] != ',') ++pos;
        } else {
            std::size_t end = line.find(',', pos);
            if (end == std::string::npos) end = n;
            field = Trim(std::string_view(line).substr(pos, end - pos));
            pos = end;
        }
        if (field != "\x1a") fields_.push_back({field, lineNo});
        if (pos >= n) return;
        ++pos;  // the comma
    }
}

std::string RuleFieldReader::Next() {
    if (Eof()) return "";
    return fields_[next_++].text;
}

void RuleFieldReader::DiscardRestOfLine() {
    if (next_ == 0) return;
    const int line = fields_[next_ - 1].line;
    while (!Eof() && fields_[next_].line == line) ++next_;
}
