#pragma once
// The window side of one tool family: what the drawing window does around the calls into the
// family's tools. TChild's handlers do the part every tool shares (F1, scrolling, the angled-input
// key, CENTRE, the datum read-out) and hand the rest to the family of the current tool.
//
// Each family is one class in its own files under app/families/, with one static instance, the
// command rows that install its tools and the kinds it builds for TClient::SetToolForKind (see
// commandtable.h). The defaults pass the event straight to the tool.
#include "platform/geometry.h"

class TDrawingtool;
class TToolSite;

class TToolFamily {
public:
    virtual ~TToolFamily();

    // A click, press, release and right click (client device points).
    virtual void LButtonDown(TToolSite& site, TPoint point) const;
    virtual void LButtonUp(TToolSite& site, TPoint point) const;
    virtual void RButtonDown(TToolSite& site, TPoint point) const;
    // Whether the current tool of this family gets a mouse move now.
    virtual bool WantsMouseMove(const TDrawingtool& tool) const;
    // Whether the cursor-distance read-out measures from the tool's start point (x1, y1) now
    // (while no datum is set): while a rubber band is out.
    virtual bool MeasuresFromStart(const TDrawingtool& tool) const;
    // Enter, an arrow key, keypad + or −: the keys that reach tools.
    virtual void KeyDown(TToolSite& site, int key) const;
    // A key released (only the families that act on it).
    virtual void KeyUp(TToolSite& site, int key) const;
    // A typed character.
    virtual void Char(TToolSite& site, int character) const;
    // Whether the tool takes typed text now: letter keys are then characters of the text and do
    // not switch the window's angled input.
    virtual bool TypesText(const TDrawingtool& tool) const;
    // The tool is about to be replaced by another: take any feedback off the screen. The default
    // erases a line-family tool's rubber band and guide line.
    virtual void Leaving(TToolSite& site) const;

    // A click that this family takes over whatever tool is current (a click inside a design room,
    // say): asked of every family before the current one gets the click. The window then gives
    // the current tool up as a tool command would, and hands the click to TakeClaimedClick.
    virtual bool ClaimsClick(TToolSite& site, TPoint point) const;
    // The prompt for a tool whose figure was stored or taken back from outside and which starts it
    // afresh (RestartFigure): what it waits for. None: the prompt stays.
    virtual const char* RestartPrompt(const TDrawingtool& tool) const;
    virtual void TakeClaimedClick(TToolSite& site, TPoint point) const;
};

// The family of tools that need nothing beyond the defaults (the pick tool among them).
const TToolFamily& PlainFamily();
