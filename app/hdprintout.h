#pragma once
// Printing the floor plans: each floor of the print list, copy by copy, one page each, at the
// chosen scale corrected by the printer calibration and centred on the paper, with the drawing
// scale underneath when asked for.
#include "model/printlist.h"

#include <string>
#include <vector>

class Canvas;
class PrintTarget;

class THDPrintout {
public:
    // lineWeight 1 light, 2 medium, 3 heavy; showScale prints "SCALE 1:n" under the plan.
    THDPrintout(int lineWeight, bool showScale);

    // The floors of CFG/PRNTLST.CFG that can be printed: 1 to 9999 copies, a scale of 1 or more,
    // the ground, first or second floor; at most one line per floor is taken.
    static std::vector<TPrintFloor> ReadPrintList();
    // Writes the print list: one line per floor with copies. False when it could not be written;
    // `reason` then says why.
    static bool WritePrintList(const std::vector<TPrintFloor>& floors, std::string* reason = nullptr);
    // The scale correction of the calibration file of the unit system; 1 when there is no usable one.
    static double ScaleCorrection();
    // True when the open drawing's list holds something to print on the floor.
    static bool HasDrawing(int floorCode);

    // Prints the floors of the open drawing, as the caller has just read it from its file. Returns
    // the number of pages printed.
    int Print(PrintTarget& target, const std::vector<TPrintFloor>& floors);

    // Paints one floor on a page at 1:scale, corrected. currentFloor holds 1000 + the floor's code
    // while the page is painted; the floor in view and the view are as they were afterwards.
    void PrintPage(Canvas& dc, int floorCode, int scale, double correction);

    // Device pixels per model unit at 1:scale on a device of `dpi` pixels per inch.
    static double PixelsPerModelUnit(int unitSystem, int scale, double correction, int dpi);

private:
    int lineWeight;
    bool showScale;
};
