#pragma once
// Reads drawing-file records, strictly by line: a record line holds exactly its fields (numbers
// separated by blanks) and ends with a line break, so a short or overlong line is an error on
// that line and never shifts the fields of the records after it. Point coordinates get the
// reader's origin added (the sheet centre of a drawing file, the placement offset of a library).
#include <cstdint>
#include <limits>
#include <string>

class TRecordReader {
public:
    TRecordReader(const char* begin, const char* end, int64_t originX = 0, int64_t originY = 0);

    // A number: blanks, an optional sign and decimal digits, ended by a blank or the line's end.
    bool Int(int32_t& value);
    bool X(int32_t& x) { return Offset(x, originX); }
    bool Y(int32_t& y) { return Offset(y, originY); }
    // Exactly one blank, then exactly `count` characters (0 <= count <= capacity).
    bool Blank();
    bool Chars(int32_t count, int capacity, std::string& text, const char* what);
    // The end of the record line: blanks (and a carriage return) and then "\n" or the end of text.
    bool EndLine();
    // True when only white space is left.
    bool AtEnd();

    // The 1-based line being read.
    int Line() const { return line; }
    // After a failure: what went wrong, and the line it went wrong on.
    bool Failed() const { return !error.empty(); }
    const std::string& Error() const { return error; }
    int ErrorLine() const { return errorLine; }
    bool Fail(const std::string& message);

    void SetOrigin(int64_t x, int64_t y)
    {
        originX = x;
        originY = y;
    }

private:
    bool Offset(int32_t& value, int64_t origin);
    // Int in full: tabs, a plus sign, carriage returns, long runs of leading zeros, and the error
    // message of a field that is no number.
    bool IntInFull(int32_t& value);

    const char* p;
    const char* end;
    int64_t originX;
    int64_t originY;
    int line = 1;
    std::string error;
    int errorLine = 0;
};

// Every field of every record passes through here: the common case (blanks, digits, then a blank or
// the line's end) is read inline; anything else is read again by IntInFull.
inline bool TRecordReader::Int(int32_t& value)
{
    const char* q = p;
    while (q < end && *q == ' ')
        ++q;
    const bool negative = q < end && *q == '-';
    if (negative)
        ++q;
    const char* digits = q;
    uint64_t magnitude = 0;
    // Ten digits at most, so the magnitude cannot overflow before it is checked.
    while (q < end && q - digits < 10 && unsigned(*q - '0') <= 9) {
        magnitude = magnitude * 10 + unsigned(*q - '0');
        ++q;
    }
    const bool ended = q == end || *q == ' ' || *q == '\n';
    if (q == digits || !ended || magnitude > (negative ? 2147483648u : 2147483647u))
        return IntInFull(value);
    value = negative ? int32_t(-int64_t(magnitude)) : int32_t(magnitude);
    p = q;
    return true;
}

inline bool TRecordReader::Offset(int32_t& value, int64_t origin)
{
    int32_t stored = 0;
    if (!Int(stored))
        return false;
    const int64_t placed = int64_t(stored) + origin;
    if (placed < std::numeric_limits<int32_t>::min() || placed > std::numeric_limits<int32_t>::max())
        return Fail("a coordinate is out of range");
    value = int32_t(placed);
    return true;
}
