#include "tools/textobjtool.h"

#include "model/drawingstate.h"
#include "model/textobj.h"
#include "platform/canvas.h"

void TTextobjtool::CreateObject(Canvas& dc, const TRect& clientRect)
{
    lineDrawn = 0;
    std::unique_ptr<TObject> object = LineObject(dc);
    if (!object)
        return;
    if (text.size() > MAX_TEXT)
        text.resize(MAX_TEXT);
    textLength = std::int32_t(text.size());
    y1 = object->y1;
    DrawAndStore(dc, clientRect, std::move(object));
}

std::unique_ptr<TObject> TTextobjtool::LineObject(Canvas& dc) const
{
    const TDrawingState& state = State();
    if (text.empty())
        return nullptr;
    const std::string shown = text.substr(0, MAX_TEXT);
    auto object = std::make_unique<TTextobj>();
    FillCommonFields(*object);
    // A vertical text centred on its point is moved down by half its width (in logical units,
    // applied to the model coordinate as it is).
    if (alignment() == 1 && escapement() == 2700)
        object->y1 = y1 - dc.GetTextExtent(shown).x / 2;
    object->penWidth = 1;
    object->penStyle = 0;
    object->SetText(shown);
    object->SetFaceName(state.currentFontFace);
    object->escapement = escapement();
    object->alignment = alignment();
    object->fontWeight = state.textWeight;
    object->fontHeight = state.textPointSize;
    return object;
}
