#pragma once
// A closed polygon of up to 16 vertices. Type 100 (an opening cut in a wall face) is filled with
// its fill colour.
#include "model/object.h"

class TPolyobj : public TObject {
public:
    static constexpr int MAX_VERTICES = 16;

    explicit TPolyobj(int32_t typeCode = 100) : TObject(typeCode) {}
    ARKWELD_OBJECT_CLASS(TPolyobj)

    std::array<int32_t, MAX_VERTICES> vertexX{};
    std::array<int32_t, MAX_VERTICES> vertexY{};
    std::array<int32_t, MAX_VERTICES> vertexZ{};
    std::array<int32_t, 4> polyAux{};
    int32_t vertexCount = 0;  // 0..16
    int32_t polyParam1 = 0;
    int32_t polyParam2 = 0;
    int32_t polyParam3 = 0;
    int32_t polyParam4 = 0;
    int32_t polyParam5 = 0;
    int32_t fillColour = 0;

    // vertexCount limited to 0..16, for walking the vertex arrays.
    int UsedVertices() const;
    const TPolyobj* AsPolygon() const override { return this; }

    void DumpFields(std::string& out) const override;
    void ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit) override;
    void WriteRecord(TRecordWriter& out) const override;
    bool ReadRecord(TRecordReader& in) override;
    void Render(Canvas& dc, int scale, TFillStyle fill) const override;
    void PaintExtent(TPaintExtent& extent, int scale) const override;

protected:
    // The numbers of the record's first line, and the vertex and polyAux lines after it.
    void WritePolygonRecord(TRecordWriter& out) const;
    bool ReadPolygonRecord(TRecordReader& in);
    void WriteVertices(TRecordWriter& out) const;
    bool ReadVertices(TRecordReader& in);
};

// Clears one 16-entry vertex array of a polygon and copies the first n values of source into it
// (n held to 0..16). The polygon itself is not read: the target names the array.
void CopyVertexArray(TPolyobj& polygon, const int32_t* source, int n, std::array<int32_t, 16>& target);
// Copies four values (a polygon's polyAux).
void CopyFourInts(TPolyobj& polygon, const int32_t* source, std::array<int32_t, 4>& target);
