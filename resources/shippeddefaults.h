#pragma once
// The default settings files shipped with the program, compiled in byte for byte from
// resources/CFG/ so that a missing or short file can always fall back on them.
#include <span>
#include <string_view>

struct TShippedDefault {
    const char* name;        // file name under CFG/, upper case ("CLR.CFG")
    std::string_view bytes;  // the file's exact contents
};

// Every shipped default, sorted by name.
std::span<const TShippedDefault> ShippedDefaults();
