#pragma once
// The play-rule file as a stream of list fields. The whole file is read and
// split when opened, so every read is bounded: reading at the end gives ""
// and leaves the reader at its end. Each field remembers its line, which the
// "or" statement needs to throw away the rest of a line.
//
// Fields end at a comma or a line end; blanks and tabs around a field are
// trimmed; a field in double quotes is taken without its quotes (commas
// inside it are kept, and anything after the closing quote up to the next
// comma is dropped). A blank line and a comma at the end of a line give no
// field; an empty field between two commas is a field.

#include <cstddef>
#include <string>
#include <vector>

class RuleFieldReader {
public:
    // False (and an empty reader at its end) when the file cannot be read.
    bool Open(const std::string& path);
    void OpenText(const std::string& text);
    void Close();

    // True once no further field remains.
    bool Eof() const { return next_ >= fields_.size(); }
    std::string Next();
    // Passes over the fields that remain on the line of the last field read.
    void DiscardRestOfLine();
    std::size_t FieldsRead() const { return next_; }

private:
    struct Field {
        std::string text;
        int line = 0;
    };
    void splitLine(const std::string& line, int lineNo);
    std::vector<Field> fields_;
    std::size_t next_ = 0;
};
