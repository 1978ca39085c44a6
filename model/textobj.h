#pragma once
// A text anchored at (x1, y1). A dimension or label text keeps the direction of what it measures
// in x2; the file keeps x2, y2 and z1 as they are.
#include "model/object.h"

class TTextobj : public TObject {
public:
    static constexpr int TEXT_CAPACITY = 80;
    static constexpr int FACE_CAPACITY = 32;

    explicit TTextobj(int32_t typeCode = 4) : TObject(typeCode) {}
    ARKWELD_OBJECT_CLASS(TTextobj)

    std::string text;      // at most TEXT_CAPACITY characters
    std::string faceName;  // at most FACE_CAPACITY characters
    int32_t textLength = 0;
    int32_t faceLength = 0;
    int32_t escapement = 0;  // tenths of a degree
    int32_t alignment = 0;   // 1..6
    int32_t fontWeight = 0;  // 500 or more draws bold
    int32_t fontHeight = 0;  // points

    // Store a text or face name cut to its capacity, with its length.
    void SetText(const std::string& value);
    void SetFaceName(const std::string& value);

    // The text alignment flags `alignment` and `escapement` ask for; `current` when they leave it.
    unsigned AlignFlags(unsigned current) const;
    // The font the text is drawn with at the given scale.
    TFont MakeFont(int scale) const;

    // The text's extent at a view scale, estimated without a device to measure it on (an average
    // character width of the cell height): the four corners of the turned box, model units. False
    // when the text shows nothing.
    bool EstimatedCorners(int scale, std::array<TPoint, 4>& corners) const;

    void DumpFields(std::string& out) const override;
    void ForEachPoint(const std::function<void(int32_t& x, int32_t& y)>& visit) override;
    // The anchor and the estimated extent at the view's scale.
    TModelBox Bounds() const override;
    // Found by HIT_TEXTS where its estimated extent holds the point.
    bool HitTest(int mode, double px, double py, int scale) const override;
    // Turns the anchor and the escapement, kept readable; a dimension or label text also turns the
    // direction it keeps in x2.
    void TurnOrMirror(int rotation, TPoint centre) override;
    void WriteRecord(TRecordWriter& out) const override;
    bool ReadRecord(TRecordReader& in) override;
    void Render(Canvas& dc, int scale, TFillStyle fill) const override;
    void PaintExtent(TPaintExtent& extent, int scale) const override;

private:
    // The characters drawn: the first textLength of the text.
    std::size_t ShownLength() const;
};
