#pragma once
// The dimension settings dialogs, metric (CFG/MOFFSET.CFG, millimetres) and imperial
// (CFG/IOFFSET.CFG, shown in whole inches): how far from the walls the internal, external and
// overall dimension lines go, whether dimension text runs horizontally or along the wall, and the
// point sizes of dimension text, room size text and room name text. A choice the file holds that
// no button shows (another orientation or size) is written back unchanged unless the user picks a
// button of that group. The twins differ only in their control ids, ranges and unit.
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"
#include "platform/wholenumber.h"

#include <string>

class TOffsetSettingsDialog : public TDialog {
public:
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
    std::string internalText;  // in the dialog's unit, at most 5 characters each
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

protected:
    // The control ids of one twin, in the order the members are created.
    struct TIds {
        int internal, external, overall;
        int horizontal, parallel, dimension9, dimension10, roomDimension9, roomDimension10, roomName9, roomName10;
    };
    // The twin's file and unit: metric lengths are shown as stored, imperial ones in whole inches.
    struct TUnits {
        int unitSystem;
        int unitsPerShown;
        TWholeNumberRange wallRange;
        TWholeNumberRange overallRange;
    };
    TOffsetSettingsDialog(TWindow* parent, int resourceId, const TIds& ids, const TUnits& units);

private:
    TUnits units;
};

class TOffsetdlg : public TOffsetSettingsDialog {
public:
    TOffsetdlg(TWindow* parent, int resourceId);
};

class TOffsetimpdlg : public TOffsetSettingsDialog {
public:
    TOffsetimpdlg(TWindow* parent, int resourceId);
};
