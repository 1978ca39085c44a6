#include "resources/helppages.h"

#include <algorithm>

namespace {

const std::vector<HelpPage> pages = {
    {200, "Drawings",
     R"(<h2>Drawings</h2>
<p><b>New drawing.</b> A drawing is named after the client. Type a name of up to 24 letters, digits,
commas or blanks, without a file extension; other characters cannot be typed. Choose whether the
drawing is measured in millimetres (metric) or in feet and inches. The choice is remembered as the
preset of the next new drawing, and every length you type afterwards is taken in that unit.</p>
<p><b>Copy drawings.</b> File/Save As stores the drawing under a new client name, with the same
rules for the name. The drawing then carries on under the new name.</p>
<p><b>Manipulate drawing file.</b> File/Rotate/Mirror turns the whole drawing clockwise by 90, 180 or
270 degrees, or mirrors it. Keep the drawing's own name to change it in place, or give a new name of
3 to 24 characters to store the result under that name: the original stays as it was, and the new
drawing replaces the open one in the window, on the floor you were viewing. A drawing that already
has the new name is replaced only when you say so.</p>)"},
    {210, "Plan views, display mode and overlays",
     R"(<h2>Plan views</h2>
<p><b>Display mode.</b> Walls can be drawn as outlines, cross hatched or solid, and dimensions can be
shown or hidden on every plan view.</p>
<p><b>Overlays.</b> Another floor can be drawn on top of the floor in view, so that walls, stairs
and openings can be lined up between floors. Choose the floors to show together and whether their
dimensions appear in the overlay view.</p>)"},
    {230, "Moving and rotating",
     R"(<h2>Moving and rotating</h2>
<p>Drag with the left button completely over the items to move: only items wholly inside the
rectangle, on the floor in view, are taken; walls never are. Click the left button on a reference
point, then move with the left button (the reference point goes where you click) or with the arrow
keys, or turn with the right button: type the clockwise angle in whole degrees, 0 to 360, then
fine-tune with the + and - keys. Arcs, ellipses, rectangles and rounded rectangles turn only in steps
of 90 degrees.</p>
<p>Nothing is kept until you press ENTER: a move or turn that is not locked with ENTER is dropped
when you choose another tool or a command that reads or changes the drawing (File/New, File/Open,
File/Save As, File/Print, File/Exit, Edit/Undo, a floor of the View menu and the like). Zoom UP,
Zoom/Normal Size, CENTRE, the boxes that only set things up (Export Bitmap, Printer Setup, Line
Style, the Customise boxes, About), scrolling and a redrawn window keep it.</p>
<h2>Copy, paste and erase</h2>
<p><b>Copy</b> keeps the items you drag over for pasting, in this drawing or another. <b>Paste</b>
puts them near the lower left of the view; click a reference point on them and click where it goes,
then press ENTER. <b>Erase</b> deletes the items you drag over; walls stay (delete them with the
wall commands).</p>
<h2>Zoom up</h2>
<p>Drag over the area to enlarge. The tool you were using comes back as it was, so you can go on
drawing; Zoom/Normal Size shows the whole sheet again. ENTER before you drag ends the zoom and that
tool, as choosing another tool would: a figure begun is kept in the drawing, a move not locked is
dropped.</p>)"},
    {242, "Text and line text",
     R"(<h2>Text</h2>
<p><b>Text details.</b> Choose whether a text is centred on the point you click or starts at it,
and whether it runs horizontally or vertically. Then click the point and type; press ENTER once for a
new line and twice to finish. CENTRE and CENTRE CENTRE move the line to the point they find; what
you type while they wait for their clicks is not taken, so type on once the cursor has moved.</p>
<p><b>Line text.</b> The Line + Text tool draws a line and places a text beside it. Type the text
(at most 21 characters) and choose whether it goes to the left of or above the line, or to the right
of or below it. For an angled line pick above or below.</p>)"},
    {244, "Arcs, ellipses, circles and rectangles",
     R"(<h2>Figures</h2>
<p><b>Arc.</b> Press ENTER on one end of the arc, move to the other end, level with or straight above
or below the first, and press ENTER again. Type the height of the arc: a positive height draws it
above the ends (left of them when they are one above the other), a negative height below (right of
them).</p>
<p><b>Ellipse.</b> Press the left button and drag over the ellipse. From the keyboard, ENTER and an
arrow key with a length give a flat one.</p>
<p><b>Circle.</b> Press the left button on the centre and drag sideways to the radius, or press
ENTER on the centre and type the radius.</p>
<p><b>Rectangle and rounded rectangle.</b> Press ENTER on a corner (for a rounded rectangle, type the
corner radius), then press one horizontal and one vertical arrow key and type each side.</p>
<p><b>Line style.</b> Tools/Line Style sets the pen of the current tool: thin or thick, solid,
dashed, dotted or dot-dash.</p>)"},
    {250, "Walls and measurements",
     R"(<h2>External walls</h2>
<p>Choose the wall type before drawing: one of the standard walls, or a custom wall of your own
sizes. A wall of 2 lines is a solid wall of the given thickness. A wall of 4 lines is a cavity wall:
the outer leaf (the space between the outside line and the second line), the cavity (between the
second and third line) and the inner leaf, which is what remains of the total width. Outer space and
cavity must each be at least 1 and together less than the total width.</p>
<p>Then say on which side of the line you draw the other wall lines lie: below, above, left or right
of the main line. Press ENTER on the start point, then give each wall with an arrow key and its
length. Press 'a' for angled walls, then the arrow keys to fine-tune the cursor, and 'a' again for
normal input.</p>
<h2>Internal walls and double lines</h2>
<p>Give the thickness of the wall (the spacing of the two lines: 25 to 900 mm, or 1 to 50 inches
and a fraction) and the side of the first drawn line on which the second line lies: left, right,
above or below. Press ENTER on the start point, then an arrow key: the length offered is the
distance to the next wall in that direction (down or left with no wall there, the distance to the
edge of the sheet; up or right with none, no length), and you may type another. The first arrow
must run across the chosen side (left or right for an up or down wall, above or below for a wall
across).
Press ENTER at another point for an angled wall. A wall that runs into another wall ends the run
and its end is opened into that wall; ENTER on the end of the last wall closes that end and also
ends the run.</p>
<p>DELETE Internal Wall: press ENTER on a line of the internal wall to delete. The wall goes with
the walls drawn with it and the end caps it laid; other objects stay.</p>
<h2>Typing a length</h2>
<p>Metric lengths are typed as a whole number of millimetres, digits only, from 1 to 32766: 2500,
not 2.500 or 2.5 m. An entry that is not such a number is refused with a message saying so. In feet
and inches, type whole numbers: the feet (0 to 100), the inches (0 to 11) and, if needed, a fraction
of an inch as numerator over denominator, for example 1 over 2 for half an inch. A fraction whose
denominator is 0 is ignored. Lengths are kept to 1/24 inch and shown in whole eighths; a length the
program measured and offers comes back to the 1/24 inch when you leave it as shown.</p>
<h2>Editing walls and the floor plan</h2>
<p><b>Lengthen</b> and <b>Shorten</b>: click on the external wall (or on a line) near the end to
move and type the distance. The moved end is square; a wall lengthened onto the end of another wall
makes the corner with it, and a wall joined at a shortened end is left with a square end. Something
must be left of a shortened wall or line. Angled walls cannot be lengthened, shortened or split.</p>
<p><b>Split</b>: click on the wall where it is to be cut, or put the cursor there and press ENTER;
the dimensions are renewed. <b>Change External wall type</b>: click on the wall, then choose the new
type; the corners with the walls joined to it follow. <b>DELETE External Wall</b>: click on the
wall; windows, labels and dimensions in it stay.</p>
<p><b>Expand and Shrink Floorplan</b> (Walls &amp; Base/Floorplan Base) stretch or compress the plan
of the floor in view in one direction. Press the arrow key of the direction, move the guide line to
where the change starts and press ENTER, then type the distance (Cancel lets you place the line
again). Everything of the floor beyond the guide line moves by the distance, away from the line to
expand, towards it to shrink: walls crossing the line get longer or shorter, walls beyond it move
whole, and the plan is centred and dimensioned afresh. Nothing is deleted.</p>
<p>A shrink measures the plan by its automatic dimensions (run Other/Auto Dimensions first; with
dimensions hidden, by the external walls) and needs the cursor inside the plan, with an external
wall to its left, right, above and below. The distance offered is the free space between the
design rooms and the walls. When the nearest wall beyond the line is closer than the distance, the
line is moved back so that the wall ends up on it, and the internal walls meeting it move with it.
A shrink that would turn a wall round or leave it with no length is refused with a message, and so
is any change that would stretch a sloped wall; nothing moves then.</p>
<h2>Dimensions</h2>
<p><b>Auto Dimensions</b> (menu Other) dimensions every external wall of the floor in view: a
dimension line outside each wall with the wall's length in the middle, and, on a floor of more than
four walls, overall dimensions on the sides made of two or more walls. Running it again replaces
them, so run it after changing the walls. On the ground floor the plan is first centred on the
sheet. How far out the lines go and how the text runs are set under Customise/Def Dimensions.</p>
<p><b>Manual Dimension</b> measures between two points: press ENTER on the first point, then on the
second. A point near a wall line, a wall face or a design-room side is pulled onto it. The dimension
is horizontal or vertical, whichever is longer; the measured length is offered and may be changed
before the value is placed. Manual dimensions stay when the automatic ones are renewed.</p>
<p><b>A new upper floor.</b> Switching to the first or second floor while it has no external walls
offers to start it from the outline of the floor below: the walls are copied with the current wall
type at the new floor's levels, and dimensioned.</p>)"},
    {260, "Design rooms",
     R"(<h2>Design rooms</h2>
<p>Design rooms are movable rectangles with a name, a colour and size labels, used to try out a
layout before walls are drawn. Before the first design room of a floor, give the thickness of the
internal walls the rooms will become. A new room takes a name of up to 16 characters and a width and
length; clicking into a free area offers the largest room that fits there.</p>
<p>A new room appears at the lower left of the view. Drag it into place with the left button held
down: taken away from its centre, a dropped room is aligned to a wall face or to another room within
the merge distance (Customise/DESIGN Room Merge), lined up with the other room's side or set one room
wall thickness beside it; taken near its centre, it stays exactly where it is dropped.</p>
<p>Rotate Room and Delete Room act on the room you click next. Expand Room and Shrink Room: click in
the room, press the arrow key of the side to move, then type the distance; a room keeps a width and a
length of at least 1. Move Room: click with the left button and press an arrow key to move the room by a
typed distance, or click with the right button and move it with the arrow keys, 25 mm or one inch a
key, until the next click. Max DESIGN Room Size: click in a free area and the largest room that fits
there between the walls and rooms is offered. The colours of wet areas, bedrooms and other rooms are
chosen under Customise/DESIGN Room Colours.</p>
<p>FINISH Design Rooms turns every room of the floor, except those named "space", into internal walls
with their name and size texts and dimensions. A side that a wall already covers gets no second
wall, so two rooms side by side get one wall between them; a room edge lying at most 5 mm (5/24 inch)
from an external wall's inner face is moved onto it. Afterwards the floor's design rooms, those named
"space" too, are gone.</p>)"},
    {270, "Fixed rooms and the main entry",
     R"(<h2>Fixed rooms</h2>
<p>Click into the area where the new room goes, near the corner to work from. The space is bounded by
the nearest walls or design rooms of the floor in view straight to the left, right, above and below
the click; where a side has none you are told and can click again. The dialog offers the size of
the space found. Give the room's name (at most 16 characters), its width and length, the thickness
of its walls and how its size is labelled. The room is drawn at once in the corner you clicked
near: new internal walls close the sides no wall covers yet, and its name and size are written in
it.</p>
<h2>Main entry</h2>
<p>The main entry frame holds one or two doors; choose how many and where they sit in the frame. A
single door then takes its width and swing from the door dialog.</p>)"},
    {280, "Stairs",
     R"(<h2>Stairs</h2>
<p>Give the stair's width, the storey height of the floor that gets the stair, the length of the
stairwell for a straight flight, whether the flight is straight or turns at a halfway landing, and on
which side the top tread lies. Then move the stair and stairwell into place and press ENTER when the
position is correct.</p>)"},
    {290, "Windows and external doors",
     R"(<h2>Windows and external doors</h2>
<p>Choose what goes into the external wall: a window, the main entry, a wall opening, a single
external door, French doors or a garage door. Give its width and height (millimetres, or whole inches
in feet and inches) and whether its sizes and sill are labelled on the plan. The cursor distance is
then measured from the datum at the top left corner of the external walls. A preview follows the
mouse: press ENTER with it on the wall to place the opening (the centre of a window or frame, the hinge
end of a single door). Each command places one opening; ENTER away from an external wall, or a door
whose swing does not suit the wall, is refused with a message.</p>)"},
    {300, "Internal doors",
     R"(<h2>Internal doors</h2>
<p>A hinged door takes its width and one of eight swing pictures. Double doors and sliding doors take
the total opening width and, for a hinged pair, the side they open to; a single sliding door can slide
into the wall. Place the door cursor on an internal wall and press ENTER on the hinge side, the centre
or the slide-side jamb, as the status bar says. The wall is cut for the door.</p>
<p>The point is moved onto the face of the wall the door needs: the face its picture shows, or, for a
hinged pair or sliding panels, the face on the side they open to. A door whose picture does not suit
the wall (a door for an upright wall marked on a level one, or a leaf that would swing into an angled
wall) or a point away from any internal wall is refused with a message and nothing is drawn; move the
cursor and press ENTER again. After a door is placed the pick tool returns.</p>
<p><b>Wall openings.</b> Opening (Internal Wall) asks the width of the opening (millimetres, or feet and
inches); press ENTER on the centre of the opening, on one line of an internal wall. A point away from
any internal wall is refused with a message. Each command makes one opening.</p>)"},
    {310, "Customising defaults",
     R"(<h2>Customising</h2>
<p><b>Doors.</b> The width of a single door offered at start, in millimetres and in inches, the angle
at which doors are drawn open (30, 60 or 90 degrees) and the thickness of the door leaf.</p>
<p><b>Dimensions.</b> How far from the walls the internal, external and overall dimension lines are
placed, whether dimension text runs horizontally or along the wall, and the point sizes of dimension
text, room size text and room name text.</p>
<p><b>Drawing titles.</b> The titles printed on the ground, first and second floor plans, each at most
24 letters and spaces. A title may be left empty.</p>)"},
    {320, "Deleting an external wall",
     R"(<h2>Deleting an external wall</h2>
<p>Click on the external wall to delete. The walls joined to its ends are drawn again without it. Walls
are never removed by Erase; use this command instead.</p>)"},
    {330, "Libraries",
     R"(<h2>Libraries</h2>
<p>Symbols are kept in four libraries: plumbing, electrical, furniture and miscellaneous. Choosing an
entry shows a preview in the lower left corner of the window; choose another to see it instead. Press
OK to keep the one shown, then click a reference point on the symbol, click its new position and
press ENTER. Cancel takes the preview away and leaves the drawing as it was.</p>
<p>To add an entry, choose ADD to a library, drag over the objects to store, then give the entry a
name of up to 24 letters, digits, commas or blanks and choose its library. A name the library already
holds is replaced only when you say so.</p>)"},
    {360, "Printing",
     R"(<h2>Printing</h2>
<p>Choose how many copies of each floor plan to print and at which scale (100 prints at 1:100; a
quarter inch to the foot is 96), the line thickness, how walls are drawn, and whether external
dimensions and the scale are printed. A floor with no copies is not printed; one to print needs a
scale. The wall style and dimension choice stay in force on the screen afterwards.</p>
<p>File/Printer Setup chooses the printer, the paper and its orientation. Choose <b>PDF file</b> to
print into a PDF file named after the drawing, beside it in the DWGS folder.</p>
<p><b>Calibrating the printer.</b> Print a plan holding a 15000 mm line at 1:100 (in feet and inches,
52 feet at 1:96), measure it on the paper and type the measured length. Every print is then
enlarged or reduced so that lengths come out true to scale.</p>)"},
    {500, "Getting started",
     R"(<h2>Getting started</h2>
<p>Start with File/New or File/Open. Choose a drawing tool or function from the menu or the toolbar;
the status bar says what to do next, and F1 opens help on the current tool. Mark points with ENTER or
the left mouse button, give directions with the arrow keys and type exact lengths into the dialog
that follows.</p>)"},
};

}  // namespace

const HelpPage* FindHelpPage(int contextId)
{
    auto found = std::find_if(pages.begin(), pages.end(), [contextId](const HelpPage& page) {
        return page.contextId == contextId;
    });
    return found == pages.end() ? nullptr : &*found;
}
