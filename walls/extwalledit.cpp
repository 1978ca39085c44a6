// The edits of an existing external wall: lengthen, shorten, delete, split and change of type.
// Each keeps the corners with the walls joined to the edited wall consistent and goes into one
// drawing edit, so the drawing file is written once.
#include "walls/extwallobjtool.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/extwallobj.h"
#include "model/list.h"
#include "model/modelunits.h"
#include "model/typecodes.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

// End codes of the offset and corner operations.
constexpr int BOTH_ENDS = 0;
constexpr int START = 1;
constexpr int END = 2;

// Wall lines besides the reference line: three for a cavity wall, else one.
std::size_t LinesOf(const TExtwallobj& wall)
{
    return wall.IsCavityWall() ? 3 : 1;
}

// What a wall covers on the plan: its reference line and the wall lines it draws.
TModelBox DrawnBox(const TExtwallobj& wall)
{
    TModelBox box;
    box.Add(wall.x1, wall.y1);
    box.Add(wall.x2, wall.y2);
    for (std::size_t i = 0; i < 4 * LinesOf(wall); i += 2)
        box.Add(wall.wallLines[i], wall.wallLines[i + 1]);
    return box;
}

bool FitsInt32(std::int64_t value)
{
    return value >= std::numeric_limits<std::int32_t>::min() && value <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace

// One edit of the walls: the drawing edit, and what the walls it touches cover before and after.
class TExtwallobjtool::TWallChange {
public:
    explicit TWallChange(TDrawingEdit& edit) : edit(edit) {}

    TDrawingEdit& Edit() { return edit; }

    // The external wall at index, to be changed in place.
    TExtwallobj& Modify(int index)
    {
        auto& wall = static_cast<TExtwallobj&>(edit.Modify(index));
        area.Add(DrawnBox(wall));
        if (std::find(walls.begin(), walls.end(), &wall) == walls.end())
            walls.push_back(&wall);
        return wall;
    }
    void Remove(int index)
    {
        const auto& wall = static_cast<const TExtwallobj&>(*edit.Objects()[index]);
        area.Add(DrawnBox(wall));
        std::erase(walls, &wall);
        edit.Remove(index);
    }
    // A wall the edit appended.
    void Added(int index) { walls.push_back(&static_cast<const TExtwallobj&>(*edit.Objects()[index])); }

    TModelBox Area() const
    {
        TModelBox box = area;
        for (const TExtwallobj* wall : walls)
            box.Add(DrawnBox(*wall));
        return box;
    }

private:
    TDrawingEdit& edit;
    TModelBox area;
    std::vector<const TExtwallobj*> walls;
};

void TExtwallobjtool::EditWall(int amount, int x, int y)
{
    changedArea = {};
    if (!IsWallEditStep(step) || !ExternalWallAt(objectIndex))
        return;
    TDrawingEdit edit(State().objects);
    EditWall(edit, amount, x, y);
    edit.Commit();
}

void TExtwallobjtool::EditWall(TDrawingEdit& edit, int amount, int x, int y)
{
    changedArea = {};
    const TExtwallobj* wall = ExternalWallAt(objectIndex);
    if (!IsWallEditStep(step) || !wall)
        return;

    TWallChange change(edit);
    derived.Begin();
    FindJoinedWalls(objectIndex);

    // The area the wall covers now: from its start to the end of its outermost wall line.
    const std::size_t outer = wall->IsCavityWall() ? 10 : 2;
    editLeft = std::min(wall->x1, wall->wallLines[outer]);
    editRight = std::max(wall->x1, wall->wallLines[outer]);
    editTop = std::max(wall->y1, wall->wallLines[outer + 1]);
    editBottom = std::min(wall->y1, wall->wallLines[outer + 1]);

    switch (step) {
    case STEP_WALL_LENGTHEN: {
        const int moved = ChangeLength(change, amount, x, y);
        // The walls at the new ends: the one the moved end now meets gets a corner with it.
        FindJoinedWalls(objectIndex);
        JoinLengthenedEnd(change, moved);
        break;
    }
    case STEP_WALL_SHORTEN: {
        // The wall joined at the moved end is left with a square end across the gap.
        const int moved = ChangeLength(change, amount, x, y);
        if (moved == START && hasPrevWall)
            FreeJoinedEnd(change, prevWall, END);
        else if (moved == END && hasNextWall)
            FreeJoinedEnd(change, nextWall, START);
        break;
    }
    case STEP_WALL_DELETE:
        DeleteWall(change);
        break;
    case STEP_WALL_SPLIT:
        SplitWall(change, x, y);
        break;
    default:
        ChangeWallType(change, amount, x, y);
        break;
    }

    if (!derived.Storable()) {
        // The change is given up whole: the list holds what the file holds again.
        edit.Drop();
        active = EDIT_REFUSED_DISTANCE;
        return;
    }
    changedArea = change.Area();
    // The edited wall's reference line as it is now, for the caller's repaint.
    if (step != STEP_WALL_DELETE && step != STEP_WALL_SPLIT) {
        if (const TExtwallobj* edited = ExternalWallAt(objectIndex)) {
            x1 = edited->x1;
            y1 = edited->y1;
            x2 = edited->x2;
            y2 = edited->y2;
        }
    }
}

int TExtwallobjtool::ChangeLength(TWallChange& change, int amount, int px, int py)
{
    const TExtwallobj& wall = *ExternalWallAt(objectIndex);
    const bool vertical = wall.x1 == wall.x2;
    const bool horizontal = !vertical && wall.y1 == wall.y2;
    if (!vertical && !horizontal) {
        active = EDIT_REFUSED_SLOPED;
        return 0;
    }
    if (amount < MIN_EDIT_DISTANCE || amount > MAX_EDIT_DISTANCE) {
        active = EDIT_REFUSED_DISTANCE;
        return 0;
    }

    // Coordinates along the wall. The end on the picked point's side of the middle moves; from
    // the middle itself the upper end of an up-and-down wall and the left end of a wall across.
    const std::int64_t a1 = vertical ? wall.y1 : wall.x1;
    const std::int64_t a2 = vertical ? wall.y2 : wall.x2;
    const std::int64_t p = vertical ? py : px;
    const bool higherEnd = vertical ? 2 * p >= a1 + a2 : 2 * p > a1 + a2;
    const int moved = higherEnd == (a1 > a2) ? START : END;

    const std::int64_t length = a1 > a2 ? a1 - a2 : a2 - a1;
    if (step == STEP_WALL_SHORTEN && amount >= length) {
        active = EDIT_REFUSED_TOO_SHORT;
        return 0;
    }
    // The end moves outward by the distance, or inward for a shortening.
    const std::int64_t d = step == STEP_WALL_LENGTHEN ? amount : -amount;
    const std::int64_t from = moved == START ? a1 : a2;
    const std::int64_t to = higherEnd ? from + d : from - d;
    if (!FitsInt32(to)) {
        active = EDIT_REFUSED_DISTANCE;
        return 0;
    }

    TExtwallobj& edited = change.Modify(objectIndex);
    const auto value = std::int32_t(to);
    std::int32_t& end = moved == START ? (vertical ? edited.y1 : edited.x1) : (vertical ? edited.y2 : edited.x2);
    end = value;
    // The same end of every wall line takes the new coordinate: the moved end is square.
    const std::size_t word = (moved == START ? 0 : 2) + (vertical ? 1 : 0);
    for (std::size_t k = 0; k < 3; ++k)
        edited.wallLines[4 * k + word] = value;
    const std::int64_t span = vertical ? std::int64_t(edited.y2) - edited.y1 : std::int64_t(edited.x2) - edited.x1;
    edited.groupId = ClampToInt32(span < 0 ? -span : span);
    return moved;
}

void TExtwallobjtool::JoinLengthenedEnd(TWallChange& change, int movedEnd)
{
    // The wall whose end (or start) the moved start (or end) now lands on exactly.
    int joined = 0;
    if (movedEnd == START && hasPrevWall)
        joined = prevWall;
    else if (movedEnd == END && hasNextWall)
        joined = nextWall;
    else
        return;
    const TExtwallobj& wall = *ExternalWallAt(objectIndex);
    if (!ExternalWallAt(joined))
        return;

    // When that end already makes a corner with a third wall, both ends stay square.
    const TPoint corner = movedEnd == START ? TPoint{wall.x1, wall.y1} : TPoint{wall.x2, wall.y2};
    const TList& objects = State().objects;
    for (int i = 0; i < objects.count(); ++i) {
        const TObject& other = *objects[i];
        if (i == objectIndex || i == joined || !IsExternalWallOn(other, State().currentFloor))
            continue;
        const bool thirdWall = movedEnd == START ? other.x1 == corner.x && other.y1 == corner.y
                                                 : other.x2 == corner.x && other.y2 == corner.y;
        if (thirdWall)
            return;
    }

    // Its end square first (the corner join moves its lines from there), then the corner.
    FreeJoinedEnd(change, joined, movedEnd == START ? END : START);
    TExtwallobj& edited = change.Modify(objectIndex);
    TakeWallLines(edited);
    change.Modify(joined);
    CornerAt(joined, movedEnd);
    PutWallLines(edited);
}

void TExtwallobjtool::FreeJoinedEnd(TWallChange& change, int wallIndex, int end)
{
    if (!ExternalWallAt(wallIndex))
        return;
    TExtwallobj& wall = change.Modify(wallIndex);
    TakeWallLines(wall);
    OffsetEnds(end, !IsOrthogonal(lineAux1));
    PutWallLines(wall);
}

void TExtwallobjtool::DeleteWall(TWallChange& change)
{
    if (hasPrevWall)
        FreeJoinedEnd(change, prevWall, END);
    if (hasNextWall)
        FreeJoinedEnd(change, nextWall, START);
    // Openings, labels and dimensions of the wall stay.
    change.Remove(objectIndex);
}

void TExtwallobjtool::SplitWall(TWallChange& change, int px, int py)
{
    const TExtwallobj& wall = *ExternalWallAt(objectIndex);
    const bool horizontal = wall.y1 == wall.y2;
    const bool vertical = !horizontal && wall.x1 == wall.x2;
    if (!horizontal && !vertical) {
        active = EDIT_REFUSED_SLOPED;
        return;
    }
    // Everything is checked before the wall is cut: the point must lie strictly between the ends,
    // and the new wall must be one the commit takes (no start on a zero coordinate).
    const std::int32_t a1 = horizontal ? wall.x1 : wall.y1;
    const std::int32_t a2 = horizontal ? wall.x2 : wall.y2;
    const std::int32_t p = horizontal ? px : py;
    if (p <= std::min(a1, a2) || p >= std::max(a1, a2)) {
        active = EDIT_REFUSED_SPLIT_POINT;
        return;
    }
    // The wall object keeps the part with the smaller coordinate; the new wall takes the other,
    // from the split point on when the wall runs towards larger coordinates, else from the start.
    const bool forward = a1 < a2;
    const TPoint newStart = !forward ? TPoint{wall.x1, wall.y1} : horizontal ? TPoint{p, wall.y1} : TPoint{wall.x1, p};
    if (newStart.x == 0 || newStart.y == 0) {
        active = EDIT_REFUSED_SPLIT_ZERO;
        return;
    }

    // The whole wall into the tool.
    TakeWallLines(wall);
    z1 = wall.z1;
    z2 = wall.z2;
    kind = wall.typeCode;
    savedStep = wall.floor;
    wallAux1 = wall.wallAux1;
    wallAux2 = wall.wallAux2;
    wallColour1 = wall.wallColour1;
    wallColour2 = wall.wallColour2;
    colour = wall.colour;
    groupId = wall.groupId;
    const std::size_t lines = LinesOf(wall);

    TExtwallobj& kept = change.Modify(objectIndex);
    const std::size_t along = horizontal ? 0 : 1;
    std::int32_t& keptCut = forward ? (horizontal ? kept.x2 : kept.y2) : (horizontal ? kept.x1 : kept.y1);
    std::int32_t& newCut = forward ? (horizontal ? x1 : y1) : (horizontal ? x2 : y2);
    const std::int64_t newLength = std::int64_t(forward ? a2 : a1) - p;
    keptCut = p;
    newCut = p;
    // Both parts end square at the cut; their far ends keep their corners.
    auto& newLineWords = horizontal ? lineX : lineY;
    for (std::size_t k = 0; k < lines; ++k) {
        kept.wallLines[4 * k + (forward ? 2 : 0) + along] = p;
        newLineWords[2 * k + (forward ? 0 : 1)] = p;
    }
    groupId = ClampToInt32(newLength);
    kept.groupId = ClampToInt32(std::int64_t(kept.groupId) - newLength);

    joinInfo = {0, 0, 0, 0};
    ownerId = ++State().groupIdCounter;
    if (AddWall(change.Edit(), savedStep))
        change.Added(change.Edit().Objects().count() - 1);
}

void TExtwallobjtool::ChangeWallType(TWallChange& change, int newSpacing1, int newSpacing2, int newSpacing3)
{
    // The neighbours' corners square first: each corner is then made again for the new spacings.
    if (hasPrevWall)
        FreeJoinedEnd(change, prevWall, END);
    if (hasNextWall)
        FreeJoinedEnd(change, nextWall, START);

    TExtwallobj& wall = change.Modify(objectIndex);
    wall.spacing1 = newSpacing1;
    wall.spacing2 = newSpacing2;
    wall.spacing3 = newSpacing3;
    TakeWallLines(wall);
    // Free ends where no wall joins; corners with the joined walls for both walls of each corner,
    // orthogonal or sloped, so no line keeps the old spacings.
    OffsetEnds(BOTH_ENDS, !IsOrthogonal(lineAux1));
    if (hasPrevWall && ExternalWallAt(prevWall)) {
        change.Modify(prevWall);
        CornerAt(prevWall, START);
    }
    if (hasNextWall && ExternalWallAt(nextWall)) {
        change.Modify(nextWall);
        CornerAt(nextWall, END);
    }
    PutWallLines(wall);
}

void TExtwallobjtool::TakeWallLines(const TExtwallobj& wall)
{
    x1 = wall.x1;
    y1 = wall.y1;
    x2 = wall.x2;
    y2 = wall.y2;
    for (std::size_t i = 0; i < lineX.size(); ++i) {
        lineX[i] = wall.wallLines[2 * i];
        lineY[i] = wall.wallLines[2 * i + 1];
    }
    lineAux1 = wall.angle;
    spacing1 = wall.spacing1;
    spacing2 = wall.spacing2;
    spacing3 = wall.spacing3;
}

void TExtwallobjtool::PutWallLines(TExtwallobj& wall) const
{
    wall.x1 = x1;
    wall.y1 = y1;
    wall.x2 = x2;
    wall.y2 = y2;
    for (std::size_t i = 0; i < lineX.size(); ++i) {
        wall.wallLines[2 * i] = lineX[i];
        wall.wallLines[2 * i + 1] = lineY[i];
    }
}
