#include "model/plantitles.h"

#include "model/programdirectory.h"
#include "model/settingsfile.h"

#include <algorithm>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r'; }

// Reads a non-negative number at `at`; false when there is none.
bool Number(const std::string& line, std::size_t& at, long& value)
{
    while (at < line.size() && IsSpace(line[at]))
        ++at;
    const std::size_t start = at;
    value = 0;
    while (at < line.size() && IsDigit(line[at]) && at - start < 9)
        value = value * 10 + (line[at++] - '0');
    return at > start;
}

std::array<std::string, 3> Split(const std::string& titles, const std::array<long, 3>& lengths)
{
    std::array<std::string, 3> result;
    std::size_t at = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t length = std::size_t(lengths[i]);
        const std::size_t available = at < titles.size() ? titles.size() - at : 0;
        const std::size_t taken = std::min(length, available);
        result[i] = titles.substr(at, std::min<std::size_t>(taken, PLAN_TITLE_CAPACITY));
        at += taken;
    }
    return result;
}

}  // namespace

std::array<std::string, 3> ParsePlanTitles(const std::string& text)
{
    std::string line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    std::array<long, 3> lengths{};
    std::size_t at = 0;
    if (!Number(line, at, lengths[0]) || !Number(line, at, lengths[1]))
        return {};
    while (at < line.size() && IsSpace(line[at]))
        ++at;
    const std::size_t digits = at;
    std::size_t run = 0;
    while (digits + run < line.size() && IsDigit(line[digits + run]))
        ++run;
    if (run == 0)
        return {};

    // The third length runs straight into the titles: take the split of its digits after which
    // exactly the three titles' characters are left on the line.
    for (std::size_t k = 1; k <= run && k <= 9; ++k) {
        const long third = std::stol(line.substr(digits, k));
        const std::size_t rest = line.size() - (digits + k);
        if (lengths[0] + lengths[1] + third == long(rest)) {
            lengths[2] = third;
            return Split(line.substr(digits + k), lengths);
        }
    }

    // A record that was not written in that form: the whole digit run is the third length and any
    // white space before the titles is skipped.
    std::size_t after = digits;
    Number(line, after, lengths[2]);
    while (after < line.size() && IsSpace(line[after]))
        ++after;
    return Split(line.substr(after), lengths);
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
