#pragma once
// A field under the whole-number rule: only digits and blanks may be typed, and the finished text
// must be one whole number in the range; the refusal names the range (and the unit).
#include "platform/validator.h"
#include "platform/wholenumber.h"

class TWholeNumberValidator : public TValidator {
public:
    explicit TWholeNumberValidator(const TWholeNumberRange& range) : range(range) {}

    bool IsValidInput(const std::string& text) const override { return IsWholeNumberInput(text); }
    bool IsValid(const std::string& text) const override { return ReadWholeNumber(text, range).has_value(); }
    std::string ErrorMessage() const override { return range.Message(); }

    const TWholeNumberRange& Range() const { return range; }

private:
    TWholeNumberRange range;
};
