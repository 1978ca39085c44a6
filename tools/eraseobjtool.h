#pragma once
// The selection tool that erases.
#include "tools/moveobjtool.h"

class TEraseobjtool : public TMoveobjtool {
public:
    TEraseobjtool() = default;
};
