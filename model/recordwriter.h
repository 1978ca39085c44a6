#pragma once
// Writes drawing-file records: decimal integers separated by single blanks, one record line ended
// by "\n", into one growing buffer. Point coordinates are written minus the writer's origin (the
// sheet centre of a drawing file, the base point of a library or paste entry), held in the int32
// range so that every record written reads back.
//
// The numbers of a line are gathered in a small buffer of the writer's own and appended to the
// output together, at the line's end, before counted text, and when the writer goes away.
#include "model/modelunits.h"

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>

class TRecordWriter {
public:
    explicit TRecordWriter(std::string& out, int32_t originX = 0, int32_t originY = 0)
        : out(out), originX(originX), originY(originY)
    {
    }
    ~TRecordWriter() { Flush(); }
    TRecordWriter(const TRecordWriter&) = delete;
    TRecordWriter& operator=(const TRecordWriter&) = delete;

    TRecordWriter& Int(int32_t value);
    TRecordWriter& X(int32_t x) { return Int(ClampToInt32(int64_t(x) - originX)); }
    TRecordWriter& Y(int32_t y) { return Int(ClampToInt32(int64_t(y) - originY)); }
    // Counted text: exactly `count` characters, the text cut or padded with blanks to that length.
    TRecordWriter& CountedChars(const std::string& text, int32_t count);
    TRecordWriter& Blank();
    void EndLine();

private:
    // Room for a blank and the longest int32.
    static constexpr std::size_t FIELD_SIZE = 12;

    void Flush()
    {
        out.append(pending, used);
        used = 0;
    }

    std::string& out;
    int32_t originX;
    int32_t originY;
    bool lineStart = true;
    char pending[256];
    std::size_t used = 0;
};

inline TRecordWriter& TRecordWriter::Int(int32_t value)
{
    if (used + FIELD_SIZE > sizeof pending)
        Flush();
    if (!lineStart)
        pending[used++] = ' ';
    lineStart = false;
    char* const at = pending + used;
    used += std::size_t(std::to_chars(at, pending + sizeof pending, value).ptr - at);
    return *this;
}
