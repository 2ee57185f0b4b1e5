#pragma once
// Sequential reading of the game's text data files, in the two ways the rule
// and data files are read: whole lines, and list fields. The whole file is
// read into memory when opened and the file is closed at once, so no path can
// leave it open. Reading past the end gives "" and sets end-of-file; nothing
// here throws or reads past its buffer.

#include <optional>
#include <string>
#include <string_view>

// The whole content of a file, or nothing when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);
// How many bytes a UTF-8 byte-order mark takes at the start of text (0 or 3).
std::size_t ByteOrderMarkLength(std::string_view text);

class TextInput {
public:
    TextInput() = default;
    // Opens and reads a file; false (and an empty, ended input) when it cannot.
    bool Open(const std::string& path);
    // Reads from text in memory (tests, and files already read).
    void OpenText(std::string text);
    void Close();
    bool IsOpen() const { return open_; }

    // True once only the end of the input remains.
    bool Eof() const;
    // One line without its CR, LF or CRLF ending.
    std::string LineInput();
    // One list field: fields end at a comma or a line end; blanks around a
    // field are trimmed; a field in double quotes is taken without its quotes
    // (and the rest up to the next comma or line end is skipped). Blank lines
    // give no field.
    std::string ListInput();

private:
    void skipBlankLines();
    std::string text_;
    std::size_t pos_ = 0;
    bool open_ = false;
};
