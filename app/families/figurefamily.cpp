#include "app/families/figurefamily.h"

#include "app/toolfamily.h"
#include "tools/arcobjtool.h"
#include "tools/circleobjtool.h"
#include "tools/ellipseobjtool.h"
#include "tools/rectangleobjtool.h"
#include "tools/rndrectobjtool.h"

namespace {

class TFigureFamily : public TToolFamily {};

const TFigureFamily figureFamily{};

const TKindRow kinds[] = {
    {KIND_ARC, MakeTool<TArcobjtool>, &figureFamily},
    {KIND_ELLIPSE, MakeTool<TEllipseobjtool>, &figureFamily},
    {KIND_CIRCLE, MakeTool<TCircleobjtool>, &figureFamily},
    {KIND_RECTANGLE, MakeTool<TRectangleobjtool>, &figureFamily},
    {KIND_RNDRECT, MakeTool<TRndrectobjtool>, &figureFamily},
};

}  // namespace

const TToolFamily& FigureFamily()
{
    return figureFamily;
}

TFamilyRows FigureFamilyRows()
{
    return {{}, kinds};
}
