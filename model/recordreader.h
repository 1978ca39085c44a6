#pragma once
// Reads drawing-file records, strictly by line: a record line holds exactly its fields (numbers
// separated by blanks) and ends with a line break, so a short or overlong line is an error on
// that line and never shifts the fields of the records after it. Point coordinates get the
// reader's origin added (the sheet centre of a drawing file, the placement offset of a library).
#include <cstdint>
#include <string>

class TRecordReader {
public:
    TRecordReader(const char* begin, const char* end, int64_t originX = 0, int64_t originY = 0);

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

    const char* p;
    const char* end;
    int64_t originX;
    int64_t originY;
    int line = 1;
    std::string error;
    int errorLine = 0;
};
