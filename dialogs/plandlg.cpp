#include "dialogs/plandlg.h"

namespace {

struct WallTypeRow {
    int id;
    int wallType;
    int spacing1;
    int spacing2;
    int spacing3;
};

// In the order the buttons are asked; the custom wall first.
constexpr std::array<WallTypeRow, 8> METRIC_TYPES = {{
    {2487, 1, 0, 0, 0},
    {2481, 275, 110, 55, 110},
    {2482, 230, 230, 0, 0},
    {2483, 240, 110, 55, 75},
    {2484, 200, 200, 0, 0},
    {2494, 150, 150, 0, 0},
    {2485, 100, 100, 0, 0},
    {2486, 75, 75, 0, 0},
}};

constexpr std::array<WallTypeRow, 8> IMPERIAL_TYPES = {{
    {2911, 1, 0, 0, 0},
    {2904, 264, 108, 48, 108},
    {2905, 216, 216, 0, 0},
    {2906, 228, 108, 48, 72},
    {2907, 192, 192, 0, 0},
    {2908, 144, 144, 0, 0},
    {2909, 96, 96, 0, 0},
    {2910, 72, 72, 0, 0},
}};

// The first checked button sets the wall type; a group left without a selection keeps the type
// as it was. A standard type then gives the spacings of its row.
void ReadWallType(const std::array<WallTypeRow, 8>& rows, const std::array<TRadioButton*, 8>& buttons,
                  int& wallType, int& spacing1, int& spacing2, int& spacing3)
{
    spacing1 = spacing2 = spacing3 = 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (buttons[i]->IsChecked()) {
            wallType = rows[i].wallType;
            break;
        }
    if (wallType <= 1)
        return;
    spacing1 = wallType;
    for (const auto& row : rows)
        if (row.wallType == wallType) {
            spacing1 = row.spacing1;
            spacing2 = row.spacing2;
            spacing3 = row.spacing3;
        }
}

}  // namespace

TPlandlg::TPlandlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    for (std::size_t i = 0; i < METRIC_TYPES.size(); ++i)
        typeButtons[i] = Create<TRadioButton>(METRIC_TYPES[i].id);
}

void TPlandlg::SetupWindow()
{
    TDialog::SetupWindow();
    typeButtons[0]->Check();
}

void TPlandlg::CmOk()
{
    ReadWallType(METRIC_TYPES, typeButtons, wallType, spacing1, spacing2, spacing3);
    CloseWindow(IDOK);
}

TPlanimpdlg::TPlanimpdlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    for (std::size_t i = 0; i < IMPERIAL_TYPES.size(); ++i)
        typeButtons[i] = Create<TRadioButton>(IMPERIAL_TYPES[i].id);
}

void TPlanimpdlg::SetupWindow()
{
    TDialog::SetupWindow();
    typeButtons[0]->Check();
}

void TPlanimpdlg::CmOk()
{
    ReadWallType(IMPERIAL_TYPES, typeButtons, wallType, spacing1, spacing2, spacing3);
    CloseWindow(IDOK);
}
