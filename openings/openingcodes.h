#pragma once
// The codes the window tool, its builders and the door tool share: the opening types of WIND.CFG,
// the door direction codes of the door dialog, the quadrant of an angled wall, and the outcome of a
// placement with the messages the drawing window shows for it.
//
// Opening types: 1 window, 5 wall opening, 6 single external door, 7 French doors opening in,
// 8 French doors opening out, 9 garage door, 10 main entry (the ones the window dialog writes);
// 2, 3 and 4 are windows without a dialog choice; 11..20 follow 1..10 in every rule but the cill.
//
// Door direction codes 1..8 (the pictures of the door dialog): from the hinge the opening runs
// along the wall and the leaf swings to one side.
//   code  runs  swings      code  runs  swings
//   1     -y    -x          5     +x    +y
//   2     +y    -x          6     +x    -y
//   3     -y    +x          7     -x    +y
//   4     +y    +x          8     -x    -y
// Codes 1..4 belong to walls that run along y, 5..8 to walls along x.
#include <cstdint>
#include <string>
#include <vector>

// Faces of an axis-aligned external wall as the window tool marks them (markedSide); the
// reference line is the outer face, the wall body lies towards the inside.
constexpr int FACE_PLUS_X = -1;   // horizontal, drawn towards +x: inside towards -y
constexpr int FACE_MINUS_Y = -2;  // vertical, drawn towards -y: inside towards -x
constexpr int FACE_MINUS_X = -3;  // horizontal, drawn towards -x: inside towards +y
constexpr int FACE_PLUS_Y = -4;   // vertical, drawn towards +y: inside towards +x

// Opening types.
constexpr int OPENING_WINDOW = 1;
constexpr int OPENING_WALL_OPENING = 5;
constexpr int OPENING_SINGLE_DOOR = 6;
constexpr int OPENING_FRENCH_IN = 7;
constexpr int OPENING_FRENCH_OUT = 8;
constexpr int OPENING_GARAGE = 9;
constexpr int OPENING_MAIN_ENTRY = 10;

// The rule an opening type follows: 11..20 as 1..10.
constexpr int BaseOpeningType(int type) { return type >= 11 && type <= 20 ? type - 10 : type; }
constexpr bool IsSingleDoor(int type) { return BaseOpeningType(type) == OPENING_SINGLE_DOOR; }
constexpr bool IsMainEntry(int type) { return BaseOpeningType(type) == OPENING_MAIN_ENTRY; }
constexpr bool IsFrenchOut(int type) { return BaseOpeningType(type) == OPENING_FRENCH_OUT; }
constexpr bool IsFrenchIn(int type) { return BaseOpeningType(type) == OPENING_FRENCH_IN; }
// Types whose tool reads the door settings while it previews (single doors and main entries).
constexpr bool ReadsDoorLeaf(int type) { return IsSingleDoor(type) || IsMainEntry(type); }
// The cill: 1..8 and 10..18 (not the garage doors, not 20).
constexpr bool GetsCill(int type) { return (type >= 1 && type <= 8) || (type >= 10 && type <= 18); }
// The opening line lies at a fraction of the wall thickness: 1/2 for windows 1, 2, 11, 12, 1/3 for
// garage doors; 0 for the types without one.
constexpr int OpeningLineDivisor(int type)
{
    const int base = BaseOpeningType(type);
    return base == 1 || base == 2 ? 2 : base == OPENING_GARAGE ? 3 : 0;
}
// Types offered a size label (1..5, 11..15) and types that get one (1..4, 11..14).
constexpr bool OffersSizeLabel(int type) { return BaseOpeningType(type) >= 1 && BaseOpeningType(type) <= 5; }
constexpr bool GetsSizeLabel(int type) { return BaseOpeningType(type) >= 1 && BaseOpeningType(type) <= 4; }

// Door direction codes.
constexpr bool IsDoorCode(int code) { return code >= 1 && code <= 8; }
// The closed leaf lies from the hinge towards +x or +y (codes 2, 4, 5, 6), else towards -x or -y.
constexpr bool ClosesTowardsPlus(int code) { return code == 2 || code == 4 || code == 5 || code == 6; }
// The two codes of a face whose leaf swings into the house, in the order the entry door uses them:
// -1: 6, 8; -3: 5, 7; -2: 1, 2; -4: 3, 4.
struct TFaceCodes {
    int first = 0;
    int second = 0;
};
constexpr TFaceCodes InwardCodes(int face)
{
    switch (face) {
    case FACE_PLUS_X: return {6, 8};
    case FACE_MINUS_X: return {5, 7};
    case FACE_MINUS_Y: return {1, 2};
    case FACE_PLUS_Y: return {3, 4};
    default: return {};
    }
}
constexpr bool SwingsInward(int face, int code)
{
    const TFaceCodes codes = InwardCodes(face);
    return code != 0 && (code == codes.first || code == codes.second);
}

// The quadrant of an angle in tenths of a degree (1: below 900, 2: below 1800, 3: below 2700,
// 4: the rest) and the angle reduced into it.
struct TQuadrant {
    int quadrant = 1;
    int reduced = 0;
};
constexpr TQuadrant QuadrantOf(int angle)
{
    if (angle < 900)
        return {1, angle};
    if (angle < 1800)
        return {2, angle - 900};
    if (angle < 2700)
        return {3, angle - 1800};
    return {4, angle - 2700};
}

// Radians per tenth of a degree, as the wall and door geometry takes it.
constexpr double RADIANS_PER_TENTH = 0.001745;

// What became of the window or door tool's last Enter (or of its set-up).
enum class TPlaceOutcome {
    Pending,          // nothing tried yet
    Placed,           // the opening was built and the drawing file written
    Marked,           // the wall was marked and checked; nothing was built (value 4)
    NoWallMarked,     // no external wall takes the opening at that point
    DoorWallError,    // a single external door with no wall, or a code that does not suit the wall
    EntryDoorError,   // a single main entry door whose leaf would not swing into the house
    WidthTooSmall,    // the opening is narrower than one model unit
    DoorCodeRefused,  // a door code that does not suit the side of an angled internal wall
    PastWallEnd,      // an internal door or opening whose opening would run past an end of its wall
    Unstorable,       // a part would lie where the drawing file cannot store it; the tool told the user
};

// One message box: its text and title.
struct TToolMessage {
    std::string text;
    std::string title;
};

// The message boxes the drawing window shows, in order, after the window tool's Enter or set-up.
std::vector<TToolMessage> WindowToolMessages(TPlaceOutcome outcome);
