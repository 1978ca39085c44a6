#include "model/recordwriter.h"

TRecordWriter& TRecordWriter::Blank()
{
    if (used == sizeof pending)
        Flush();
    pending[used++] = ' ';
    lineStart = false;
    return *this;
}

TRecordWriter& TRecordWriter::CountedChars(const std::string& text, int32_t count)
{
    Flush();
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
    if (used == sizeof pending)
        Flush();
    pending[used++] = '\n';
    lineStart = true;
    Flush();
}
