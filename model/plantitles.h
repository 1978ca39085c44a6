#pragma once
// The plan titles of CFG/TITLE2D.CFG: the lengths of the ground, first and second floor titles,
// then the three titles run together with nothing between the last length and the first title.
#include "model/typedsettings.h"

#include <array>
#include <string>

constexpr int PLAN_TITLE_CAPACITY = 24;

// The typed record of TITLE2D.CFG.
struct TPlanTitleSettings {
    static constexpr TSettingsFile file{"TITLE2D.CFG"};
    std::array<std::string, 3> titles;  // ground, first and second floor
    static TPlanTitleSettings Parse(const std::string& text);
    std::string Format() const;
};

// The record of TITLE2D.CFG: the three lengths, then the titles run together, then a line end.
std::string FormatPlanTitles(const std::array<std::string, 3>& titles);

// Reads the three titles from the record. The titles directly follow the third length, so a first
// title that begins with a digit or a blank is told from the length by the count: the lengths must
// add up to the characters after them on the line. A record that does not add up is read leniently
// (white space after the lengths skipped, each title cut to what the line holds). A carriage return
// before the line end belongs to the line end unless the lengths count it. No title is longer
// than PLAN_TITLE_CAPACITY characters and nothing is read past the line. Returns false when the
// record did not add up exactly (the titles then hold what the lenient reading found).
bool ParsePlanTitles(const std::string& record, std::array<std::string, 3>& titles);
// The same, giving the titles only.
std::array<std::string, 3> ParsePlanTitles(const std::string& text);
// Reads CFG/TITLE2D.CFG (its shipped default when it is missing).
std::array<std::string, 3> ReadPlanTitles();
