#pragma once
// The play-rule file as a stream of list fields. The whole file is read when
// opened and split into fields as they are asked for, so every read is
// bounded: reading at the end gives "" and leaves the reader at its end.
// Each field knows its line, which the "or" statement needs to throw away
// the rest of a line.
//
// Fields end at a comma or a line end; blanks and tabs around a field are
// trimmed; a field in double quotes is taken without its quotes (commas
// inside it are kept, and anything after the closing quote up to the next
// comma is dropped). A blank line and a comma at the end of a line give no
// field; an empty field between two commas is a field.

#include <cstddef>
#include <string>
#include <string_view>

#include "TextInput.h"

class RuleFieldReader {
public:
    // False (and an empty reader at its end) when the file cannot be read.
    bool Open(const std::string& path);
    void OpenText(std::string_view text);
    void Close();

    // True once no further field remains.
    bool Eof() const { return !ahead_.valid; }
    std::string Next() { return std::string(NextView()); }
    // The next field as a view into the file's text: valid until the reader
    // is opened again or closed.
    std::string_view NextView();
    // Passes over the fields that remain on the line of the last field read.
    void DiscardRestOfLine();
    // Reads fields until one equals token or the file ends (at least one);
    // the last field read. Jumps over the fields on the way without
    // splitting them where the text allows.
    std::string_view SkipPastField(std::string_view token);

private:
    struct Field {
        std::string_view text;
        int line = 0;
        bool valid = false;
    };
    void start();
    void advance();
    bool startLine();
    // Field by field, as SkipPastField behaves where it cannot jump.
    std::string_view slowSkipPastField(std::string_view token);
    std::size_t findField(std::string_view token, std::size_t from) const;
    void resumeAfter(std::size_t fieldEnd);

    FileBytes bytes_;
    std::string_view text_;
    std::size_t nextLine_ = 0;  // where the line after the current one begins
    std::size_t nextLF_ = 0;    // the first LF at or after the current line, or the end
    std::size_t pos_ = 0;       // the reading position within the current line
    std::size_t lineEnd_ = 0;   // the end of the current line (before its line end)
    bool inLine_ = false;
    int line_ = 0;
    Field ahead_;               // the field the next read gives
    int lastLine_ = 0;          // the line of the last field read; 0 before the first
    bool anyRead_ = false;
};
