#include "RuleFieldReader.h"

#include <cstring>

namespace {
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// The first c in text[from, to), or to.
std::size_t findWithin(std::string_view text, char c, std::size_t from, std::size_t to) {
    if (from >= to) return to;
    const void* hit = std::memchr(text.data() + from, c, to - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : to;
}

std::string_view trimmed(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}
}  // namespace

bool RuleFieldReader::Open(const std::string& path) {
    Close();
    if (!bytes_.Read(path)) return false;
    start();
    return true;
}

void RuleFieldReader::OpenText(std::string_view text) {
    Close();
    bytes_.Assign(text);
    start();
}

void RuleFieldReader::Close() {
    bytes_.Clear();
    text_ = {};
    nextLine_ = nextLF_ = pos_ = lineEnd_ = 0;
    inLine_ = false;
    line_ = lastLine_ = 0;
    ahead_ = Field{};
    read_ = 0;
}

void RuleFieldReader::start() {
    text_ = bytes_.Text();
    nextLine_ = ByteOrderMarkLength(text_);
    nextLF_ = findWithin(text_, '\n', nextLine_, text_.size());
    advance();
}

// Lines end at CR, LF or CRLF. The next LF is kept, so that a file of CR
// line ends is not searched to its end for an LF at every line.
bool RuleFieldReader::startLine() {
    const std::size_t n = text_.size();
    if (nextLine_ >= n) return false;
    pos_ = nextLine_;
    if (nextLF_ < pos_) nextLF_ = findWithin(text_, '\n', pos_, n);
    lineEnd_ = findWithin(text_, '\r', pos_, nextLF_);
    std::size_t after = lineEnd_;
    if (after < n && text_[after] == '\r') ++after;
    if (after < n && text_[after] == '\n') ++after;
    nextLine_ = after;
    ++line_;
    inLine_ = true;
    return true;
}

void RuleFieldReader::advance() {
    for (;;) {
        if (!inLine_ && !startLine()) {
            ahead_ = Field{};
            return;
        }
        const char* const data = text_.data();
        const std::size_t lineEnd = lineEnd_;
        std::size_t pos = pos_;
        while (pos < lineEnd && isBlank(data[pos])) ++pos;
        if (pos >= lineEnd) {  // a blank line, or nothing after a final comma
            inLine_ = false;
            continue;
        }
        std::string_view field;
        if (data[pos] == '"') {
            const std::size_t close = findWithin(text_, '"', pos + 1, lineEnd);
            field = text_.substr(pos + 1, close - pos - 1);
            pos = findWithin(text_, ',', close < lineEnd ? close + 1 : lineEnd, lineEnd);
        } else {
            const std::size_t end = findWithin(text_, ',', pos, lineEnd);
            field = trimmed(text_.substr(pos, end - pos));
            pos = end;
        }
        if (pos >= lineEnd) inLine_ = false;
        else ++pos;  // the comma
        pos_ = pos;
        if (field.size() == 1 && field[0] == '\x1a') continue;
        ahead_ = Field{field, line_, true};
        return;
    }
}

std::string_view RuleFieldReader::NextView() {
    if (!ahead_.valid) return {};
    const Field f = ahead_;
    lastLine_ = f.line;
    ++read_;
    advance();
    return f.text;
}

void RuleFieldReader::DiscardRestOfLine() {
    if (read_ == 0) return;
    while (ahead_.valid && ahead_.line == lastLine_) {
        ++read_;
        advance();
    }
}
