#include "model/plantitles.h"

#include "model/settingsfile.h"
#include "model/settingsformats.h"
#include "model/typedsettings.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool IsDigit(char c)
{
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// "%d" at `position`: white space, an optional sign, digits. False when there are no digits.
bool ReadNumber(const std::string& line, std::size_t& position, long long& value)
{
    while (position < line.size() && IsBlank(line[position]))
        ++position;
    bool negative = false;
    if (position < line.size() && (line[position] == '+' || line[position] == '-'))
        negative = line[position++] == '-';
    std::size_t start = position;
    value = 0;
    while (position < line.size() && IsDigit(line[position])) {
        if (value < 1000000)
            value = value * 10 + (line[position] - '0');
        ++position;
    }
    if (negative)
        value = -value;
    return position > start;
}

}  // namespace

std::string FormatPlanTitles(const std::array<std::string, 3>& titles)
{
    // Each title goes in whole, as many characters as its length says, whatever they are.
    return FormatSettingsFields(TITLE2D_CFG_FORMAT,
                                {std::int32_t(titles[0].size()), std::int32_t(titles[1].size()),
                                 std::int32_t(titles[2].size()), titles[0], titles[1], titles[2]});
}

namespace {

// The three lengths at the start of a record line: the first two, and where the digit run that
// holds the third begins and ends. False when a number is missing.
struct TTitleLengths {
    long long first = 0;
    long long second = 0;
    std::size_t digitsStart = 0;
    std::size_t digitsEnd = 0;
};

bool ReadTitleLengths(const std::string& line, TTitleLengths& lengths)
{
    std::size_t position = 0;
    if (!ReadNumber(line, position, lengths.first) || !ReadNumber(line, position, lengths.second))
        return false;
    while (position < line.size() && IsBlank(line[position]))
        ++position;
    lengths.digitsStart = position;
    lengths.digitsEnd = position;
    while (lengths.digitsEnd < line.size() && IsDigit(line[lengths.digitsEnd]))
        ++lengths.digitsEnd;
    return lengths.digitsEnd > lengths.digitsStart;
}

// The titles of a line whose lengths add up exactly to the characters after them: the third
// length is the prefix of the digit run after which exactly the titles remain.
bool ReadExactTitles(const std::string& line, std::array<std::string, 3>& titles)
{
    TTitleLengths lengths;
    if (!ReadTitleLengths(line, lengths))
        return false;
    auto fits = [](long long length) { return length >= 0 && length <= PLAN_TITLE_CAPACITY; };
    if (!fits(lengths.first) || !fits(lengths.second))
        return false;
    long long third = 0;
    for (std::size_t end = lengths.digitsStart + 1; end <= lengths.digitsEnd && end - lengths.digitsStart <= 3;
         ++end) {
        third = third * 10 + (line[end - 1] - '0');
        const std::size_t rest = line.size() - end;
        if (fits(third) && std::size_t(lengths.first + lengths.second + third) == rest) {
            std::size_t at = end;
            titles[0] = line.substr(at, std::size_t(lengths.first));
            at += std::size_t(lengths.first);
            titles[1] = line.substr(at, std::size_t(lengths.second));
            at += std::size_t(lengths.second);
            titles[2] = line.substr(at, std::size_t(third));
            return true;
        }
    }
    return false;
}

}  // namespace

bool ParsePlanTitles(const std::string& record, std::array<std::string, 3>& titles)
{
    titles = {};
    std::string line = record.substr(0, record.find('\n'));
    // A carriage return before the line end belongs to the line end, unless the lengths count it:
    // a title may end in one, and it reads back as written.
    if (ReadExactTitles(line, titles))
        return true;
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
        if (ReadExactTitles(line, titles))
            return true;
    }

    // Lenient reading: the whole digit run is the third length, white space after it is skipped,
    // and each title takes at most its length, 24 characters and what the line still holds.
    titles = {};
    TTitleLengths lengths;
    if (!ReadTitleLengths(line, lengths))
        return false;
    long long third = 0;
    for (std::size_t i = lengths.digitsStart; i < lengths.digitsEnd; ++i)
        if (third < 1000000)
            third = third * 10 + (line[i] - '0');
    std::size_t at = lengths.digitsEnd;
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    const long long all[3] = {lengths.first, lengths.second, third};
    for (int i = 0; i < 3; ++i) {
        std::size_t length = std::size_t(std::max(0LL, std::min<long long>(all[i], PLAN_TITLE_CAPACITY)));
        length = std::min(length, line.size() - at);
        titles[std::size_t(i)] = line.substr(at, length);
        at += length;
    }
    return false;
}

std::array<std::string, 3> ParsePlanTitles(const std::string& text)
{
    std::array<std::string, 3> titles;
    ParsePlanTitles(text, titles);
    return titles;
}

TPlanTitleSettings TPlanTitleSettings::Parse(const std::string& text) { return {ParsePlanTitles(text)}; }

std::string TPlanTitleSettings::Format() const { return FormatPlanTitles(titles); }

std::array<std::string, 3> ReadPlanTitles() { return ReadSettings<TPlanTitleSettings>().titles; }
