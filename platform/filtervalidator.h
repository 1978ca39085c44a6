#pragma once
// Accepts only characters of a set written as single characters and ranges, for example
// "A-Za-z0-9, " (letters, digits, comma and blank).
#include "platform/validator.h"

#include <bitset>
#include <string>

class TFilterValidator : public TValidator {
public:
    explicit TFilterValidator(const std::string& characterSet);

    bool IsValidInput(const std::string& text) const override;
    bool IsValid(const std::string& text) const override;
    std::string ErrorMessage() const override;

    bool Accepts(char c) const { return allowed[static_cast<unsigned char>(c)]; }

private:
    std::bitset<256> allowed;
};
