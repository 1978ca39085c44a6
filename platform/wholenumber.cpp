#include "platform/wholenumber.h"

#include <algorithm>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

}  // namespace

std::string TWholeNumberRange::Message() const
{
    std::string message = "Enter a whole number ";
    if (unit)
        message += std::string("of ") + unit + " ";
    return message + "from " + std::to_string(minimum) + " to " + std::to_string(maximum);
}

std::optional<std::int32_t> ReadWholeNumber(const std::string& text, const TWholeNumberRange& range)
{
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    const std::size_t firstDigit = i;
    // Accumulated in 64 bits and held just past the range, so a long run of digits cannot wrap
    // round into it.
    const std::int64_t ceiling = std::int64_t(range.maximum) + 1;
    std::int64_t value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        value = std::min(value * 10 + (text[i] - '0'), ceiling);
    if (i == firstDigit)
        return std::nullopt;
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    if (i != text.size() || !range.Contains(value))
        return std::nullopt;
    return std::int32_t(value);
}

bool IsWholeNumberInput(const std::string& text)
{
    for (char c : text)
        if (!IsDigit(c) && !IsBlank(c))
            return false;
    return true;
}
