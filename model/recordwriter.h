#pragma once
// Writes drawing-file records: decimal integers separated by single blanks, one record line ended
// by "\n", into one growing buffer. Point coordinates are written minus the writer's origin (the
// sheet centre of a drawing file, the base point of a library or paste entry). A coordinate whose
// stored value would lie beyond the int32 range cannot be stored exactly: the writer notes it
// (Exact() turns false, UnstorableAxis() and UnstorableValue() say which) and what it wrote must not be kept, for a
// value held at the range's end would read back as another point.
//
// What is written is gathered in a buffer of the writer's own and appended to the output a few
// thousand characters at a time, and when the writer goes away: one writer may write many
// records, and the output holds them all only once it is gone.
#include "model/modelunits.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
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
    TRecordWriter& X(int32_t x) { return Coordinate(x, originX, 'x'); }
    TRecordWriter& Y(int32_t y) { return Coordinate(y, originY, 'y'); }
    // Counted text: exactly `count` characters, the text cut or padded with blanks to that length.
    TRecordWriter& CountedChars(const std::string& text, int32_t count);
    TRecordWriter& Blank();
    void EndLine();

    // True while every coordinate written so far was stored exactly.
    bool Exact() const { return unstorableAxis == 0; }
    // The first coordinate that could not be stored: its axis ('x' or 'y') and model value.
    char UnstorableAxis() const { return unstorableAxis; }
    int32_t UnstorableValue() const { return unstorableValue; }

private:
    // Room for a blank and the longest int32.
    static constexpr std::size_t FIELD_SIZE = 12;

    TRecordWriter& Coordinate(int32_t value, int32_t origin, char axis)
    {
        const int64_t stored = int64_t(value) - origin;
        if (stored != int64_t(int32_t(stored)) && unstorableAxis == 0) {
            unstorableAxis = axis;
            unstorableValue = value;
        }
        return Int(ClampToInt32(stored));
    }

    void Flush()
    {
        out.append(pending, used);
        used = 0;
    }

    std::string& out;
    int32_t originX;
    int32_t originY;
    bool lineStart = true;
    char unstorableAxis = 0;
    int32_t unstorableValue = 0;
    char pending[4096];
    std::size_t used = 0;
};

namespace RecordDigits {

// "00" "01" .. "99": two digits at a time.
inline constexpr char PAIRS[] = "0001020304050607080910111213141516171819202122232425262728293031323334353637383940414243444546474849"
                                "5051525354555657585960616263646566676869707172737475767778798081828384858687888990919293949596979899";

// Writes `value` in decimal at `at`; returns the end.
inline char* Append(char* at, uint32_t value)
{
    if (value < 10) {
        *at = char('0' + value);
        return at + 1;
    }
    if (value < 100) {
        std::memcpy(at, PAIRS + 2 * value, 2);
        return at + 2;
    }
    const int length = value < 1000        ? 3
                       : value < 10000     ? 4
                       : value < 100000    ? 5
                       : value < 1000000   ? 6
                       : value < 10000000  ? 7
                       : value < 100000000 ? 8
                       : value < 1000000000 ? 9
                                            : 10;
    char* const end = at + length;
    char* digits = end;
    while (value >= 100) {
        digits -= 2;
        std::memcpy(digits, PAIRS + 2 * (value % 100), 2);
        value /= 100;
    }
    if (value >= 10) {
        std::memcpy(digits - 2, PAIRS + 2 * value, 2);
    } else {
        digits[-1] = char('0' + value);
    }
    return end;
}

}  // namespace RecordDigits

// Every number of a drawing file comes through here: written into the records' own code, with no
// call per number.
[[gnu::always_inline]] inline TRecordWriter& TRecordWriter::Int(int32_t value)
{
    if (used + FIELD_SIZE > sizeof pending)
        Flush();
    char* at = pending + used;
    *at = ' ';
    at += lineStart ? 0 : 1;
    lineStart = false;
    uint32_t magnitude = uint32_t(value);
    if (value < 0) {
        *at++ = '-';
        magnitude = 0u - magnitude;
    }
    used = std::size_t(RecordDigits::Append(at, magnitude) - pending);
    return *this;
}
