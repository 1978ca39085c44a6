#include "walls/endsnap.h"

#include "model/drawingstate.h"
#include "model/list.h"
#include "model/object.h"
#include "tools/derivedpoints.h"
#include "tools/drawingtool.h"

#include <cstdlib>

void SnapWallEnds(TDrawingtool& tool, std::int64_t tolerance, const std::function<bool(const TObject&)>& accepts,
                  std::optional<int>& startJoin, std::optional<int>& endJoin, TDerivedPoints& points)
{
    const TList& objects = State().objects;
    auto near = [tolerance](TPoint p, TPoint v) {
        return std::llabs(std::int64_t(p.x) - v.x) < tolerance && std::llabs(std::int64_t(p.y) - v.y) < tolerance;
    };
    int hits = 0;
    for (int i = 0; i < objects.count(); ++i) {
        const TObject& wall = *objects[i];
        if (!accepts(wall))
            continue;
        const TPoint start{tool.x1, tool.y1}, end{tool.x2, tool.y2};
        const TPoint wallStart{wall.x1, wall.y1}, wallEnd{wall.x2, wall.y2};
        TPoint from, to;
        if (near(start, wallStart)) {
            from = start;
            to = wallStart;
        } else if (near(start, wallEnd)) {
            from = start;
            to = wallEnd;
        } else if (near(end, wallStart)) {
            from = end;
            to = wallStart;
        } else if (near(end, wallEnd)) {
            from = end;
            to = wallEnd;
        } else {
            continue;
        }
        const std::int64_t moveX = std::int64_t(to.x) - from.x;
        const std::int64_t moveY = std::int64_t(to.y) - from.y;
        const TPoint movedStart = points.Take(tool.x1 + moveX, tool.y1 + moveY);
        const TPoint movedEnd = points.Take(tool.x2 + moveX, tool.y2 + moveY);
        tool.x1 = movedStart.x;
        tool.y1 = movedStart.y;
        tool.x2 = movedEnd.x;
        tool.y2 = movedEnd.y;
        ++hits;
        if (hits == 2)
            endJoin = i;
        else
            startJoin = i;
    }
}
