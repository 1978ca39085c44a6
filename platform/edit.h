#pragma once
// A one-line edit. The text limit counts a terminator, as the text buffers of the dialogs do: a
// limit of 25 admits 24 characters. A limit of 0 means no limit.
#include "platform/control.h"
#include "platform/validator.h"

#include <memory>
#include <string>

class TEdit : public TControl {
public:
    TEdit(TDialog& dialog, int id, int textLimit);

    ControlKind Kind() const override { return ControlKind::Edit; }
    void Bind(const ControlTemplate& control) override;

    // Sets the text as the program does: no validator is asked; the text is cut to the limit.
    void SetText(const std::string& newText);
    const std::string& GetText() const { return text; }
    // The text as a buffer of `bufferSize` characters (terminator included) receives it.
    std::string GetText(int bufferSize) const;
    // The most characters the edit holds; -1 when unlimited.
    int MaxLength() const { return textLimit > 0 ? textLimit - 1 : -1; }

    // Attaches the edit's one validator (replacing any earlier one).
    void SetValidator(std::unique_ptr<TValidator> newValidator) { validator = std::move(newValidator); }
    TValidator* GetValidator() const { return validator.get(); }
    // The finished text passes the validator (always true without one).
    bool IsValid() const { return !validator || validator->IsValid(text); }

    // As if the user selected the whole text and typed `typed`: characters the validator refuses
    // and characters past the limit are dropped.
    void Type(const std::string& typed);

private:
    int textLimit;
    std::string text;
    std::unique_ptr<TValidator> validator;
};
