#pragma once
// A check attached to an edit: which texts may be typed at all (characters outside the field's set
// are refused as they are typed) and which finished texts are acceptable when the dialog closes or
// the focus leaves the field.
#include <string>

class TValidator {
public:
    virtual ~TValidator() = default;

    // May the edit hold this text while it is being typed?
    virtual bool IsValidInput(const std::string& text) const = 0;
    // Is the finished text acceptable?
    virtual bool IsValid(const std::string& text) const = 0;
    // What the user is told when IsValid fails.
    virtual std::string ErrorMessage() const = 0;
};
