#include "dialogs/areadlg.h"

#include "model/drawingstate.h"
#include "model/infoobj.h"
#include "model/list.h"
#include "model/settingsfile.h"
#include "model/typecodes.h"

#include <algorithm>

namespace {
constexpr int AREA_TEXT_LIMIT = 25;
}

TAreadlg::TAreadlg(TWindow* parent, int resourceId) : TDialog(parent, resourceId)
{
    totalText = Create<TStatic>(17001, AREA_TEXT_LIMIT);
    groundText = Create<TStatic>(17002, AREA_TEXT_LIMIT);
    firstText = Create<TStatic>(17003, AREA_TEXT_LIMIT);
    secondText = Create<TStatic>(17004, AREA_TEXT_LIMIT);
}

void TAreadlg::SetupWindow()
{
    TDialog::SetupWindow();
    // The floor records lead the list: ground, first, second and fourth level. A list that holds
    // fewer (or other objects in their places) leaves those areas at 0.
    long areas[4] = {0, 0, 0, 0};
    const TList& objects = State().objects;
    for (int i = 0; i < std::min(objects.Count(), 4); ++i) {
        const auto* record = dynamic_cast<const TInfoobj*>(objects[i]);
        if (record && IsFloorRecordType(record->typeCode))
            areas[record->typeCode - TYPE_FLOOR_RECORD] = record->infoValue;
    }
    const long total = areas[0] + areas[1] + areas[2] + areas[3];
    const char* format = State().unitSystem == 1 ? "%ld sq. metres" : "%ld sq. ft";
    totalText->SetText(FormatC(format, total));
    groundText->SetText(FormatC(format, areas[0]));
    firstText->SetText(FormatC(format, areas[1]));
    secondText->SetText(FormatC(format, areas[2]));
}

void TAreadlg::CmOk()
{
    CloseWindow(IDOK);
}
