#include "dialogs/title2ddlg.h"

#include "dialogs/dialogsettings.h"
#include "model/plantitles.h"

namespace {

constexpr int TITLE_LIMIT = PLAN_TITLE_CAPACITY + 1;

}  // namespace

TTitle2Ddlg::TTitle2Ddlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    groundEdit = Create<TEdit>(20001, TITLE_LIMIT);
    firstEdit = Create<TEdit>(20002, TITLE_LIMIT);
    secondEdit = Create<TEdit>(20003, TITLE_LIMIT);
}

void TTitle2Ddlg::SetupWindow()
{
    TDialog::SetupWindow();
    const std::array<std::string, 3> titles = ReadPlanTitles();
    groundTitle = titles[0];
    firstTitle = titles[1];
    secondTitle = titles[2];
    groundEdit->SetText(groundTitle);
    firstEdit->SetText(firstTitle);
    secondEdit->SetText(secondTitle);
}

void TTitle2Ddlg::CmOk()
{
    groundTitle = groundEdit->GetText(TITLE_LIMIT);
    firstTitle = firstEdit->GetText(TITLE_LIMIT);
    secondTitle = secondEdit->GetText(TITLE_LIMIT);
    StoreSettings(*this, TPlanTitleSettings{{groundTitle, firstTitle, secondTitle}});
    CloseWindow(IDOK);
}
