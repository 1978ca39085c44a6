#include "model/openinglabelrow.h"

#include "model/planturn.h"
#include "model/textobj.h"
#include "model/typecodes.h"

#include <set>
#include <utility>

TLabelRow OpeningLabelRow(int32_t wallAngle)
{
    // By the wall's quadrant; the four axis walls fall on its bounds.
    const int32_t a = wallAngle;
    if (a < 900)
        return {2700 + a, 6, a};
    if (a < 1800)
        return {a - 900, 6, a};
    if (a < 2700)
        return {900 + a, 4, a};
    return {a - 2700, 4, a};
}

void RealignOpeningLabels(const std::vector<std::unique_ptr<TObject>>& objects, int rotation)
{
    // The windows: each opening polygon's floor and group id.
    std::set<std::pair<int32_t, int32_t>> openings;
    for (const auto& object : objects)
        if (object->typeCode == TYPE_OPENING_POLYGON)
            openings.emplace(object->floor, object->groupId);
    for (const auto& object : objects) {
        auto* text = dynamic_cast<TTextobj*>(object.get());
        if (!text || text->typeCode != TYPE_LABEL_TEXT || !openings.contains({text->floor, text->groupId}))
            continue;
        TTextobj& label = *text;
        const int32_t wallAngle = rotation == MIRROR_LEFT_RIGHT ? (label.x2 + 1800) % 3600 : label.x2;
        const TLabelRow row = OpeningLabelRow(wallAngle);
        label.escapement = row.escapement;
        label.alignment = row.alignment;
        label.x2 = row.direction;
    }
}
