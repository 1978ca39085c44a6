#pragma once
// An external wall: the reference line (x1, y1)-(x2, y2) is its outer face; wall line 1 lies
// spacing1 to the right of the direction of travel, line 2 a further spacing2 and line 3 a further
// spacing3. spacing2 above 0 makes a cavity wall of four lines, whose inner face is line 3;
// otherwise line 1 is the inner face. groupId holds the wall's length, ownerId its action id.
#include "model/object.h"
#include "model/typecodes.h"

class TList;

class TExtwallobj : public TObject {
public:
    explicit TExtwallobj(int32_t typeCode = 1000) : TObject(typeCode) {}
    ARKWELD_OBJECT_CLASS(TExtwallobj)

    int32_t spacing1 = 0;
    int32_t spacing2 = 0;
    int32_t spacing3 = 0;
    int32_t wallAux1 = 0;
    int32_t wallAux2 = 0;
    int32_t angle = 0;  // tenths of a degree clockwise from +y
    int32_t wallFlag = 0;
    // Wall line 1 start x, start y, end x, end y, then lines 2 and 3 alike.
    std::array<int32_t, 12> wallLines{};
    int32_t wallColour1 = 0;
    int32_t wallColour2 = 0;
    std::array<int32_t, 4> joinInfo{};

    // Other names of the same fields.
    int32_t& wallParam1() { return wallAux1; }
    int32_t& wallParam2() { return wallAux2; }
    std::array<int32_t, 4>& joinData() { return joinInfo; }
    const int32_t& wallParam1() const { return wallAux1; }
    const int32_t& wallParam2() const { return wallAux2; }
    const std::array<int32_t, 4>& joinData() const { return joinInfo; }

    bool IsCavityWall() const { return spacing2 > 0; }
    int64_t Thickness() const { return int64_t(spacing1) + spacing2 + spacing3; }
    // Index into wallLines of the inner face line's start x (0 for line 1, 8 for line 3).
    int InnerLine() const { return IsCavityWall() ? 8 : 0; }
    // How many of the three wall lines are in use (a cavity wall has all three).
    int UsedWallLines() const { return IsCavityWall() ? 3 : 1; }

    TFillStyle PlanFill() const override;
    void DumpFields(std::string& out) const override;
    void ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit) override;
    // The reference line and the wall lines in use (the words of unused lines are no points).
    TModelBox Bounds() const override;
    // Found by HIT_WALLS within its thickness of its reference line.
    bool HitTest(int mode, double px, double py, int scale) const override;
    // Turns the lines and the angle; mirrored, the wall runs the other way round.
    void TurnOrMirror(int rotation, TPoint centre) override;
    void WriteRecord(TRecordWriter& out) const override;
    bool ReadRecord(TRecordReader& in) override;
    void Render(Canvas& dc, int scale, TFillStyle fill) const override;
    void PaintExtent(TPaintExtent& extent, int scale) const override;
};

// True for an external wall on the given floor.
inline bool IsExternalWallOn(const TObject& object, int floorCode)
{
    return object.typeCode == TYPE_EXTWALL && object.floor == floorCode;
}

// True when the list holds at least one external wall on the given floor.
bool HasExternalWallsOn(const TList& objects, int floorCode);
