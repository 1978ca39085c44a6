#pragma once
// Writes drawing-file records: decimal integers separated by single blanks, one record line ended
// by "\n", into one growing buffer. Point coordinates are written minus the writer's origin (the
// sheet centre of a drawing file, the base point of a library or paste entry).
#include <cstdint>
#include <string>

class TRecordWriter {
public:
    explicit TRecordWriter(std::string& out, int32_t originX = 0, int32_t originY = 0)
        : out(out), originX(originX), originY(originY)
    {
    }

    TRecordWriter& Int(int64_t value);
    TRecordWriter& X(int32_t x) { return Int(int64_t(x) - originX); }
    TRecordWriter& Y(int32_t y) { return Int(int64_t(y) - originY); }
    // A blank and then characters exactly as they are (the counted texts after a record's numbers).
    TRecordWriter& Chars(const std::string& text);
    // Counted text: exactly `count` characters, the text cut or padded with blanks to that length.
    TRecordWriter& CountedChars(const std::string& text, int32_t count);
    TRecordWriter& Blank();
    void EndLine();

private:
    std::string& out;
    int32_t originX;
    int32_t originY;
    bool lineStart = true;
};
