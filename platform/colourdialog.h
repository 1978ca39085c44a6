#pragma once
// The colour chooser: a title and the colour it opens on (0x00BBGGRR); after IDOK the colour the
// user chose. It runs through the parent's runner like every dialog: the Qt runner shows the
// system's colour dialog, the scripted runner takes a "colour RRGGBB" answer.
#include "platform/geometry.h"
#include "platform/window.h"

#include <string>

class TColourDialog {
public:
    TColourDialog(TWindow* parent, const std::string& title, TColor initial);

    // Runs modally; returns IDOK (Colour() is the choice) or IDCANCEL (Colour() is as it was).
    int Execute();

    const std::string& Title() const { return title; }
    TColor Colour() const { return colour; }
    void SetColour(TColor chosen) { colour = chosen & 0xFFFFFF; }

private:
    TWindow* parent;
    std::string title;
    TColor colour;
};
