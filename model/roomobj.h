#pragma once
// A design room: the rectangle from (x1, y1), its top-left corner, to (x2, y2), its bottom-right
// corner, filled with fillColour and labelled with its name and size texts. z1, z2 and colour
// carry no meaning and the file does not keep them.
#include "model/object.h"
#include "model/typecodes.h"

#include <string>
#include <vector>

class TList;

class TRoomobj : public TObject {
public:
    static constexpr int NAME_CAPACITY = 21;
    static constexpr int SIZE_TEXT_CAPACITY = 17;

    explicit TRoomobj(int32_t typeCode = 29000) : TObject(typeCode) {}
    ARKWELD_OBJECT_CLASS(TRoomobj)

    int32_t roomWidth = 0;   // x extent
    int32_t roomLength = 0;  // y extent
    int32_t nameLength = 0;
    int32_t sizeText1Length = 0;
    int32_t sizeText2Length = 0;
    int32_t sizeDisplay = 0;  // 0 no sizes, 1 below the name, 2 both, 3 width only, 4 length only
    int32_t textPointSize = 0;
    int32_t fillColour = 0;
    std::string roomName;   // at most NAME_CAPACITY characters
    std::string sizeText1;  // the width text, at most SIZE_TEXT_CAPACITY characters
    std::string sizeText2;  // the length text

    // Store a text cut to its capacity, with its length.
    void SetRoomName(const std::string& value);
    void SetSizeText1(const std::string& value);
    void SetSizeText2(const std::string& value);

    // True when the model point lies strictly inside the rectangle: a point on an edge is not.
    bool HoldsStrictly(int32_t x, int32_t y) const { return x1 < x && x < x2 && y2 < y && y < y1; }

    void DumpFields(std::string& out) const override;
    // Turns the corners, then keeps (x1, y1) the top-left and (x2, y2) the bottom-right corner; a
    // quarter turn exchanges width and length with their texts.
    void TurnOrMirror(int rotation, TPoint centre) override;
    void WriteRecord(TRecordWriter& out) const override;
    bool ReadRecord(TRecordReader& in) override;
    void Render(Canvas& dc, int scale, TFillStyle fill) const override;
    void PaintExtent(TPaintExtent& extent, int scale) const override;

private:
    // One of the texts a room shows, at a logical point.
    struct TRoomText {
        TPoint at;
        unsigned align = 0;
        TFont font;
        std::string text;
    };
    // The room's box at window coordinates, and its texts in the order they are put out.
    TRect WindowBox(int scale) const;
    std::vector<TRoomText> Texts(int scale) const;
};

// True for a design room on the given floor.
inline bool IsDesignRoomOn(const TObject& object, int floorCode)
{
    return object.typeCode == TYPE_DESIGN_ROOM && object.floor == floorCode;
}

// True when the list holds a design room on the given floor.
bool HasDesignRoomsOn(const TList& objects, int floorCode);
