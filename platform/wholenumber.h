#pragma once
// The one rule for a typed whole number (a length in millimetres, a field of the feet-and-inches
// prompt): the entry is digits, with nothing but blanks before and after them, and the number lies
// in the field's range. Anything else ("2.500", "1e3", "1.5", "3 m", "+5", "", "1 2") is refused
// as a whole, never read up to its first non-digit.
#include <cstdint>
#include <optional>
#include <string>

struct TWholeNumberRange {
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    const char* unit = nullptr;  // "millimetres", "feet"; null for a bare number

    bool Contains(std::int64_t value) const { return value >= minimum && value <= maximum; }
    // What a refused entry is told: "Enter a whole number of millimetres from 1 to 32766", or
    // "Enter a whole number from 0 to 15" without a unit.
    std::string Message() const;
};

// The number an entry stands for, or nothing when the rule refuses it.
std::optional<std::int32_t> ReadWholeNumber(const std::string& text, const TWholeNumberRange& range);

// Could typing more turn this text into an entry? True for digits and blanks only: what a field
// under the rule lets the user type at all.
bool IsWholeNumberInput(const std::string& text);
