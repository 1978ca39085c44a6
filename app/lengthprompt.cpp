#include "app/lengthprompt.h"

#include "dialogs/feetdlg.h"
#include "model/drawingstate.h"
#include "platform/decimaltext.h"
#include "platform/inputdialog.h"

bool AskModelLength(TWindow& parent, const std::string& title, const std::string& prompt, int proposal, int buffer,
                    FractionRule rule, int& length)
{
    if (State().unitSystem == 1) {
        TInputDialog dialog(&parent, title, prompt, std::to_string(proposal), buffer);
        if (dialog.Execute() != IDOK)
            return false;
        length = DecimalValue(dialog.GetBuffer());
    } else {
        TFeetdlg dialog(&parent, 9500, proposal);
        if (dialog.Execute() != IDOK)
            return false;
        length = dialog.Length(rule);
    }
    return true;
}
