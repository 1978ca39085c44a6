#include "model/startingdrawing.h"

#include "model/drawingedit.h"
#include "model/drawingstate.h"
#include "model/infoobj.h"
#include "model/typecodes.h"

#include <memory>

void AddStartingRecords(TDrawingEdit& edit, int unitSystem)
{
    const int32_t* storeys = unitSystem == 1 ? METRIC_STOREY_HEIGHTS : IMPERIAL_STOREY_HEIGHTS;
    for (int i = 0; i < 4; ++i) {
        auto record = std::make_unique<TInfoobj>(TYPE_FLOOR_RECORD + i);
        record->floor = GROUND_FLOOR + i;
        record->z2 = storeys[i];
        record->penWidth = 1;
        edit.Add(std::move(record));
    }
}
