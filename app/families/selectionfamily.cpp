#include "app/families/selectionfamily.h"

#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "tools/copyobjtool.h"
#include "tools/drawingtool.h"
#include "tools/eraseobjtool.h"
#include "tools/moveobjtool.h"

namespace {

class TSelectionFamily : public TToolFamily {
public:
    void LButtonDown(TToolSite& site, TPoint point) const override
    {
        const int kind = site.Tool().kind;
        if (kind == KIND_MOVE || kind == KIND_ERASE)
            site.SetDatum(DATUM_SET, site.ModelPointOf(point));
        TToolFamily::LButtonDown(site, point);
    }

    void LButtonUp(TToolSite& site, TPoint point) const override
    {
        const TDrawingtool& tool = site.Tool();
        const bool zoomRelease = tool.kind == KIND_MOVE && tool.step == STEP_ZOOM_DRAG;
        if (tool.step == STEP_SELECTION_DRAG || tool.step == STEP_ZOOM_DRAG) {
            site.SetDatumMode(DATUM_OFF);
            site.SetDistance("");
        }
        TToolFamily::LButtonUp(site, point);
        if (zoomRelease) {
            site.SetToolForKind(site.SavedToolKind());
            site.ApplyView();
        }
    }
};

const TSelectionFamily selectionFamily{};

const TKindRow kinds[] = {
    {KIND_MOVE, MakeTool<TMoveobjtool>, &selectionFamily},
    {KIND_COPY, MakeTool<TCopyobjtool>, &selectionFamily},
    {KIND_ERASE, MakeTool<TEraseobjtool>, &selectionFamily},
};

}  // namespace

const TToolFamily& SelectionFamily()
{
    return selectionFamily;
}

TFamilyRows SelectionFamilyRows()
{
    return {{}, kinds};
}
