// External walls typed from the keyboard, driven as the drawing window drives the tool: Enter at a
// point, then for each wall the measuring direction and SubCommand 2 before the length prompt, the
// arrow key with the typed length, and a repaint from the drawing file after each wall.
#include "platform/recordingcanvas.h"
#include "tests/walls/wallfixture.h"
#include "tools/toolwindow.h"

#include <string>
#include <vector>

namespace {

class FakeWindow : public TToolWindow {
public:
    TPoint GetCursorPos() const override { return cursor; }
    void SetCursorPos(TPoint clientDevice) override { cursor = clientDevice; }
    TPoint cursor;
};

class Keyboard : public WallTest {
public:
    void SetUp() override
    {
        WallTest::SetUp();
        state().viewExtX = 1000;
        state().viewExtY = 700;
        state().viewOrgX = 0;
        state().viewOrgY = 0;
        tool.window = &window;
        tool.step = 0;
    }

    // Enter with the cursor at a client device point.
    void Enter(TPoint device)
    {
        window.cursor = device;
        TPoint cursor = window.cursor;
        RecordingCanvas dc;
        tool.KeyDown(dc, client, VK_ENTER, cursor, 0);
    }

    // One wall: the measuring direction (Up 1, Right 2, Down 3, Left 4) and SubCommand 2 before the
    // length prompt, whose proposal is recorded; then the arrow key with the typed length.
    void Wall(int key, int length)
    {
        const int direction = key == VK_UP ? 1 : key == VK_RIGHT ? 2 : key == VK_DOWN ? 3 : 4;
        tool.measureDirection() = direction;
        tool.SubCommand(2);
        proposals.push_back(tool.libraryFlag);
        TPoint cursor = window.cursor;
        RecordingCanvas dc;
        tool.KeyDown(dc, client, key, cursor, length);
        // The window shows the committed wall by repainting from the file.
        ASSERT_TRUE(objects().ReadDrawing().ok);
    }

    std::string DumpAll()
    {
        std::string all;
        for (int i = 0; i < objects().count(); ++i)
            all += DumpObject(i, *objects()[i]) + "\n";
        return all;
    }

    // The drawing file holds what the list holds, and writing the list read back gives the same
    // file byte for byte.
    void ExpectWrittenAndReadBackEqual()
    {
        const std::string inMemory = DumpAll();
        const std::string file = ReadWholeFile(dir.path() / "DWGS" / "WALLS.DB0");
        ASSERT_FALSE(file.empty());
        ASSERT_TRUE(objects().ReadDrawing().ok);
        EXPECT_EQ(DumpAll(), inMemory);
        ASSERT_TRUE(objects().WriteDrawing());
        EXPECT_EQ(ReadWholeFile(dir.path() / "DWGS" / "WALLS.DB0"), file);
    }

    // Every line k of `before` ends where line k of `after` starts.
    static void ExpectJoined(const TExtwallobj& before, const TExtwallobj& after, int lines)
    {
        for (int k = 0; k < lines; ++k) {
            const Line a = LineOf(before, k);
            const Line b = LineOf(after, k);
            EXPECT_EQ(a[2], b[0]) << "line " << k + 1 << " of walls " << before.ownerId << "/" << after.ownerId;
            EXPECT_EQ(a[3], b[1]) << "line " << k + 1 << " of walls " << before.ownerId << "/" << after.ownerId;
        }
    }

    FakeWindow window;
    TRect client{0, 0, 1000, 700};
    std::vector<int> proposals;
};

// Feet, inches and a fraction as the imperial length dialog gives them, in 1/24 inch.
int FeetInches(int feet, int inches, int numerator, int denominator)
{
    return (feet * 12 + inches) * 24 + numerator * 24 / denominator;
}

TEST_F(Keyboard, MetricRectangleGivesFourMitredWalls)
{
    tool.objectIndex = 1;  // wall lines below a wall drawn to the right
    Enter({100, 50});      // model (500, 3250)
    Wall(VK_RIGHT, 4000);
    Wall(VK_DOWN, 3000);
    Wall(VK_LEFT, 4000);
    Wall(VK_UP, 3000);

    ASSERT_EQ(objects().count(), 8);
    const TExtwallobj& top = WallAt(4);
    const TExtwallobj& right = WallAt(5);
    const TExtwallobj& bottom = WallAt(6);
    const TExtwallobj& left = WallAt(7);

    // Closed clockwise outline from the marked point, lengths in groupId, consecutive ids.
    EXPECT_EQ((Line{top.x1, top.y1, top.x2, top.y2}), (Line{500, 3250, 4500, 3250}));
    EXPECT_EQ((Line{right.x1, right.y1, right.x2, right.y2}), (Line{4500, 3250, 4500, 250}));
    EXPECT_EQ((Line{bottom.x1, bottom.y1, bottom.x2, bottom.y2}), (Line{4500, 250, 500, 250}));
    EXPECT_EQ((Line{left.x1, left.y1, left.x2, left.y2}), (Line{500, 250, 500, 3250}));
    EXPECT_EQ(top.angle, 900);
    EXPECT_EQ(right.angle, 1800);
    EXPECT_EQ(bottom.angle, 2700);
    EXPECT_EQ(left.angle, 0);
    const int lengths[] = {4000, 3000, 4000, 3000};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(WallAt(4 + i).groupId, lengths[i]);
        EXPECT_EQ(WallAt(4 + i).ownerId, i + 1);
        EXPECT_EQ(WallAt(4 + i).floor, GROUND_FLOOR);
        EXPECT_EQ(WallAt(4 + i).z1, 25);
        EXPECT_EQ(WallAt(4 + i).z2, 2575);
    }

    // Cavity wall 110 / 50 / 100: lines 110, 160 and 260 inside, mitred at every corner.
    const int d[] = {110, 160, 260};
    for (int k = 0; k < 3; ++k) {
        const int o = d[k];
        EXPECT_EQ(LineOf(top, k), (Line{500 + o, 3250 - o, 4500 - o, 3250 - o})) << "line " << k + 1;
        EXPECT_EQ(LineOf(right, k), (Line{4500 - o, 3250 - o, 4500 - o, 250 + o})) << "line " << k + 1;
        EXPECT_EQ(LineOf(bottom, k), (Line{4500 - o, 250 + o, 500 + o, 250 + o})) << "line " << k + 1;
        EXPECT_EQ(LineOf(left, k), (Line{500 + o, 250 + o, 500 + o, 3250 - o})) << "line " << k + 1;
    }

    // The window's proposal for the closing wall is the distance to the first wall's start.
    EXPECT_EQ(proposals, (std::vector<int>{0, 0, 0, 3000}));
    // The cursor is back at the marked point.
    EXPECT_EQ(window.cursor, (TPoint{100, 50}));
    ExpectWrittenAndReadBackEqual();
}

TEST_F(Keyboard, ClosingWallTypedSlightlyShortStillMakesBothCorners)
{
    // Up 2990 where the outline needs 3000: the closing wall snaps at both ends (its end 10 from the
    // first wall's start, within the tolerance of 15) and is mitred at both corners; its lines stop
    // 10 short of the first wall's lines instead of crossing them.
    tool.objectIndex = 1;
    Enter({100, 50});  // model (500, 3250)
    Wall(VK_RIGHT, 4000);
    Wall(VK_DOWN, 3000);
    Wall(VK_LEFT, 4000);
    Wall(VK_UP, 2990);

    ASSERT_EQ(objects().count(), 8);
    const TExtwallobj& top = WallAt(4);
    const TExtwallobj& bottom = WallAt(6);
    const TExtwallobj& left = WallAt(7);
    EXPECT_EQ((Line{left.x1, left.y1, left.x2, left.y2}), (Line{500, 250, 500, 3240}));
    EXPECT_EQ(left.angle, 0);
    EXPECT_EQ(left.groupId, 2990);
    const int d[] = {110, 160, 260};
    for (int k = 0; k < 3; ++k) {
        const int o = d[k];
        EXPECT_EQ(LineOf(left, k), (Line{500 + o, 250 + o, 500 + o, 3240 - o})) << "line " << k + 1;
        // The first wall's lines start on the closing wall's lines, as in the closed rectangle.
        EXPECT_EQ(LineOf(top, k), (Line{500 + o, 3250 - o, 4500 - o, 3250 - o})) << "line " << k + 1;
        EXPECT_EQ(LineOf(bottom, k), (Line{4500 - o, 250 + o, 500 + o, 250 + o})) << "line " << k + 1;
    }
    ExpectWrittenAndReadBackEqual();
}

TEST_F(Keyboard, ImperialRectangleTypedInFeetAndInches)
{
    state().unitSystem = 0;
    tool.objectIndex = 1;
    const int width = FeetInches(13, 1, 1, 2);   // 3780
    const int depth = FeetInches(9, 10, 1, 8);   // 2835
    Enter({100, 50});
    Wall(VK_RIGHT, width);
    Wall(VK_DOWN, depth);
    Wall(VK_LEFT, width);
    Wall(VK_UP, depth);

    ASSERT_EQ(objects().count(), 8);
    const int x0 = 500, y0 = 3250, x1 = 500 + width, y1 = 3250 - depth;
    const Line reference[] = {{x0, y0, x1, y0}, {x1, y0, x1, y1}, {x1, y1, x0, y1}, {x0, y1, x0, y0}};
    const int lengths[] = {width, depth, width, depth};
    for (int i = 0; i < 4; ++i) {
        const TExtwallobj& wall = WallAt(4 + i);
        EXPECT_EQ((Line{wall.x1, wall.y1, wall.x2, wall.y2}), reference[i]) << "wall " << i;
        EXPECT_EQ(wall.groupId, lengths[i]);
        EXPECT_EQ(wall.ownerId, i + 1);
        EXPECT_EQ(wall.z1, 24);
        EXPECT_EQ(wall.z2, 24 + 2328);
        EXPECT_EQ(wall.spacing1, 96);
        ExpectJoined(wall, WallAt(4 + (i + 1) % 4), 3);
    }
    // Imperial cavity wall 96 / 48 / 96: the corners lie 96, 144 and 240 inside.
    const int d[] = {96, 144, 240};
    for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(LineOf(WallAt(4), k)[0], x0 + d[k]);
        EXPECT_EQ(LineOf(WallAt(4), k)[1], y0 - d[k]);
        EXPECT_EQ(LineOf(WallAt(6), k)[0], x1 - d[k]);
        EXPECT_EQ(LineOf(WallAt(6), k)[1], y1 + d[k]);
    }
    EXPECT_EQ(proposals.back(), depth);
    ExpectWrittenAndReadBackEqual();
}

TEST_F(Keyboard, WallsTurnedByTheirSideStillChainFromThePointReached)
{
    // Side code 3: wall lines above a wall drawn to the right, so every wall is stored turned
    // round and the outline runs anticlockwise with its lines outside.
    tool.objectIndex = 3;
    Enter({100, 50});
    Wall(VK_RIGHT, 4000);
    Wall(VK_DOWN, 3000);
    Wall(VK_LEFT, 4000);
    Wall(VK_UP, 3000);

    ASSERT_EQ(objects().count(), 8);
    const Line reference[] = {{4500, 3250, 500, 3250}, {4500, 250, 4500, 3250}, {500, 250, 4500, 250},
                              {500, 3250, 500, 250}};
    const int angles[] = {2700, 0, 900, 1800};
    for (int i = 0; i < 4; ++i) {
        const TExtwallobj& wall = WallAt(4 + i);
        EXPECT_EQ((Line{wall.x1, wall.y1, wall.x2, wall.y2}), reference[i]) << "wall " << i;
        EXPECT_EQ(wall.angle, angles[i]) << "wall " << i;
    }
    // Stored chain: top <- right <- bottom <- left <- top, every corner mitred outside.
    ExpectJoined(WallAt(5), WallAt(4), 3);
    ExpectJoined(WallAt(6), WallAt(5), 3);
    ExpectJoined(WallAt(7), WallAt(6), 3);
    ExpectJoined(WallAt(4), WallAt(7), 3);
    EXPECT_EQ(LineOf(WallAt(4), 0), (Line{4500 + 110, 3250 + 110, 500 - 110, 3250 + 110}));
    EXPECT_EQ(LineOf(WallAt(6), 2), (Line{500 - 260, 250 - 260, 4500 + 260, 250 - 260}));
    ExpectWrittenAndReadBackEqual();
}

TEST_F(Keyboard, SlopedWallEndedWithEnterJoinsTheOutline)
{
    // Right 4000, then the cursor moved (angled input) and Enter ends a sloped wall; then Down.
    tool.objectIndex = 1;
    Enter({100, 50});   // (500, 3250)
    Wall(VK_RIGHT, 4000);
    window.cursor = {1300, 450};  // model (6500, 1250), 45 degrees down to the right
    {
        TPoint cursor = window.cursor;
        RecordingCanvas dc;
        tool.KeyDown(dc, client, VK_ENTER, cursor, 0);
        ASSERT_TRUE(objects().ReadDrawing().ok);
    }
    ASSERT_EQ(objects().count(), 6);
    const TExtwallobj& sloped = WallAt(5);
    EXPECT_EQ((Line{sloped.x1, sloped.y1, sloped.x2, sloped.y2}), (Line{4500, 3250, 6500, 1250}));
    EXPECT_EQ(sloped.angle, 1350);
    EXPECT_EQ(sloped.groupId, 2828);
    // The corner with the first wall is on the bisector: both lines meet there.
    ExpectJoined(WallAt(4), sloped, 3);
    EXPECT_EQ(tool.x1, 6500);
    EXPECT_EQ(tool.y1, 1250);
}

}  // namespace
