#pragma once
// The new-design-room dialogs, metric and imperial: the room's name and its width and length, the
// colour it is shown in and how its sizes are labelled on the plan. The colour and the label style
// go to CFG/NEWRM.CFG, where the design-room tool reads them when it makes the room; the opener
// reads the name and the sizes (Width(), Length()).
//
// The maximum-size dialogs (maxroomdlg.h) are the same dialogs under other resource ids, showing
// the free size measured at a click: every control id is the resource id plus the same offset.
#include "dialogs/proposedlength.h"
#include "dialogs/roomsizechoice.h"
#include "platform/dialog.h"

#include <array>
#include <cstdint>
#include <string>

// The colour radios (no colour, wet area, bedroom, other rooms) and the size-label radios in
// template order (below name, no sizes, both, horizontal, vertical) of one design-room dialog.
class TDesignRoomChoices {
public:
    TDesignRoomChoices() = default;
    TDesignRoomChoices(std::array<TRadioButton*, 4> colours, std::array<TRadioButton*, 5> sizes);
    // "no colour", and the label style CFG/NEWRM.CFG holds (none checked for a code outside 0..4).
    void Show();
    // The checked colour (1..4) and label style (0..4); false when the file could not be written,
    // which the user has been told.
    bool Store(TDialog& dialog) const;

private:
    std::array<TRadioButton*, 4> colourButtons{};
    TRoomSizeChoice sizeChoice;
};

class TTroomdlg : public TDialog {
public:
    TTroomdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 260; }

    // The sizes typed, in millimetres.
    std::int32_t Width() const;
    std::int32_t Length() const;

    std::string roomNameText;  // at most 16 characters
    std::string widthText;     // at most 6
    std::string lengthText;

protected:
    TEdit* nameEdit;
    TEdit* widthEdit;
    TEdit* lengthEdit;
    TDesignRoomChoices choices;
};

class TTroomimpdlg : public TDialog {
public:
    TTroomimpdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 260; }

    // The sizes in 1/24 inch: a proposed size whose texts are left as shown, else as typed,
    // (feet x 12 + inches) x 24 and a proper fraction.
    std::int32_t Width() const;
    std::int32_t Length() const;

    std::string roomNameText;  // at most 16 characters
    // Width and length: feet and inches (at most 4 characters each), numerator (4), denominator (3).
    std::array<std::string, 4> widthTexts;
    std::array<std::string, 4> lengthTexts;

protected:
    TEdit* nameEdit;
    std::array<TEdit*, 4> widthEdits;
    std::array<TEdit*, 4> lengthEdits;
    TDesignRoomChoices choices;
    // The sizes the maximum-size twin proposes; none here.
    TProposedLength proposedWidth;
    TProposedLength proposedLength;

    // The maximum-size twin takes feet up to 100.
    TTroomimpdlg(TWindow* parent, int resourceId, std::int32_t maximumFeet);
};
