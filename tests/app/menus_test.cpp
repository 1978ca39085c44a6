// Menu 200 and the toolbar tables: commands found by path, ids unique, the toolbar's buttons.
#include "resources/menus.h"
#include "resources/toolbar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

TEST(Menus, PathsAreComparedWithoutAmpersandsDotsAndCase)
{
    EXPECT_EQ(FindMenuCommand("file/new"), CM_FILENEW);
    EXPECT_EQ(FindMenuCommand("FILE / New"), CM_FILENEW);
    EXPECT_EQ(FindMenuCommand("view/first floor"), CM_FIRSTFLOOR);
    EXPECT_EQ(FindMenuCommand("tools/line + text"), CM_LINETEXT);
    EXPECT_EQ(FindMenuCommand("edit/move or rotate"), CM_MOVEROTATE);
    EXPECT_EQ(FindMenuCommand("walls && base/internal walls/draw internal wall"), CM_INTWALL);
    EXPECT_EQ(FindMenuCommand("Walls & Base/Floorplan Base/Expand Floorplan"), CM_EXPANDFLOORPLAN);
    EXPECT_EQ(FindMenuCommand("customise/def dimensions"), CM_DEFDIMENSIONS);
    EXPECT_EQ(FindMenuCommand("other/opening (internal wall)"), CM_WALLOPENING);
    EXPECT_EQ(FindMenuCommand("other/opening (internal wall)..."), CM_WALLOPENING);
    EXPECT_EQ(FindMenuCommand("other/window & extnl doors"), CM_WINDOW);
    EXPECT_EQ(FindMenuCommand("zoom/normal size"), CM_NORMALSIZE);
}

TEST(Menus, ALabelHoldingASlashMatchesWhole)
{
    EXPECT_EQ(FindMenuCommand("file/rotate/mirror"), CM_ROTATEMIRROR);
    EXPECT_EQ(FindMenuCommand("edit/change text/number"), CM_CHANGETEXT);
    EXPECT_EQ(FindMenuCommand("file/rotate"), 0);
    EXPECT_EQ(FindMenuCommand("edit/change text"), 0);
}

TEST(Menus, PopupsAndUnknownPathsAreNoCommand)
{
    EXPECT_EQ(FindMenuCommand("file"), 0);
    EXPECT_EQ(FindMenuCommand("walls && base/internal walls"), 0);
    EXPECT_EQ(FindMenuCommand("file/new/more"), 0);
    EXPECT_EQ(FindMenuCommand("file/old"), 0);
    EXPECT_EQ(FindMenuCommand(""), 0);
}

TEST(Menus, EveryCommandHasOneIdAndItsPath)
{
    std::vector<int> ids = MenuCommandIds();
    std::set<int> unique(ids.begin(), ids.end());
    EXPECT_EQ(unique.size(), ids.size());
    for (int id : ids)
        EXPECT_EQ(FindMenuCommand(MenuPathOf(id)), id) << MenuPathOf(id);
    EXPECT_EQ(MenuPathOf(CM_INTWALL), "Walls & Base/Internal Walls/Draw Internal Wall");
    EXPECT_EQ(MenuPathOf(12345), "");
    // The ids the commands are known by.
    for (int id : {270, 272, 274, 275, 276, 277, 278, 279, 287, 310, 311, 312, 313, 317, 350, 351, 352, 353, 354,
                   371, 372, 373, 374, 375, 378, 379, 382, 413, 415, 416, 417, 418, 419, 420, 422, 426, 217, 500, 520,
                   521, 522, 523, 524, 525, 526, 527})
        EXPECT_TRUE(unique.count(id)) << id;
}

TEST(Menus, TheMenuBarHoldsTheElevenMenusInOrder)
{
    std::vector<std::string> menus;
    for (const TMenuEntry& entry : MainMenu())
        if (entry.level == 0)
            menus.push_back(NormalizeMenuLabel(entry.label));
    EXPECT_EQ(menus, (std::vector<std::string>{"file", "edit", "view", "zoom", "tools", "walls  base", "other",
                                               "design rooms", "libraries", "customise", "help"}));
}

TEST(Toolbar, SeventeenButtonsWithTheCentreCommands)
{
    std::vector<int> ids;
    for (const TToolbarButton& button : ToolbarButtons())
        if (button.id != 0) {
            ids.push_back(button.id);
            EXPECT_FALSE(button.icon.empty()) << button.id;
            EXPECT_NE(button.hint, nullptr);
        }
    EXPECT_EQ(ids.size(), 17u);
    EXPECT_NE(std::find(ids.begin(), ids.end(), CM_CENTRE), ids.end());
    EXPECT_NE(std::find(ids.begin(), ids.end(), CM_CENTRECENTRE), ids.end());
    // Every other button is a menu command too.
    std::vector<int> menu = MenuCommandIds();
    for (int id : ids) {
        if (id != CM_CENTRE && id != CM_CENTRECENTRE) {
            EXPECT_NE(std::find(menu.begin(), menu.end(), id), menu.end()) << id;
        }
    }
}
