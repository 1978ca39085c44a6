#pragma once
// The help pages, one per help context id, as simple HTML. The help buttons of the dialogs and F1
// in the drawing window open the page of the current context.
#include <vector>

struct HelpPage {
    int contextId;
    const char* title;
    const char* html;
};

// The page of a context id; null when there is none.
const HelpPage* FindHelpPage(int contextId);

