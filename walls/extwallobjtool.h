#pragma once
// The external-wall tool: the drawing window's input mode for the external walls of a floor. The
// user draws the outer line wall by wall (Enter marks a point, an arrow key and a typed length give
// a wall); every committed segment becomes one external wall with its wall lines and corner joins.
// The same class serves the plan resize (kind 1100) and the edits of an existing wall (steps 2..6).
//
// While it builds, edits or commits a wall the tool holds one wall in its fields: the reference line
// in x1, y1, x2, y2 (the outer face as drawn), the levels in z1, z2, the angle in lineAux1 (tenths of
// a degree clockwise from +y), the length in groupId, the floor in savedStep and the wall line end
// points in lineX / lineY.
#include "model/modelbox.h"
#include "tools/lineobjtool.h"

#include <array>
#include <optional>
#include <cstdint>
#include <string>

class TDrawingEdit;
class TExtwallobj;
struct TModelShift;

class TExtwallobjtool : public TLineobjtool {
public:
    TExtwallobjtool() = default;

    // Builds the wall from the tool's segment (snapping on), then stores it on the current floor and
    // rewrites the drawing file. The wall is not drawn: the window repaints it from the file.
    void CreateObject(Canvas& dc, const TRect& clientRect) override;
    // Service operations by code: 2 snap the start to a wall end and measure to the next wall end in
    // measureDirection (result in libraryFlag), 3 copy the external walls of the floor below,
    // 5 centre the plan (ground floor only, every floor moving with it) and compute the floor
    // area; 3 and 5 write the drawing once. Other codes do nothing.
    void SubCommand(int code) override;
    // By step: 8 and 9 enlarge or shrink the plan, then centre it, written once; 2..6 edit the wall
    // at objectIndex. The three arguments are passed on unchanged.
    void Setup(int amount, int x, int y) override;

    // Turns the segment held in the tool into a complete wall: colours, a new ownerId, snapping of
    // the ends onto the ends of the floor's external walls (snap > 0), orientation of a free wall by
    // the direction code in objectIndex (1 +x, 2 -y, 3 -x, 4 +y), settings, levels and wall lines.
    void BuildWall(int snap);
    // All wall line end points of the tool's wall, with corners against the wall whose end lies at
    // its start (startJoin) and the wall whose start lies at its end (endJoin); empty for none.
    void ComputeLines(std::optional<int> startJoin, std::optional<int> endJoin);
    // Wall line end points square to an orthogonal (OffsetOrtho) or sloped (OffsetSloped) wall at
    // the start (1), the end (2) or both ends (0).
    void OffsetOrtho(int end);
    void OffsetSloped(int end);
    // Corner of two orthogonal walls: end 1 = the tool's start lies at the wall's end, 2 = the tool's
    // end lies at the wall's start. Changes the tool's lines at that corner and the wall's.
    void JoinCorner(int wallIndex, int end);
    // Bisector corner where a sloped wall takes part: code 1 the tool's start corner, 10 the wall's
    // end corner (the same corner), 2 the tool's end corner, 20 the wall's start corner.
    void JoinSlopedCorner(int wallIndex, int code);
    // Sets prevWall (the wall whose end lies at the start of objects[index]) and nextWall (the wall
    // whose start lies at its end), and whether there is one (hasPrevWall, hasNextWall).
    void FindJoinedWalls(int index);
    // SubCommand 3 into an edit the caller commits: every external wall of the floor below is
    // built again on the current floor (its settings and storey heights), each joined to the copies
    // made before it. False when a copy would have a point the drawing file cannot store: the user
    // is told and the edit dropped (the list holds what the file holds).
    bool CopyFloorBelow(TDrawingEdit& edit);

    // The edits of the external wall at objectIndex, by step: 2 lengthen or 3 shorten by `amount`
    // at the end nearer the picked point (x, y); 4 delete; 5 split at (x, y); 6 change the type to
    // the spacings (amount, x, y). The walls joined to it keep their corners consistent, and the
    // drawing file is rewritten once. Afterwards editLeft .. editBottom hold the area the wall
    // covered before, changedArea everything the edit changed, x1 .. y2 the wall's reference line
    // after steps 2, 3 and 6, and `active` an EDIT_REFUSED_ code when nothing could be done (a
    // wall line that would lie where the drawing file cannot store it drops the caller's edit
    // whole: EDIT_REFUSED_DISTANCE).
    void EditWall(int amount, int x, int y);
    // The same edit made through an edit that the caller commits (with what else belongs to it).
    void EditWall(TDrawingEdit& edit, int amount, int x, int y);

    // Setup in steps 8 and 9 into an edit the caller commits: the tool becomes the plain
    // external-wall tool again, the plan is resized (ResizeFloorPlan) and then centred. False, with
    // the reason in resizeRefusal, when the resize was refused and nothing changed; so is a resize
    // after which the plan could not be centred (CENTRING_REFUSED).
    bool ResizeAndCentre(TDrawingEdit& edit, int amount, int x, int y, TModelShift* centring = nullptr);
    // Enlarges (step 8) or shrinks (step 9) the plan of the current floor by `distance` across a
    // cut line through (x, y), model units, on the side in objectIndex (1 up, 2 right, 3 down,
    // 4 left): every point of the floor beyond the cut moves away from it or towards it, and the
    // external walls with one end moved change their stored length. A shrink measures the plan
    // (CFG/EXTENTS.CFG) and pulls the cut back from a wall nearer than the distance. The changes
    // go into `edit`, uncommitted. Returns why the resize was refused, for the user (nothing was
    // changed), or an empty text when it was carried out.
    std::string ResizeFloorPlan(TDrawingEdit& edit, int distance, int x, int y);
    // SubCommand 1: the free space between the floor's design rooms and the external walls on the
    // side in objectIndex, measured from the logical point (libraryFlag, lineAux2); 0 when none.
    std::int32_t ClearanceToDesignRooms();

    // A wall along an axis: angle 0, 900, 1800 or 2700; every other angle is a sloped wall.
    static bool IsOrthogonal(int angle);

    // The wall's angle is kept in lineAux1.
    std::int32_t& angle() { return lineAux1; }
    // Names the wall-commit code also uses for the same fields.
    std::int32_t& wallParam1() { return wallAux1; }
    std::int32_t& wallParam2() { return wallAux2; }
    std::array<std::int32_t, 4>& joinData() { return joinInfo; }

    // The fields of the external-wall tool, in their fixed order after the base fields.
    std::int32_t spacing1 = 0;   // reference line to wall line 1
    std::int32_t spacing2 = 0;   // wall line 1 to 2; 0 = two-line wall, above 0 = cavity wall
    std::int32_t spacing3 = 0;   // wall line 2 to 3
    std::int32_t wallAux1 = 0;   // carried from the settings file into every wall
    std::int32_t wallAux2 = 0;
    std::int32_t nextWall = 0;   // wall whose start lies at this wall's end, NO_INDEX when none
    std::int32_t prevWall = 0;   // wall whose end lies at this wall's start, NO_INDEX when none
    // Wall line end points: 0 line 1 start, 1 line 1 end, 2 line 2 start, 3 line 2 end, 4 line 3
    // start, 5 line 3 end.
    std::array<std::int32_t, 6> lineX{};
    std::array<std::int32_t, 6> lineY{};
    std::int32_t wallColour1 = 0;  // COLORREF, from WLCLR.CFG
    std::int32_t wallColour2 = 0;
    std::array<std::int32_t, 4> joinInfo{};  // 0 for every wall built

    // Whether FindJoinedWalls found a previous and a next wall. prevWall and nextWall hold NO_INDEX
    // without one, but a drawing can hold more objects than that, so the index alone cannot say.
    bool hasPrevWall = false;
    bool hasNextWall = false;
    // The model area of every wall the last EditWall changed, before and after, as drawn.
    TModelBox changedArea;

    // The last resize of the plan (Setup in steps 8 and 9): why it was refused (nothing changed),
    // empty when it was carried out; and whether the drawing file then took it.
    std::string resizeRefusal;
    bool resizeWritten = false;

private:
    class TWallChange;

    // ResizeFloorPlan; with thenCentre also refused (CENTRING_REFUSED) when the plan it leaves
    // could not be centred afterwards.
    std::string ResizePlan(TDrawingEdit& edit, int distance, int x, int y, bool thenCentre);

    // Appends the wall held in the tool on the given floor and rewrites the drawing file, or adds it
    // to an edit; false when the guard refuses it, or a point BuildWall derived lies where the
    // drawing file cannot store it.
    bool StoreWall(int floorCode);
    bool AddWall(TDrawingEdit& edit, int floorCode);
    // The tool's segment can be stored as a wall: its start is set and it has a length.
    bool Storable() const;
    // Snapping, join normalisation and orientation of BuildWall.
    void SnapEnds(std::optional<int>& startJoin, std::optional<int>& endJoin);
    void NormaliseJoins(std::optional<int>& startJoin, std::optional<int>& endJoin);
    void OrientFreeWall();
    // Exchanges the two ends of the tool's wall and turns its angle by 1800.
    void ReverseWall();
    // Reads the wall type, storey heights and colour of the unit system; false when no settings
    // file belongs to the unit system (the previous values stay).
    bool ReadWallSettings(std::int32_t heights[4]);
    void ReadWallColours();

    // A corner of ComputeLines against the wall at wallIndex: end 1 the tool's start, 2 its end.
    void CornerAt(int wallIndex, int end);
    // The work of OffsetOrtho and OffsetSloped: wall line end points square to the tool's wall along
    // its right-hand normal, or by the sloped offset.
    void OffsetEnds(int end, bool sloped);
    // Applies the axis rule of the sloped corner: the lines of an axis-parallel wall stay parallel.
    void SquareToolLines();

    // The external wall at index on the object list, or null.
    static TExtwallobj* ExternalWallAt(int index);

    // The steps of EditWall. ChangeLength returns the end it moved: 1 the start, 2 the end, 0 none.
    int ChangeLength(TWallChange& change, int amount, int px, int py);
    void JoinLengthenedEnd(TWallChange& change, int movedEnd);
    void FreeJoinedEnd(TWallChange& change, int wallIndex, int end);
    void DeleteWall(TWallChange& change);
    void SplitWall(TWallChange& change, int px, int py);
    void ChangeWallType(TWallChange& change, int newSpacing1, int newSpacing2, int newSpacing3);
    // Copies a wall's reference line, wall lines, angle and spacings into the tool, and writes the
    // reference line and wall lines back.
    void TakeWallLines(const TExtwallobj& wall);
    void PutWallLines(TExtwallobj& wall) const;
};
