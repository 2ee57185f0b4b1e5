#pragma once
// Sequential reading of the game's text data files, in the two ways the rule
// and data files are read: whole lines, and list fields. The whole file is
// read into memory when opened and the file is closed at once, so no path can
// leave it open. Reading past the end gives "" and sets end-of-file; nothing
// here throws or reads past its buffer.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

// The bytes of one file, read with one read of the file's size into a buffer
// that is kept for the next file read into it.
class FileBytes {
public:
    // False (and no bytes) when the file cannot be read.
    bool Read(const std::string& path);
    void Assign(std::string_view text);
    void Clear() { size_ = 0; }
    std::string_view Text() const { return {data_.get(), size_}; }

private:
    void reserve(std::size_t size);
    std::unique_ptr<char[]> data_;
    std::size_t capacity_ = 0;
    std::size_t size_ = 0;
};

// How many bytes a UTF-8 byte-order mark takes at the start of text (0 or 3).
std::size_t ByteOrderMarkLength(std::string_view text);

class TextInput {
public:
    TextInput() = default;
    // Opens and reads a file; false (and an empty, ended input) when it cannot.
    bool Open(const std::string& path);
    // Reads from text in memory (tests, and files already read).
    void OpenText(std::string_view text);
    void Close();
    bool IsOpen() const { return open_; }

    // True once only the end of the input remains. Read by fields (and
    // before the first read) line ends at the end are no further field and
    // count as the end; once read by lines, an empty line there is a line,
    // and only the end of the bytes (or a final Ctrl-Z) is the end.
    bool Eof() const;
    // One line without its CR, LF or CRLF ending.
    std::string LineInput();
    // One list field: fields end at a comma or a line end; blanks around a
    // field are trimmed; a field in double quotes is taken without its quotes
    // (and the rest up to the next comma or line end is skipped). Blank lines
    // give no field.
    std::string ListInput();
    // The same field as ListInput, as a view into the input: valid until the
    // input is opened again or closed.
    std::string_view ListInputView();

    // Reads list fields up to and including the first one that equals token,
    // as ListInput would one by one, without building them; true when one
    // does. With a stop character, a field that begins with it ends the
    // search first (false, read up to and including that field). False, at
    // the end, when no field matches.
    bool SkipPastField(std::string_view token, char stop = '\0');

private:
    void skipBlankLines();
    bool slowSkipPastField(std::string_view token, char stop);
    std::size_t pastDelimiter(std::size_t at) const;

    FileBytes bytes_;
    std::string_view text_;
    std::size_t pos_ = 0;
    bool open_ = false;
    bool readByLines_ = false;
};
