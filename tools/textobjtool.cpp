#include "tools/textobjtool.h"

#include "model/drawingstate.h"
#include "model/textobj.h"
#include "platform/canvas.h"

void TTextobjtool::CreateObject(Canvas& dc, const TRect& clientRect)
{
    TDrawingState& state = State();
    lineDrawn = 0;
    if (text.empty())
        return;
    if (text.size() > MAX_TEXT)
        text.resize(MAX_TEXT);

    textLength = std::int32_t(text.size());
    const int width = dc.GetTextExtent(text).x;
    // A vertical text centred on its point is moved down by half its width (in logical units,
    // applied to the model coordinate as it is).
    if (alignment() == 1 && escapement() == 2700)
        y1 -= width / 2;

    auto object = std::make_unique<TTextobj>();
    FillCommonFields(*object);
    object->penWidth = 1;
    object->penStyle = 0;
    object->SetText(text);
    object->SetFaceName(state.currentFontFace);
    object->escapement = escapement();
    object->alignment = alignment();
    object->fontWeight = state.textWeight;
    object->fontHeight = state.textPointSize;
    DrawAndStore(dc, clientRect, std::move(object));
}
