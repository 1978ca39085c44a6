#include "app/families/textfamily.h"

#include "app/toolfamily.h"
#include "app/toolsite.h"
#include "tools/textobjtool.h"

namespace {

class TTextFamily : public TToolFamily {
public:
    void Char(TToolSite& site, int character) const override
    {
        if (site.Tool().kind != KIND_TYPED_TEXT)
            return;
        site.CallTool([character](TDrawingtool& tool, Canvas& dc, const TRect& rect) {
            tool.Char(dc, rect, character);
        });
    }
};

const TTextFamily textFamily{};

const TKindRow kinds[] = {
    {KIND_TEXT, MakeTool<TTextobjtool>, &textFamily},
    {KIND_TYPED_TEXT_DONE, MakeTool<TTextobjtool>, &textFamily},
    {KIND_TYPED_TEXT, MakeTool<TTextobjtool>, &textFamily},
    {KIND_CHANGE_TEXT, MakeTool<TTextobjtool>, &textFamily},
};

}  // namespace

const TToolFamily& TextFamily()
{
    return textFamily;
}

TFamilyRows TextFamilyRows()
{
    return {{}, kinds};
}
