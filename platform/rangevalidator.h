#pragma once
// An integer field: only "0-9+-" may be typed (no minus when the minimum is 0 or more), and the
// finished text must hold only those characters and read as a number from minimum to maximum.
#include "platform/validator.h"

#include <cstdint>

class TRangeValidator : public TValidator {
public:
    TRangeValidator(std::int32_t minimum, std::int32_t maximum);

    bool IsValidInput(const std::string& text) const override;
    bool IsValid(const std::string& text) const override;
    std::string ErrorMessage() const override;

private:
    std::int32_t minimum;
    std::int32_t maximum;
    bool AllowedCharacter(char c) const;
};
