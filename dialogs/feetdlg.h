#pragma once
// The imperial length prompt: feet, inches and a fraction, preset from a length in 1/24 inch. The
// opener converts the four texts (FeetLength, with the fraction rule of its own use); a preset left
// as shown comes back exact.
#include "dialogs/imperial.h"
#include "dialogs/proposedlength.h"
#include "platform/dialog.h"
#include "platform/edit.h"

#include <string>

class TFeetdlg : public TDialog {
public:
    TFeetdlg(TWindow* parent, int resourceId, int initialLength);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 250; }

    // The length the four texts stand for, in 1/24 inch: the preset itself when they are still the
    // texts it was shown as.
    std::int32_t Length(FractionRule rule) const;

    int initialLength;
    std::string feetText;         // at most 5 characters
    std::string inchText;         // at most 6
    std::string numeratorText;    // at most 3
    std::string denominatorText;  // at most 3

private:
    TEdit* feetEdit;
    TEdit* inchEdit;
    TEdit* numeratorEdit;
    TEdit* denominatorEdit;
    TProposedLength proposal;
};
