#include "TextInput.h"

#include <fstream>
#include <sstream>

#include "VbText.h"

namespace {
bool isLineEnd(char c) { return c == '\r' || c == '\n'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }
}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::size_t ByteOrderMarkLength(std::string_view text) {
    return text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xEF &&
                   static_cast<unsigned char>(text[1]) == 0xBB && static_cast<unsigned char>(text[2]) == 0xBF
               ? 3
               : 0;
}

bool TextInput::Open(const std::string& path) {
    Close();
    auto text = ReadWholeFile(path);
    if (!text) return false;
    OpenText(std::move(*text));
    return true;
}

void TextInput::OpenText(std::string text) {
    text_ = std::move(text);
    pos_ = ByteOrderMarkLength(text_);
    open_ = true;
}

void TextInput::Close() {
    text_.clear();
    pos_ = 0;
    open_ = false;
}

bool TextInput::Eof() const {
    if (!open_) return true;
    // A final line end (or a run of them) is not another line or field.
    for (std::size_t i = pos_; i < text_.size(); ++i)
        if (!isLineEnd(text_[i]) && text_[i] != '\x1a') return false;
    return true;
}

std::string TextInput::LineInput() {
    if (!open_ || pos_ >= text_.size()) return "";
    std::size_t end = pos_;
    while (end < text_.size() && !isLineEnd(text_[end])) ++end;
    std::string line = text_.substr(pos_, end - pos_);
    if (end < text_.size() && text_[end] == '\r') ++end;
    if (end < text_.size() && text_[end] == '\n') ++end;
    pos_ = end;
    return line;
}

void TextInput::skipBlankLines() {
    for (;;) {
        std::size_t p = pos_;
        while (p < text_.size() && isBlank(text_[p])) ++p;
        if (p < text_.size() && isLineEnd(text_[p])) {
            pos_ = p + 1;
            continue;
        }
        return;
    }
}

std::string TextInput::ListInput() {
    if (!open_) return "";
    skipBlankLines();
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
    if (pos_ >= text_.size()) return "";

    std::string field;
    if (text_[pos_] == '"') {
        std::size_t close = text_.find('"', pos_ + 1);
        if (close == std::string::npos) close = text_.size();
        field = text_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close < text_.size() ? close + 1 : close;
        while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
    } else {
        std::size_t end = pos_;
        while (end < text_.size() && text_[end] != ',' && !isLineEnd(text_[end])) ++end;
        field = Trim(std::string_view(text_).substr(pos_, end - pos_));
        pos_ = end;
    }
    // Consume the delimiter: a comma, or one line end (CR, LF or CRLF).
    if (pos_ < text_.size()) {
        if (text_[pos_] == ',') {
            ++pos_;
        } else if (text_[pos_] == '\r') {
            ++pos_;
            if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        } else if (text_[pos_] == '\n') {
            ++pos_;
        }
    }
    return field;
}
