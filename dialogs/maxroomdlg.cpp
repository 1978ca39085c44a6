#include "dialogs/maxroomdlg.h"

#include <string>

namespace {
constexpr std::int32_t MAXIMUM_FEET = 100;
}

TMaxroomdlg::TMaxroomdlg(TWindow* parent, int resourceId, int maxWidth, int maxLength)
    : TTroomdlg(parent, resourceId), maxWidth(maxWidth), maxLength(maxLength)
{
}

void TMaxroomdlg::SetupWindow()
{
    widthEdit->SetText(std::to_string(maxWidth));
    lengthEdit->SetText(std::to_string(maxLength));
    TTroomdlg::SetupWindow();
}

TMaxroomimpdlg::TMaxroomimpdlg(TWindow* parent, int resourceId, int maxWidth, int maxLength)
    : TTroomimpdlg(parent, resourceId, MAXIMUM_FEET), maxWidth(maxWidth), maxLength(maxLength)
{
}

void TMaxroomimpdlg::SetupWindow()
{
    proposedWidth.Show(widthEdits, maxWidth);
    proposedLength.Show(lengthEdits, maxLength);
    TTroomimpdlg::SetupWindow();
}
