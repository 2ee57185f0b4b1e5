#include "TextInput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "ListFieldText.h"
#include "VbText.h"

namespace {
class FileDescriptor {
public:
    explicit FileDescriptor(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};
}  // namespace

void FileBytes::reserve(std::size_t size) {
    if (size <= capacity_) return;
    // Not value-initialised: every byte used is written by the read first.
    std::unique_ptr<char[]> bigger(new char[size]);
    if (size_ > 0) std::memcpy(bigger.get(), data_.get(), size_);
    data_ = std::move(bigger);
    capacity_ = size;
}

bool FileBytes::Read(const std::string& path) {
    size_ = 0;
    const FileDescriptor file(path);
    if (file.get() < 0) return false;
    struct stat info {};
    const bool regular = ::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode);
    // One byte more than the file holds, so that a file read whole by the
    // first read is known to be at its end without a second one.
    reserve((regular ? static_cast<std::size_t>(info.st_size) : 0) + 1);
    for (;;) {
        if (size_ == capacity_) reserve(capacity_ * 2);
        const std::size_t wanted = capacity_ - size_;
        const ssize_t n = ::read(file.get(), data_.get() + size_, wanted);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;  // the end, or a file that cannot be read on (what was read stands)
        size_ += static_cast<std::size_t>(n);
        // A regular file gives less than asked for only at its end.
        if (regular && static_cast<std::size_t>(n) < wanted) break;
    }
    return true;
}

void FileBytes::Assign(std::string_view text) {
    size_ = 0;
    reserve(text.size());
    if (!text.empty()) std::memcpy(data_.get(), text.data(), text.size());
    size_ = text.size();
}

std::size_t ByteOrderMarkLength(std::string_view text) {
    return text.size() >= 3 && static_cast<unsigned char>(text[0]) == 0xEF &&
                   static_cast<unsigned char>(text[1]) == 0xBB && static_cast<unsigned char>(text[2]) == 0xBF
               ? 3
               : 0;
}

bool TextInput::Open(const std::string& path) {
    Close();
    if (!bytes_.Read(path)) return false;
    text_ = bytes_.Text();
    pos_ = ByteOrderMarkLength(text_);
    open_ = true;
    return true;
}

void TextInput::OpenText(std::string_view text) {
    bytes_.Assign(text);
    text_ = bytes_.Text();
    pos_ = ByteOrderMarkLength(text_);
    open_ = true;
    readByLines_ = false;
}

void TextInput::Close() {
    bytes_.Clear();
    text_ = {};
    pos_ = 0;
    open_ = false;
    readByLines_ = false;
}

bool TextInput::Eof() const {
    if (!open_) return true;
    for (std::size_t i = pos_; i < text_.size(); ++i) {
        if (text_[i] == '\x1a') continue;
        if (readByLines_ || !IsLineEnd(text_[i])) return false;
    }
    return true;
}

std::string TextInput::LineInput() {
    readByLines_ = true;
    if (!open_ || pos_ >= text_.size()) return "";
    std::size_t end = pos_;
    while (end < text_.size() && !IsLineEnd(text_[end])) ++end;
    std::string line(text_.substr(pos_, end - pos_));
    if (end < text_.size() && text_[end] == '\r') ++end;
    if (end < text_.size() && text_[end] == '\n') ++end;
    pos_ = end;
    return line;
}

void TextInput::skipBlankLines() {
    for (;;) {
        std::size_t p = pos_;
        while (p < text_.size() && IsFieldBlank(text_[p])) ++p;
        if (p < text_.size() && IsLineEnd(text_[p])) {
            pos_ = p + 1;
            continue;
        }
        return;
    }
}

// Past the delimiter at `at` (a comma, or one line end: CR, LF or CRLF);
// at the end of the text there is none.
std::size_t TextInput::pastDelimiter(std::size_t at) const {
    if (at >= text_.size()) return at;
    if (text_[at] == ',') return at + 1;
    if (text_[at] == '\r') return at + 1 < text_.size() && text_[at + 1] == '\n' ? at + 2 : at + 1;
    if (text_[at] == '\n') return at + 1;
    return at;
}

std::string_view TextInput::ListInputView() {
    readByLines_ = false;
    if (!open_) return {};
    skipBlankLines();
    while (pos_ < text_.size() && IsFieldBlank(text_[pos_])) ++pos_;
    if (pos_ >= text_.size()) return {};

    std::string_view field;
    if (text_[pos_] == '"') {
        std::size_t close = text_.find('"', pos_ + 1);
        if (close == std::string_view::npos) close = text_.size();
        field = text_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close < text_.size() ? close + 1 : close;
        while (pos_ < text_.size() && !IsFieldDelimiter(text_[pos_])) ++pos_;
    } else {
        std::size_t end = pos_;
        while (end < text_.size() && !IsFieldDelimiter(text_[end])) ++end;
        field = TrimView(text_.substr(pos_, end - pos_));
        pos_ = end;
    }
    pos_ = pastDelimiter(pos_);
    return field;
}

std::string TextInput::ListInput() { return std::string(ListInputView()); }

bool TextInput::slowSkipPastField(std::string_view token, char stop) {
    do {
        const std::string_view field = ListInputView();
        if (field == token) return true;
        if (stop != '\0' && !field.empty() && field.front() == stop) return false;
    } while (!Eof());
    return false;
}

// Without a quote before it, a field is the text between two delimiters
// with its blanks trimmed, so the first place where the token's text stands
// alone between delimiters is the first field that equals it; the search
// jumps there instead of reading every field on the way. A quoted field here
// runs to the next quote wherever it is, over line ends too, so any quote
// since the reading position may join the text ahead into one field: the
// search reads field by field from the first quote on its way. (The play-rule
// reader's quoted fields end at their line, so its search minds only quotes
// on the line of a match.)
bool TextInput::SkipPastField(std::string_view token, char stop) {
    readByLines_ = false;
    if (!open_) return false;
    if (!IsPlainFieldToken(token) || (stop != '\0' && !IsPlainFieldToken(std::string_view(&stop, 1))))
        return slowSkipPastField(token, stop);
    constexpr std::size_t none = std::string_view::npos;
    std::size_t hit = text_.find(token, pos_);
    std::size_t stopHit = stop != '\0' ? text_.find(stop, pos_) : none;
    std::size_t quoteFreeTo = pos_;  // no quote in [pos_, quoteFreeTo)
    for (;;) {
        const std::size_t at = std::min(hit, stopHit);
        if (at == none) {
            pos_ = text_.size();
            return false;
        }
        if (std::memchr(text_.data() + quoteFreeTo, '"', at - quoteFreeTo) != nullptr)
            return slowSkipPastField(token, stop);
        quoteFreeTo = at;
        if (at == hit) {
            const std::size_t end = WholeFieldEnd(text_, pos_, at, token.size());
            if (end != none) {
                pos_ = pastDelimiter(end);
                return true;
            }
        }
        if (at == stopHit && FieldStartsAt(text_, pos_, at)) {
            std::size_t end = at;
            while (end < text_.size() && !IsFieldDelimiter(text_[end])) ++end;
            pos_ = pastDelimiter(end);
            return false;
        }
        if (at == hit) hit = text_.find(token, hit + 1);
        if (at == stopHit) stopHit = text_.find(stop, stopHit + 1);
    }
}
