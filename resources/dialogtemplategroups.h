#pragma once
// The dialog template tables, one function per group of dialogs, and small builders that keep the
// tables readable. Only the template registry and the table files include this.
#include "resources/dialogtemplates.h"

#include <vector>

namespace dialogtemplates {

std::vector<DialogTemplate> DrawingDialogs();  // new drawing, units, copy, titles, line text, About
std::vector<DialogTemplate> WallDialogs();     // external-wall type, custom wall, side, internal walls,
                                               // measurement
std::vector<DialogTemplate> ViewDialogs();     // overlays, plan display mode, floor area
std::vector<DialogTemplate> ToolDialogs();     // drawing tool style, text details
std::vector<DialogTemplate> DoorDialogs();     // windows and external doors, main entry, doors, door defaults
std::vector<DialogTemplate> RoomDialogs();     // design rooms: new, maximum size, wall size
std::vector<DialogTemplate> StairsDialogs();   // stairs, metric and imperial
std::vector<DialogTemplate> FixedRoomDialogs();  // new fixed room, metric and imperial
std::vector<DialogTemplate> PrintLibraryDialogs();  // print, printer calibration, libraries,
                                                    // manipulate drawing file

inline ControlTemplate Button(int id, const char* text, int x, int y, int cx, int cy)
{
    return {id, ControlKind::PushButton, text, x, y, cx, cy};
}
inline ControlTemplate DefButton(int id, const char* text, int x, int y, int cx, int cy)
{
    return {id, ControlKind::DefPushButton, text, x, y, cx, cy};
}
inline ControlTemplate Edit(int id, const char* text, int x, int y, int cx, int cy)
{
    return {id, ControlKind::Edit, text, x, y, cx, cy};
}
inline ControlTemplate Label(const char* text, int x, int y, int cx, int cy, int id = -1)
{
    return {id, ControlKind::Static, text, x, y, cx, cy};
}
inline ControlTemplate Group(const char* text, int x, int y, int cx, int cy)
{
    return {-1, ControlKind::GroupBox, text, x, y, cx, cy};
}
// The first button of an automatic radio group.
inline ControlTemplate FirstRadio(int id, const char* text, int x, int y, int cx, int cy)
{
    return {id, ControlKind::AutoRadio, text, x, y, cx, cy, true};
}
inline ControlTemplate Radio(int id, const char* text, int x, int y, int cx, int cy)
{
    return {id, ControlKind::AutoRadio, text, x, y, cx, cy};
}
inline ControlTemplate Check(int id, const char* text, int x, int y, int cx, int cy)
{
    return {id, ControlKind::CheckBox, text, x, y, cx, cy};
}
inline ControlTemplate List(int id, int x, int y, int cx, int cy)
{
    return {id, ControlKind::ListBox, "", x, y, cx, cy};
}
inline ControlTemplate SortedList(int id, int x, int y, int cx, int cy)
{
    return {id, ControlKind::ListBox, "", x, y, cx, cy, false, true};
}
inline ControlTemplate ProgramIcon(const char* resource, int x, int y, int cx, int cy)
{
    return {-1, ControlKind::Icon, resource, x, y, cx, cy};
}
// A picture of the picture table (dialogpictures.h) by its resource id.
inline ControlTemplate Picture(const char* resource, int x, int y, int cx, int cy)
{
    return {-1, ControlKind::Icon, resource, x, y, cx, cy};
}

}  // namespace dialogtemplates
