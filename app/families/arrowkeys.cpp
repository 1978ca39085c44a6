#include "app/families/arrowkeys.h"

#include "app/toolsite.h"
#include "tools/drawingtool.h"

#include <algorithm>

bool IsArrowKey(int key)
{
    return key == VK_LEFT || key == VK_UP || key == VK_RIGHT || key == VK_DOWN;
}

int ArrowDirection(int key)
{
    switch (key) {
    case VK_UP:
        return 1;
    case VK_RIGHT:
        return 2;
    case VK_DOWN:
        return 3;
    default:
        return 4;
    }
}

const char* ArrowPrompt(int key)
{
    switch (key) {
    case VK_UP:
        return "UP:";
    case VK_RIGHT:
        return "RIGHT:";
    case VK_DOWN:
        return "DOWN:";
    default:
        return "LEFT:";
    }
}

void NudgeCursor(TToolSite& site, int key)
{
    TPoint cursor = site.Cursor();
    const TRect rect = site.ClientRect();
    switch (key) {
    case VK_LEFT:
        --cursor.x;
        break;
    case VK_RIGHT:
        ++cursor.x;
        break;
    case VK_UP:
        --cursor.y;
        break;
    default:
        ++cursor.y;
        break;
    }
    cursor.x = std::clamp(cursor.x, 0, std::max(0, rect.Width() - 1));
    cursor.y = std::clamp(cursor.y, 0, std::max(0, rect.Height() - 1));
    site.SetCursor(cursor);
}
