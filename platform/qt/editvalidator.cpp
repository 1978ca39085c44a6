#include "platform/qt/editvalidator.h"

#include "platform/qt/programtext.h"
#include "platform/validator.h"

EditValidator::EditValidator(const TValidator* validator, int maxLength, QObject* parent)
    : QValidator(parent), validator(validator), maxLength(maxLength)
{
}

QValidator::State EditValidator::validate(QString& input, int&) const
{
    if (!IsProgramText(input))
        return Invalid;
    if (maxLength >= 0 && input.size() > maxLength)
        return Invalid;
    if (validator && !validator->IsValidInput(ToProgramText(input)))
        return Invalid;
    return Acceptable;
}
