#pragma once
// The printer-calibration dialogs of Customise/Calibrate Printer, metric and imperial: the length
// that the test length (15000 mm at 1:100, 52 feet at 1:96) measures on the paper. They only show
// the stored calibration; the command works out the correction and stores it.
#include "model/settingsrecords.h"
#include "platform/dialog.h"
#include "platform/edit.h"

#include <string>

// The test lengths, model units: 15000 mm, 52 feet in 1/24 inch.
constexpr int CALIBRATION_LENGTH_METRIC = 15000;
constexpr int CALIBRATION_LENGTH_IMPERIAL = 52 * 12 * 24;

// The calibration of a measured length: the scale correction 1 + (nominal - measured) / nominal,
// exactly 1 when the two are equal.
TPrintCalibrationSettings CalibrationOf(int measured, int nominal);

class TPrntcalmdlg : public TDialog {
public:
    TPrntcalmdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 360; }

    std::string measuredText;  // at most 6 characters, millimetres
    // The length measured, millimetres, as OK left it.
    int MeasuredLength() const;

private:
    TEdit* measuredEdit;
};

class TPrntcalidlg : public TDialog {
public:
    TPrntcalidlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 360; }

    std::string feetText;  // at most 3 characters each
    std::string inchText;
    // The length measured, 1/24 inch: (feet x 12 + inches) x 24, as OK left it.
    int MeasuredLength() const;

private:
    TEdit* feetEdit;
    TEdit* inchEdit;
};
