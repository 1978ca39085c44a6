#pragma once
// Snapping a new wall's ends onto the ends of existing walls, as the external-wall and the
// internal-wall tools both do before they build a wall.
#include <cstdint>
#include <functional>
#include <optional>

class TDerivedPoints;
class TDrawingtool;
class TObject;

// For each wall in list order that `accepts` takes, the first of these pairs that lie strictly
// within `tolerance` in x and in y moves the whole new wall (the tool's x1, y1 - x2, y2) so that the
// pair coincides: new start and wall start, new start and wall end, new end and wall start, new end
// and wall end. The second wall that moves it becomes endJoin, every other one startJoin; joins no
// wall moves are left as they are (none stays none: no index stands for it). The moved ends are
// taken through `points`, which tells whether the drawing file can store them.
void SnapWallEnds(TDrawingtool& tool, std::int64_t tolerance, const std::function<bool(const TObject&)>& accepts,
                  std::optional<int>& startJoin, std::optional<int>& endJoin, TDerivedPoints& points);
