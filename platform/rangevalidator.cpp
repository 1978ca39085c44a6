#include "platform/rangevalidator.h"

#include "platform/decimaltext.h"

TRangeValidator::TRangeValidator(std::int32_t minimum, std::int32_t maximum) : minimum(minimum), maximum(maximum)
{
}

bool TRangeValidator::AllowedCharacter(char c) const
{
    return (c >= '0' && c <= '9') || c == '+' || (c == '-' && minimum < 0);
}

bool TRangeValidator::IsValidInput(const std::string& text) const
{
    for (char c : text)
        if (!AllowedCharacter(c))
            return false;
    return true;
}

bool TRangeValidator::IsValid(const std::string& text) const
{
    if (!IsValidInput(text))
        return false;
    std::int32_t value = DecimalValue(text);
    return value >= minimum && value <= maximum;
}

std::string TRangeValidator::ErrorMessage() const
{
    return "Enter a whole number from " + std::to_string(minimum) + " to " + std::to_string(maximum);
}
