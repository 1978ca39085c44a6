#include "app/lengthprompt.h"

#include "dialogs/feetdlg.h"
#include "dialogs/typedlength.h"
#include "model/drawingstate.h"
#include "platform/inputdialog.h"

bool AskTypedLength(TWindow& parent, const std::string& title, const std::string& prompt,
                    std::optional<int> proposal, int buffer,
                    FractionRule rule, int& length)
{
    return AnswerTypedLength(parent, title, prompt, proposal, buffer, rule, length) == TLengthAnswer::Given;
}

TLengthAnswer AnswerTypedLength(TWindow& parent, const std::string& title, const std::string& prompt,
                                std::optional<int> proposal, int buffer, FractionRule rule, int& length)
{
    const int unitSystem = State().unitSystem;
    if (unitSystem == 1) {
        TInputDialog dialog(&parent, title, prompt, proposal ? std::to_string(*proposal) : std::string(), buffer);
        if (dialog.Execute() != IDOK)
            return TLengthAnswer::Cancelled;
        const std::optional<std::int32_t> typed = ReadWholeNumber(dialog.GetBuffer(), TYPED_MILLIMETRES);
        if (!typed) {
            parent.MessageBox(TYPED_MILLIMETRES.Message(), title, MB_OK | MB_ICONEXCLAMATION);
            return TLengthAnswer::Refused;
        }
        length = *typed;
        return TLengthAnswer::Given;
    }
    TFeetdlg dialog(&parent, 9500, proposal.value_or(0));
    if (dialog.Execute() != IDOK)
        return TLengthAnswer::Cancelled;
    length = dialog.Length(rule);
    if (!IsTypedLength(length)) {
        parent.MessageBox(TypedLengthMessage(unitSystem), title, MB_OK | MB_ICONEXCLAMATION);
        return TLengthAnswer::Refused;
    }
    return TLengthAnswer::Given;
}
