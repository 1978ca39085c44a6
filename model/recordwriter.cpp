#include "model/recordwriter.h"

#include <charconv>

TRecordWriter& TRecordWriter::Int(int64_t value)
{
    if (!lineStart)
        out += ' ';
    lineStart = false;
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
    return *this;
}

TRecordWriter& TRecordWriter::Blank()
{
    out += ' ';
    lineStart = false;
    return *this;
}

TRecordWriter& TRecordWriter::Chars(const std::string& text)
{
    out += text;
    lineStart = false;
    return *this;
}

TRecordWriter& TRecordWriter::CountedChars(const std::string& text, int32_t count)
{
    const std::size_t n = count > 0 ? std::size_t(count) : 0;
    if (text.size() >= n) {
        out.append(text, 0, n);
    } else {
        out += text;
        out.append(n - text.size(), ' ');
    }
    lineStart = false;
    return *this;
}

void TRecordWriter::EndLine()
{
    out += '\n';
    lineStart = true;
}
