#include "model/recordwriter.h"

#include <algorithm>
#include <cstring>

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
    const std::size_t n = count > 0 ? std::size_t(count) : 0;
    lineStart = false;
    if (n <= sizeof pending - used) {
        const std::size_t taken = std::min(text.size(), n);
        std::memcpy(pending + used, text.data(), taken);
        std::memset(pending + used + taken, ' ', n - taken);
        used += n;
        return *this;
    }
    Flush();
    if (text.size() >= n) {
        out.append(text, 0, n);
    } else {
        out += text;
        out.append(n - text.size(), ' ');
    }
    return *this;
}

void TRecordWriter::EndLine()
{
    if (used == sizeof pending)
        Flush();
    pending[used++] = '\n';
    lineStart = true;
}
