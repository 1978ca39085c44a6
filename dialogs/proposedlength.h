#pragma once
// A measured length a dialog offers in feet, inches and eighths. A measurement in twenty-fourths of
// an inch can fall between two eighths, and the eighths shown would come back up to two units short;
// so the dialog keeps the exact length with the texts it showed. When the user leaves those texts as
// they were, the exact length comes back; any other entry is taken as typed.
#include "platform/edit.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

class TProposedLength {
public:
    // Shows `value` in the feet, inches, numerator and denominator edits and keeps it with the texts.
    void Show(const std::array<TEdit*, 4>& edits, std::int32_t value);
    // The proposal when `texts` (feet, inches, numerator, denominator as read at OK) are the texts
    // shown; nothing when they differ or nothing was proposed.
    std::optional<std::int32_t> Kept(const std::array<std::string, 4>& texts) const;

private:
    std::optional<std::int32_t> proposal;
    std::array<std::string, 4> shown;
};
