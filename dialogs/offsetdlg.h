#pragma once
// The dimension settings dialogs, metric (CFG/MOFFSET.CFG, millimetres) and imperial
// (CFG/IOFFSET.CFG, shown in whole inches): how far from the walls the internal, external and
// overall dimension lines go, whether dimension text runs horizontally or along the wall, and the
// point sizes of dimension text, room size text and room name text. A choice the file holds that
// no button shows (another orientation or size) is written back unchanged unless the user picks a
// button of that group.
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <string>

class TOffsetdlg : public TDialog {
public:
    TOffsetdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 310; }

    TEdit* internalEdit;
    TEdit* externalEdit;
    TEdit* overallEdit;
    int textOrientation = 0;
    int dimensionTextSize = 0;
    int roomNameTextSize = 0;
    int roomDimensionTextSize = 0;
    std::string internalText;  // at most 5 characters each
    std::string externalText;
    std::string overallText;
    TRadioButton* horizontalButton;
    TRadioButton* parallelButton;
    TRadioButton* dimensionText9Button;
    TRadioButton* dimensionText10Button;
    TRadioButton* roomDimension9Button;
    TRadioButton* roomDimension10Button;
    TRadioButton* roomName9Button;
    TRadioButton* roomName10Button;
};

class TOffsetimpdlg : public TDialog {
public:
    TOffsetimpdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 310; }

    TEdit* internalEdit;
    TEdit* externalEdit;
    TEdit* overallEdit;
    int textOrientation = 0;
    int dimensionTextSize = 0;
    int roomNameTextSize = 0;
    int roomDimensionTextSize = 0;
    std::string internalText;  // whole inches, at most 5 characters each
    std::string externalText;
    std::string overallText;
    TRadioButton* horizontalButton;
    TRadioButton* parallelButton;
    TRadioButton* dimensionText9Button;
    TRadioButton* dimensionText10Button;
    TRadioButton* roomDimension9Button;
    TRadioButton* roomDimension10Button;
    TRadioButton* roomName9Button;
    TRadioButton* roomName10Button;
};
