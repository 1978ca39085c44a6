#pragma once
// The new-fixed-room dialogs, metric and imperial: the room's name, its width and length (offered
// as the size of the space the click found, CFG/ROOM.CFG), the thickness of its walls and how its
// size is labelled. The label style goes to CFG/NEWRM.CFG (with colour 0), the thickness to the
// internal-wall thickness file CFG/PTNM.CFG or CFG/PTNI.CFG; the opener reads the name, the sizes
// (Width(), Length()) and sizeDisplay.
#include "dialogs/proposedlength.h"
#include "dialogs/roomsizechoice.h"
#include "platform/dialog.h"

#include <array>
#include <cstdint>
#include <string>

class TRoomdlg : public TDialog {
public:
    TRoomdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 270; }

    // The sizes typed, in millimetres.
    std::int32_t Width() const;
    std::int32_t Length() const;

    std::int32_t sizeDisplay = 0;  // 0 no sizes, 1 below the name, 2 both, 3 horizontal, 4 vertical
    std::string roomNameText;      // at most 16 characters
    std::string widthText;         // at most 6
    std::string lengthText;
    std::string thicknessText;     // at most 5

private:
    TEdit* nameEdit;
    TEdit* widthEdit;
    TEdit* lengthEdit;
    TEdit* thicknessEdit;
    TRoomSizeChoice sizes;
};

class TRoomimpdlg : public TDialog {
public:
    TRoomimpdlg(TWindow* parent, int resourceId);

    void SetupWindow() override;
    void CmOk() override;
    int HelpContext() const override { return 270; }

    // The sizes in 1/24 inch: the size found when its texts are left as shown, else as typed,
    // (feet x 12 + inches) x 24 and a proper fraction.
    std::int32_t Width() const;
    std::int32_t Length() const;

    std::int32_t sizeDisplay = 0;
    std::string roomNameText;  // at most 16 characters
    // Width and length: feet, inches, numerator, denominator (at most 4 characters each).
    std::array<std::string, 4> widthTexts;
    std::array<std::string, 4> lengthTexts;
    // Thickness: inches (4 characters), numerator and denominator (3 each).
    std::array<std::string, 3> thicknessTexts;

private:
    TEdit* nameEdit;
    std::array<TEdit*, 4> widthEdits;
    std::array<TEdit*, 4> lengthEdits;
    std::array<TEdit*, 3> thicknessEdits;
    TRoomSizeChoice sizes;
    TProposedLength proposedWidth;
    TProposedLength proposedLength;
};
