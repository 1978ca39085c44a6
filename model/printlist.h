#pragma once
// The print list CFG/PRNTLST.CFG: one line per floor to print, as the print dialog left it.
#include "model/settingsformats.h"
#include "model/typedsettings.h"

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

// One line of the list.
struct TPrintListEntry {
    static constexpr const char* format = PRNTLST_CFG_FORMAT;
    std::int32_t copies = 0;
    std::int32_t scale = 0;      // the denominator of the ratio: 100 is 1:100
    std::int32_t floorCode = 0;  // 1000 + the floor's code
    auto Fields() { return std::tie(copies, scale, floorCode); }
    friend bool operator==(const TPrintListEntry&, const TPrintListEntry&) = default;
};

// One floor to print as the program holds it: the floor's own code.
struct TPrintFloor {
    std::int32_t copies = 0;
    std::int32_t scale = 0;      // the denominator of the ratio: 100 is 1:100
    std::int32_t floorCode = 0;  // 50..52
    friend bool operator==(const TPrintFloor&, const TPrintFloor&) = default;
};

// The name a printed floor goes by in messages: "ground floor", "first floor", "second floor".
std::string PrintFloorName(int floorCode);

// The typed record of PRNTLST.CFG (no file ships: a missing one is an empty list).
struct TPrintListSettings {
    static constexpr TSettingsFile file{"PRNTLST.CFG"};
    std::vector<TPrintListEntry> entries;
    // Every line of three numbers, up to the first that is not.
    static TPrintListSettings Parse(const std::string& text);
    std::string Format() const;
};
