#include "resources/dialogpictures.h"

#include <cmath>
#include <map>

namespace {

// A hinged door in plan: a wall with a jamb either side of the opening, the open leaf from its
// hinge jamb and the swing as a dotted quarter arc. The opening spans 8..24 of the box.
//   upTheScreen: the wall runs up the screen (jambs above and below), else across it;
//   hingeFirst: the hinge is on the upper (or left) jamb;
//   opensNegative: the leaf opens to the left (or upwards).
TPicture HingedDoor(bool upTheScreen, bool hingeFirst, bool opensNegative)
{
    TPicture picture;
    const int hinge = hingeFirst ? 8 : 24;
    const int open = opensNegative ? 0 : 32;
    if (upTheScreen) {
        picture.push_back({TPictureStroke::Wall, 14, 0, 18, 8});
        picture.push_back({TPictureStroke::Wall, 14, 24, 18, 32});
        picture.push_back({TPictureStroke::Line, 16, hinge, open, hinge});
        // Angles on the screen: the closed leaf runs down (270) or up (90) from the hinge, the open
        // one left (180) or right (0).
        const int closedAngle = hingeFirst ? 270 : 90;
        const int openAngle = opensNegative ? 180 : 0;
        const int span = ((closedAngle - openAngle + 540) % 360) - 180;
        picture.push_back({TPictureStroke::DottedArc, 16, hinge, 16, 0, openAngle, span});
    } else {
        picture.push_back({TPictureStroke::Wall, 0, 14, 8, 18});
        picture.push_back({TPictureStroke::Wall, 24, 14, 32, 18});
        picture.push_back({TPictureStroke::Line, hinge, 16, hinge, open});
        const int closedAngle = hingeFirst ? 0 : 180;
        const int openAngle = opensNegative ? 90 : 270;
        const int span = ((closedAngle - openAngle + 540) % 360) - 180;
        picture.push_back({TPictureStroke::DottedArc, hinge, 16, 16, 0, openAngle, span});
    }
    return picture;
}

// A sliding door in plan: a wall with a jamb either side of the opening and the door as a bar along
// one face, centred on the jamb of its sliding side. The opening spans 8..24 of the box.
//   upTheScreen: the wall runs up the screen, else across it;
//   negativeFace: the bar lies along the left (or upper) face;
//   firstEnd: the sliding jamb is the upper (or left) one.
TPicture SlidingDoor(bool upTheScreen, bool negativeFace, bool firstEnd)
{
    TPicture picture;
    const int jamb = firstEnd ? 8 : 24;
    if (upTheScreen) {
        picture.push_back({TPictureStroke::Wall, 14, 0, 18, 8});
        picture.push_back({TPictureStroke::Wall, 14, 24, 18, 32});
        const int x = negativeFace ? 10 : 20;
        picture.push_back({TPictureStroke::Wall, x, jamb - 8, x + 2, jamb + 8});
    } else {
        picture.push_back({TPictureStroke::Wall, 0, 14, 8, 18});
        picture.push_back({TPictureStroke::Wall, 24, 14, 32, 18});
        const int y = negativeFace ? 10 : 20;
        picture.push_back({TPictureStroke::Wall, jamb - 8, y, jamb + 8, y + 2});
    }
    return picture;
}

// A door standing open at `degrees` from its closed position along a wall across the screen.
TPicture OpenDoor(int degrees)
{
    TPicture picture;
    picture.push_back({TPictureStroke::Wall, 0, 24, 4, 28});
    picture.push_back({TPictureStroke::Wall, 28, 24, 32, 28});
    const double radians = degrees * 3.14159265358979 / 180.0;
    const int endX = 4 + int(std::lround(24 * std::cos(radians)));
    const int endY = 26 - int(std::lround(24 * std::sin(radians)));
    picture.push_back({TPictureStroke::Line, 4, 26, endX, endY});
    picture.push_back({TPictureStroke::DottedArc, 4, 26, 24, 0, 0, degrees});
    return picture;
}

std::map<int, TPicture> MakePictures()
{
    std::map<int, TPicture> pictures;
    // The door dialog's pictures, by door direction code: 1 10517, 2 10516, 3 10515, 4 10514,
    // 5 10513, 6 10511, 7 10512, 8 10510.
    pictures[10517] = HingedDoor(true, true, true);
    pictures[10516] = HingedDoor(true, false, true);
    pictures[10515] = HingedDoor(true, true, false);
    pictures[10514] = HingedDoor(true, false, false);
    pictures[10513] = HingedDoor(false, true, true);
    pictures[10511] = HingedDoor(false, true, false);
    pictures[10512] = HingedDoor(false, false, true);
    pictures[10510] = HingedDoor(false, false, false);
    // The sliding door dialog's pictures, by door direction code: 1 13011, 2 13012, 3 13013,
    // 4 13014, 5 13015, 6 13017, 7 13016, 8 13018.
    pictures[13011] = SlidingDoor(true, true, true);
    pictures[13012] = SlidingDoor(true, true, false);
    pictures[13013] = SlidingDoor(true, false, true);
    pictures[13014] = SlidingDoor(true, false, false);
    pictures[13015] = SlidingDoor(false, true, true);
    pictures[13017] = SlidingDoor(false, false, true);
    pictures[13016] = SlidingDoor(false, true, false);
    pictures[13018] = SlidingDoor(false, false, false);
    // The default doors dialog: a door open at 30, 60 and 90 degrees.
    pictures[5401] = OpenDoor(30);
    pictures[5402] = OpenDoor(60);
    pictures[5403] = OpenDoor(90);
    return pictures;
}

}  // namespace

const TPicture* FindDialogPicture(int resourceId)
{
    static const std::map<int, TPicture> pictures = MakePictures();
    auto found = pictures.find(resourceId);
    return found == pictures.end() ? nullptr : &found->second;
}
