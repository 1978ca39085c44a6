#include "model/plantitles.h"

#include "model/programdirectory.h"
#include "model/settingsfile.h"
#include "model/settingsformats.h"

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
    return FormatC(TITLE2D_CFG_FORMAT, int(titles[0].size()), int(titles[1].size()), int(titles[2].size()),
                   titles[0].c_str(), titles[1].c_str(), titles[2].c_str());
}

bool ParsePlanTitles(const std::string& record, std::array<std::string, 3>& titles)
{
    titles = {};
    std::string line = record.substr(0, record.find('\n'));
    if (!line.empty() && line.back() == '\r')
        line.pop_back();

    std::size_t position = 0;
    long long first = 0;
    long long second = 0;
    if (!ReadNumber(line, position, first) || !ReadNumber(line, position, second))
        return false;
    while (position < line.size() && IsBlank(line[position]))
        ++position;
    std::size_t digitsStart = position;
    std::size_t digitsEnd = digitsStart;
    while (digitsEnd < line.size() && IsDigit(line[digitsEnd]))
        ++digitsEnd;
    if (digitsEnd == digitsStart)
        return false;

    auto fits = [](long long length) { return length >= 0 && length <= PLAN_TITLE_CAPACITY; };

    // The third length is the prefix of the digit run after which exactly the titles remain.
    long long third = 0;
    for (std::size_t end = digitsStart + 1; end <= digitsEnd && end - digitsStart <= 3; ++end) {
        third = third * 10 + (line[end - 1] - '0');
        std::size_t rest = line.size() - end;
        if (fits(first) && fits(second) && fits(third) &&
            std::size_t(first + second + third) == rest) {
            std::size_t at = end;
            titles[0] = line.substr(at, std::size_t(first));
            at += std::size_t(first);
            titles[1] = line.substr(at, std::size_t(second));
            at += std::size_t(second);
            titles[2] = line.substr(at, std::size_t(third));
            return true;
        }
    }

    // Lenient reading: the whole digit run is the third length, white space after it is skipped,
    // and each title takes at most its length, 24 characters and what the line still holds.
    third = 0;
    for (std::size_t i = digitsStart; i < digitsEnd; ++i)
        if (third < 1000000)
            third = third * 10 + (line[i] - '0');
    std::size_t at = digitsEnd;
    while (at < line.size() && IsBlank(line[at]))
        ++at;
    long long lengths[3] = {first, second, third};
    for (int i = 0; i < 3; ++i) {
        std::size_t length = std::size_t(std::max(0LL, std::min<long long>(lengths[i], PLAN_TITLE_CAPACITY)));
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

std::array<std::string, 3> ReadPlanTitles()
{
    std::string text;
    if (!ReadTextFile(CfgPath("TITLE2D.CFG"), text)) {
        const std::string* shipped = ShippedDefault("TITLE2D.CFG");
        if (!shipped)
            return {};
        text = *shipped;
    }
    return ParsePlanTitles(text);
}
