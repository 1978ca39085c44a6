#include "model/textscanner.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// An optional sign at p: moves p past it and tells whether it was a minus.
bool TakeSign(const std::string& text, std::size_t& p)
{
    if (p >= text.size() || (text[p] != '+' && text[p] != '-'))
        return false;
    return text[p++] == '-';
}

}  // namespace


TextScanner::TextScanner(std::string text) : text(std::move(text)) {}

void TextScanner::SkipBlanks()
{
    while (position < text.size() && IsBlank(text[position]))
        ++position;
}

bool TextScanner::ReadInt(std::int32_t& value)
{
    const std::size_t start = position;
    SkipBlanks();
    std::size_t p = position;
    const bool negative = TakeSign(text, p);
    if (p >= text.size() || !IsDigit(text[p])) {
        position = start;
        return false;
    }
    // The magnitude is taken wide, held just past the int32 range however many digits follow; a
    // number beyond the range is a malformed field.
    constexpr std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t highest = std::numeric_limits<std::int32_t>::max();
    std::int64_t magnitude = 0;
    while (p < text.size() && IsDigit(text[p])) {
        magnitude = std::min(magnitude * 10 + (text[p] - '0'), highest + 2);
        ++p;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue < lowest || signedValue > highest) {
        position = start;
        return false;
    }
    value = std::int32_t(signedValue);
    position = p;
    return true;
}

bool TextScanner::ReadDouble(double& value)
{
    const std::size_t start = position;
    SkipBlanks();
    std::size_t p = position;
    const bool negative = TakeSign(text, p);
    // from_chars reads the C locale's form whatever the process locale is; it takes no sign of
    // its own beyond '-', so the sign is handled here.
    if (p >= text.size() || !(IsDigit(text[p]) || text[p] == '.')) {
        position = start;
        return false;
    }
    double parsed = 0.0;
    const auto [end, error] = std::from_chars(text.data() + p, text.data() + text.size(), parsed,
                                              std::chars_format::general);
    if (error != std::errc() || !std::isfinite(parsed)) {
        position = start;
        return false;
    }
    value = negative ? -parsed : parsed;
    position = std::size_t(end - text.data());
    return true;
}

bool TextScanner::ReadWord(std::string& word, std::size_t maxLength)
{
    const std::size_t start = position;
    SkipBlanks();
    std::size_t p = position;
    while (p < text.size() && !IsBlank(text[p]) && p - position < maxLength)
        ++p;
    if (p == position) {
        position = start;
        return false;
    }
    word.assign(text, position, p - position);
    position = p;
    return true;
}

bool TextScanner::ReadChar(char& c)
{
    if (position >= text.size())
        return false;
    c = text[position++];
    return true;
}

bool TextScanner::ReadChars(std::size_t count, std::string& chars)
{
    if (text.size() - position < count)
        return false;
    chars.assign(text, position, count);
    position += count;
    return true;
}

bool TextScanner::ReadLine(std::string& line)
{
    if (position >= text.size())
        return false;
    const std::size_t end = text.find('\n', position);
    if (end == std::string::npos) {
        line.assign(text, position, std::string::npos);
        position = text.size();
    } else {
        line.assign(text, position, end - position);
        position = end + 1;
    }
    return true;
}

bool TextScanner::Literal(const std::string& expected)
{
    if (text.compare(position, expected.size(), expected) != 0)
        return false;
    position += expected.size();
    return true;
}

int TextScanner::Line() const
{
    int line = 1;
    for (std::size_t i = 0; i < position && i < text.size(); ++i)
        if (text[i] == '\n')
            ++line;
    return line;
}

