#pragma once
// A print job as the printout sees it: the canvas of the page being printed (its DeviceSize and
// DeviceResolution give the paper in device pixels and pixels per inch) and the step to the next
// page. The Qt frame prints on a QPrinter; tests record the pages.
#include <string>

class Canvas;

class PrintTarget {
public:
    virtual ~PrintTarget();
    // The current page; valid until NewPage or the end of the job.
    virtual Canvas& PageCanvas() = 0;
    // Ends the current page and starts the next one. False when the printer failed.
    virtual bool NewPage() = 0;
    // The file the job writes (a PDF file); empty when it goes to a printer.
    virtual std::string FileName() const;
};
