#pragma once
// What the room dialogs (new design room, maximum-size room, new fixed room) share: the five
// size-label radios in template order (below the name, no sizes, both with arrows, horizontal,
// vertical) with the label style CFG/NEWRM.CFG keeps, and how they fill their imperial length edits.
#include "platform/edit.h"
#include "platform/radiobutton.h"

#include <array>
#include <cstdint>
#include <string>

class TRoomSizeChoice {
public:
    TRoomSizeChoice() = default;
    explicit TRoomSizeChoice(std::array<TRadioButton*, 5> buttons) : buttons(buttons) {}
    // Checks the radio of the label style CFG/NEWRM.CFG holds (none for a code outside 0..4).
    void Show();
    // The style of the first checked radio: 1 below the name, 0 no sizes, 2 both, 3 horizontal,
    // 4 vertical; 0 when none is checked.
    std::int32_t Checked() const;

private:
    std::array<TRadioButton*, 5> buttons{};
};

// A length shown as feet, inches and eighths in lowest terms in the feet, inches, numerator and
// denominator edits; below an eighth the fraction shows 0 / 0.
void ShowFeet(const std::array<TEdit*, 4>& edits, std::int32_t value);
// The same as whole inches and eighths.
void ShowInches(TEdit& inches, TEdit& numerator, TEdit& denominator, std::int32_t value);
// A length typed as feet, inches, numerator and denominator, in 1/24 inch (a fraction counts when
// it is proper).
std::int32_t FeetFieldsLength(const std::array<std::string, 4>& texts);
