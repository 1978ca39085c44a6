#include "dialogs/validatededit.h"

#include "platform/filtervalidator.h"
#include "platform/wholenumbervalidator.h"

#include <memory>

namespace {
constexpr char NAME_CHARACTERS[] = "A-Za-z0-9, ";
}

TEdit* ValidatedEdit(TEdit* edit, const TWholeNumberRange& range)
{
    edit->SetValidator(std::make_unique<TWholeNumberValidator>(range));
    return edit;
}

TEdit* NameEdit(TEdit* edit)
{
    edit->SetValidator(std::make_unique<TFilterValidator>(NAME_CHARACTERS));
    return edit;
}
