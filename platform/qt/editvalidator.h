#pragma once
// The typing check of an edit under Qt: refuses a keystroke whose result the edit's validator does
// not accept as input, or whose result is longer (in bytes, as the program stores texts) than the
// edit holds. Texts set from code bypass it, so the closing check looks at the text again.
#include <QValidator>

class TValidator;

class EditValidator : public QValidator {
public:
    EditValidator(const TValidator* validator, int maxBytes, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    const TValidator* validator;
    int maxBytes;  // -1: no limit
};
