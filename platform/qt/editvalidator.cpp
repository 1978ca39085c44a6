#include "platform/qt/editvalidator.h"

#include "platform/validator.h"

EditValidator::EditValidator(const TValidator* validator, int maxBytes, QObject* parent)
    : QValidator(parent), validator(validator), maxBytes(maxBytes)
{
}

QValidator::State EditValidator::validate(QString& input, int&) const
{
    QByteArray bytes = input.toUtf8();
    if (maxBytes >= 0 && bytes.size() > maxBytes)
        return Invalid;
    if (validator && !validator->IsValidInput(bytes.toStdString()))
        return Invalid;
    return Acceptable;
}
