#pragma once
// The selection tool that copies.
#include "tools/moveobjtool.h"

class TCopyobjtool : public TMoveobjtool {
public:
    TCopyobjtool() = default;
};
