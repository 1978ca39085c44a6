#pragma once
// The typing check of an edit under Qt: refuses a keystroke whose result the edit's validator does
// not accept as input, is longer than the edit holds, or holds a character the program cannot keep
// (its texts have one byte per character). Texts set from code bypass it, so the closing check
// looks at the text again.
#include <QValidator>

class TValidator;

class EditValidator : public QValidator {
public:
    EditValidator(const TValidator* validator, int maxLength, QObject* parent);

    State validate(QString& input, int& position) const override;

private:
    const TValidator* validator;
    int maxLength;  // -1: no limit
};
