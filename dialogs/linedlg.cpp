#include "dialogs/linedlg.h"

#include "platform/canvas.h"

TLinedlg::TLinedlg(TWindow* parent, int resourceId)
    : TDialog(parent, resourceId),
      choices{{Create<TRadioButton>(14001), 1, PS_SOLID},
              {Create<TRadioButton>(14002), 2, PS_SOLID},
              {Create<TRadioButton>(14003), 1, PS_DASH},
              {Create<TRadioButton>(14004), 1, PS_DOT},
              {Create<TRadioButton>(14005), 1, PS_DASHDOT}}
{
}

void TLinedlg::SetupWindow()
{
    TDialog::SetupWindow();
    choices[0].button->Check();
}

void TLinedlg::CmOk()
{
    // The first button checked, in the order of the table.
    for (const Choice& choice : choices) {
        if (choice.button->IsChecked()) {
            penWidth = choice.width;
            penStyle = choice.style;
            break;
        }
    }
    CloseWindow(IDOK);
}
