#include "RuleFieldReader.h"

#include <cstring>

#include "ListFieldText.h"
#include "VbText.h"

namespace {
// The first c in text[from, to), or to.
std::size_t findWithin(std::string_view text, char c, std::size_t from, std::size_t to) {
    if (from >= to) return to;
    const void* hit = std::memchr(text.data() + from, c, to - from);
    return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : to;
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
    anyRead_ = false;
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
        while (pos < lineEnd && IsFieldBlank(data[pos])) ++pos;
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
            field = TrimView(text_.substr(pos, end - pos));
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
    anyRead_ = true;
    advance();
    return f.text;
}

void RuleFieldReader::DiscardRestOfLine() {
    if (!anyRead_) return;
    while (ahead_.valid && ahead_.line == lastLine_) advance();
}

namespace {
// A lone Ctrl-Z is no field in this reader, so it is never found by its text.
bool isPlainToken(std::string_view token) { return IsPlainFieldToken(token) && token != "\x1a"; }
}  // namespace

// The first place at or after from where token stands as a whole field. A
// quote before it on its line may join fields, so the search gives up there
// (npos). A quoted field here ends at its line's end, so a quote on an
// earlier line changes nothing on this one; the text input's search, whose
// quotes reach over line ends, gives up at any quote on its way instead.
std::size_t RuleFieldReader::findField(std::string_view token, std::size_t from) const {
    constexpr std::size_t none = std::string_view::npos;
    for (std::size_t at = text_.find(token, from); at != none; at = text_.find(token, at + 1)) {
        std::size_t start = at;
        while (start > from && !IsLineEnd(text_[start - 1])) --start;  // the line's start (or from)
        if (std::memchr(text_.data() + start, '"', at - start) != nullptr) return none;
        if (WholeFieldEnd(text_, from, at, token.size()) != none) return at;
    }
    return none;
}

// Reading goes on after a field that ends (blanks trimmed) at fieldEnd, as
// if that field had just been read.
void RuleFieldReader::resumeAfter(std::size_t fieldEnd) {
    if (!inLine_ || fieldEnd > lineEnd_) {
        // On a later line: start that line as the reading would have.
        std::size_t start = fieldEnd;
        while (start > 0 && !IsLineEnd(text_[start - 1])) --start;
        nextLine_ = start;
        if (nextLF_ < start) nextLF_ = findWithin(text_, '\n', start, text_.size());
        startLine();
    }
    std::size_t pos = fieldEnd;
    while (pos < lineEnd_ && IsFieldBlank(text_[pos])) ++pos;
    if (pos >= lineEnd_) {
        inLine_ = false;
    } else {
        pos_ = pos + 1;  // the comma
        inLine_ = true;
    }
    lastLine_ = line_;
    anyRead_ = true;
    advance();
}

std::string_view RuleFieldReader::slowSkipPastField(std::string_view token) {
    std::string_view current;
    do {
        current = NextView();
    } while (current != token && !Eof());
    return current;
}

std::string_view RuleFieldReader::SkipPastField(std::string_view token) {
    if (!ahead_.valid || ahead_.text == token || !isPlainToken(token)) return slowSkipPastField(token);
    // The field after the one ahead begins where the reading stands.
    const std::size_t from = inLine_ ? pos_ : nextLine_;
    const std::size_t at = findField(token, from);
    if (at == std::string_view::npos) return slowSkipPastField(token);
    const std::string_view field = text_.substr(at, token.size());
    resumeAfter(at + token.size());
    return field;
}
