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
    nextLine_ = pos_ = lineEnd_ = 0;
    inLine_ = false;
    line_ = lastLine_ = 0;
    ahead_ = Field{};
    read_ = 0;
}

void RuleFieldReader::start() {
    text_ = bytes_.Text();
    nextLine_ = ByteOrderMarkLength(text_);
    advance();
}

// Lines end at CR, LF or CRLF.
bool RuleFieldReader::startLine() {
    if (nextLine_ >= text_.size()) return false;
    pos_ = nextLine_;
    lineEnd_ = pos_;
    while (lineEnd_ < text_.size() && text_[lineEnd_] != '\r' && text_[lineEnd_] != '\n') ++lineEnd_;
    std::size_t after = lineEnd_;
    if (after < text_.size() && text_[after] == '\r') ++after;
    if (after < text_.size() && text_[after] == '\n') ++after;
    nextLine_ = after;
    ++line_;
    inLine_ = true;
    return true;
}

void RuleFieldReader::endLine() { inLine_ = false; }

void RuleFieldReader::advance() {
    for (;;) {
        if (!inLine_ && !startLine()) {
            ahead_ = Field{};
            return;
        }
        while (pos_ < lineEnd_ && isBlank(text_[pos_])) ++pos_;
        if (pos_ >= lineEnd_) {  // a blank line, or nothing after a final comma
            endLine();
            continue;
        }
        std::string_view field;
        if (text_[pos_] == '"') {
            const std::size_t close = findWithin(text_, '"', pos_ + 1, lineEnd_);
            field = text_.substr(pos_ + 1, close - pos_ - 1);
            pos_ = close < lineEnd_ ? close + 1 : lineEnd_;
            pos_ = findWithin(text_, ',', pos_, lineEnd_);
        } else {
            const std::size_t end = findWithin(text_, ',', pos_, lineEnd_);
            field = trimmed(text_.substr(pos_, end - pos_));
            pos_ = end;
        }
        if (pos_ >= lineEnd_) endLine();
        else ++pos_;  // the comma
        if (field == "\x1a") continue;
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
