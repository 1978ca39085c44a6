#pragma once
// The plan titles of CFG/TITLE2D.CFG: the lengths of the ground, first and second floor titles,
// then the three titles run together with nothing between the last length and the first title.
#include <array>
#include <string>

constexpr int PLAN_TITLE_CAPACITY = 24;

// Reads the titles from the record's text. The titles are taken as the characters that follow the
// third length, so a first title that begins with a digit or a blank reads back as written; no
// title is longer than PLAN_TITLE_CAPACITY.
std::array<std::string, 3> ParsePlanTitles(const std::string& text);
// Reads CFG/TITLE2D.CFG (its shipped default when it is missing).
std::array<std::string, 3> ReadPlanTitles();
