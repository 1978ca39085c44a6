#pragma once
// Two whole-floor operations on the external walls of the floor in view: the floor area they
// enclose, and centring the plan on the drawing sheet.
#include "model/modelbox.h"

#include <cstdint>

class TDrawingEdit;
class TDrawingtool;
class TObject;
class TStorableRange;

// A move of the whole plan, model units.
struct TModelShift {
    std::int64_t dx = 0;
    std::int64_t dy = 0;
};

// Works out the area enclosed by the external walls of the current floor and stores it in the
// object list as whole square metres (metric) or square feet (imperial), truncated. The sums are
// taken in strips against a reference level over the walls running +x and -x; the outline may be
// drawn either way round. Nothing changes when the list holds fewer than 4 objects or the floor
// has no wall running +x. The tool is not used.
void ComputeFloorArea(TDrawingtool& tool);

// Moves the plan so that the box round the external walls of the current floor sits in the middle
// of the drawing sheet, then rewrites the drawing file. The objects of every floor move by the same
// amount, so the floors stay stacked. A floor without external walls is left as it is, and so is
// the drawing. False when the move would carry a point of any floor where the drawing file cannot
// store it: then nothing has moved (the caller tells the user, CENTRING_REFUSED). The tool is not
// used.
bool CentreFloorplan(TDrawingtool& tool);
// The same moves made through an edit that the caller commits; false, with the list and the edit
// untouched, as above. With `moved`, it is given the move made (zero when nothing moved).
bool CentreFloorplan(TDrawingtool& tool, TDrawingEdit& edit, TModelShift* moved = nullptr);

// The floor service of the external-wall tool, into an edit the caller commits: on the ground floor
// the plan is centred first; on every floor the floor area is then worked out. False, with nothing
// changed, when the centring is refused. With `moved`, it is given the centring's move (zero off the
// ground floor).
bool CentreAndMeasureFloor(TDrawingtool& tool, TDrawingEdit& edit, TModelShift* moved = nullptr);

// The move that puts the middle of a plan whose external walls span the box on the middle of the
// sheet, rounded toward the box's larger edges.
void CentringMove(const TModelBox& walls, std::int64_t& dx, std::int64_t& dy);
// Whether centring can move the object by (dx, dy) and leave every point it moves where the drawing
// file can store it. The object is only read.
bool CentringStaysStorable(TObject& object, std::int64_t dx, std::int64_t dy, const TStorableRange& range);

// What the user is told when a command is refused because the plan cannot be centred, and its title.
inline constexpr char CENTRING_REFUSED[] =
    "The plan cannot be centred: a point of the drawing would go too far outside the sheet for the drawing file"
    " to hold it - nothing has been changed";
inline constexpr char CENTRING_REFUSED_TITLE[] = "POINT OUT OF RANGE";
