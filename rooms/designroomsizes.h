#pragma once
// The size texts of a design room: its width and its length as the plan shows them, metric as
// whole millimetres ("3000"), imperial as feet, inches and eighths of an inch ("12' 6 1/8''"); a
// remainder below an eighth gives the whole-inch form.
#include <cstdint>
#include <optional>
#include <string>

// The text of a length in the unit system (1 metric, 0 imperial); none for any other unit system,
// whose rooms keep the texts they have.
std::optional<std::string> DesignRoomSizeText(std::int32_t value, int unitSystem);
