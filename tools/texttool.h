#pragma once
// The text tool: places and types texts. alignment() and escapement() name the shared words the
// text tools use.
#include "tools/drawingtool.h"

#include <string>

class TTexttool : public TDrawingtool {
public:
    TTexttool() = default;

    // Characters a text may hold (its field keeps a terminator as well).
    static constexpr std::size_t MAX_TEXT = 79;

    std::string text;              // at most MAX_TEXT characters
    std::int32_t textLength = 0;
    std::int32_t typedCount = 0;
};
