#include "model/recordreader.h"

#include <limits>

TRecordReader::TRecordReader(const char* begin, const char* end, int64_t originX, int64_t originY)
    : p(begin), end(end), originX(originX), originY(originY)
{
}

bool TRecordReader::Fail(const std::string& message)
{
    if (error.empty()) {
        error = message;
        errorLine = line;
    }
    return false;
}

bool TRecordReader::IntInFull(int32_t& value)
{
    while (p < end && (*p == ' ' || *p == '\t'))
        ++p;
    if (p >= end || *p == '\n' || *p == '\r')
        return Fail("the record is short: a number is missing");
    const char* q = p;
    bool negative = false;
    if (*q == '-' || *q == '+') {
        negative = *q == '-';
        ++q;
    }
    if (q >= end || *q < '0' || *q > '9')
        return Fail("a number was expected");
    int64_t magnitude = 0;
    while (q < end && *q >= '0' && *q <= '9') {
        magnitude = magnitude * 10 + (*q - '0');
        if (magnitude > int64_t(std::numeric_limits<int32_t>::max()) + 1)
            return Fail("a number is out of range");
        ++q;
    }
    if (q < end && *q != ' ' && *q != '\t' && *q != '\n' && *q != '\r')
        return Fail("a number was expected");
    const int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<int32_t>::max())
        return Fail("a number is out of range");
    value = int32_t(signedValue);
    p = q;
    return true;
}

bool TRecordReader::Blank()
{
    if (p >= end || *p != ' ')
        return Fail("the record is short: its texts are missing");
    ++p;
    return true;
}

bool TRecordReader::Chars(int32_t count, int capacity, std::string& text, const char* what)
{
    if (count < 0)
        return Fail(std::string("the length of the ") + what + " is negative");
    if (count > capacity)
        return Fail(std::string("the ") + what + " is longer than its field (" + std::to_string(count) +
                    " characters, at most " + std::to_string(capacity) + ")");
    if (end - p < count)
        return Fail(std::string("the record is short: the ") + what + " is cut off");
    text.assign(p, std::size_t(count));
    for (char c : text)
        if (c == '\n')
            ++line;
    p += count;
    return true;
}

bool TRecordReader::EndLine()
{
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\r'))
        ++p;
    if (p >= end)
        return true;
    if (*p != '\n')
        return Fail("the record has more fields than it should");
    ++p;
    ++line;
    return true;
}

bool TRecordReader::AtEnd()
{
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n')) {
        if (*p == '\n')
            ++line;
        ++p;
    }
    return p >= end;
}
