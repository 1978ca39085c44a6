#include "platform/filtervalidator.h"

#include <vector>

TFilterValidator::TFilterValidator(const std::string& characterSet)
{
    for (std::size_t i = 0; i < characterSet.size(); ++i) {
        unsigned char first = static_cast<unsigned char>(characterSet[i]);
        if (i + 2 < characterSet.size() && characterSet[i + 1] == '-') {
            unsigned char last = static_cast<unsigned char>(characterSet[i + 2]);
            for (unsigned c = first; c <= last; ++c)
                allowed.set(c);
            i += 2;
        } else {
            allowed.set(first);
        }
    }
}

bool TFilterValidator::IsValidInput(const std::string& text) const
{
    return IsValid(text);
}

bool TFilterValidator::IsValid(const std::string& text) const
{
    for (char c : text)
        if (!Accepts(c))
            return false;
    return true;
}

std::string TFilterValidator::ErrorMessage() const
{
    // Names the kinds of characters the set holds: "Use letters, digits, comma and blank only".
    auto all = [this](char from, char to) {
        for (char c = from; c <= to; ++c)
            if (!Accepts(c))
                return false;
        return true;
    };
    bool letters = all('A', 'Z') && all('a', 'z');
    bool digits = all('0', '9');
    std::vector<std::string> names;
    if (letters)
        names.push_back("letters");
    if (digits)
        names.push_back("digits");
    for (unsigned c = 0; c < 256; ++c) {
        if (!allowed[c])
            continue;
        bool isLetter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        bool isDigit = c >= '0' && c <= '9';
        if ((isLetter && letters) || (isDigit && digits))
            continue;
        switch (c) {
        case ' ': names.push_back("blank"); break;
        case ',': names.push_back("comma"); break;
        case '.': names.push_back("full stop"); break;
        case '-': names.push_back("hyphen"); break;
        case '_': names.push_back("underscore"); break;
        default: names.push_back(std::string("\"") + char(c) + "\""); break;
        }
    }
    // "blank" reads best last.
    for (std::size_t i = 0; i + 1 < names.size(); ++i)
        if (names[i] == "blank") {
            names.erase(names.begin() + std::ptrdiff_t(i));
            names.push_back("blank");
            break;
        }
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            list += i + 1 == names.size() ? " and " : ", ";
        list += names[i];
    }
    return "Use " + list + " only";
}
