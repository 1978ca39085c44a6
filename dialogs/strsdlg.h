#pragma once
// The stairs dialogs, metric and imperial: the stair's width, the stairwell length of a straight
// flight, the storey height of the floor that gets the stair, a straight flight or a halfway
// return landing, and the side of the screen the top tread faces. They keep no settings file:
// every run starts from the template's texts. Choice() gives the stair in model units.
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <array>
#include <string>

// Codes of flightType.
constexpr int FLIGHT_RETURN_LANDING = 1;
constexpr int FLIGHT_STRAIGHT = 2;

// Codes of topTreadSide.
constexpr int TOP_TREAD_TOP = 1;
constexpr int TOP_TREAD_RIGHT = 2;
constexpr int TOP_TREAD_BOTTOM = 3;
constexpr int TOP_TREAD_LEFT = 4;

// The stair the dialog describes, lengths in model units.
struct TStairsChoice {
    int width = 0;
    int stairwellLength = 0;  // straight flights: the stairwell on the floor above (0: the whole run)
    int storeyHeight = 0;
    int flightType = FLIGHT_RETURN_LANDING;
    int topTreadSide = TOP_TREAD_LEFT;
};

class TStrsdlg : public TDialog {
public:
    TStrsdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 280; }

    // The texts as millimetres.
    TStairsChoice Choice() const;

    int flightType = 0;
    int topTreadSide = 0;
    std::string widthText;      // at most 5 characters each
    std::string stairwellText;
    std::string storeyText;

private:
    TEdit* widthEdit;
    TEdit* stairwellEdit;
    TEdit* storeyEdit;
    std::array<TRadioButton*, 2> flightButtons;    // landing, straight
    std::array<TRadioButton*, 4> positionButtons;  // top, right, bottom, left
};

class TStrsimpdlg : public TDialog {
public:
    TStrsimpdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 280; }

    // The texts in 1/24 inch: the width in whole inches, the lengths in feet and inches.
    TStairsChoice Choice() const;

    int flightType = 0;
    int topTreadSide = 0;
    std::string widthText;           // at most 4 characters
    std::string stairwellFeetText;   // at most 3
    std::string stairwellInchText;   // at most 3
    std::string storeyFeetText;      // at most 5
    std::string storeyInchText;      // at most 3

private:
    TEdit* widthEdit;
    TEdit* stairwellFeetEdit;
    TEdit* stairwellInchEdit;
    TEdit* storeyFeetEdit;
    TEdit* storeyInchEdit;
    std::array<TRadioButton*, 2> flightButtons;
    std::array<TRadioButton*, 4> positionButtons;
};
