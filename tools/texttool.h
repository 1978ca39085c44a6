#pragma once
// The text tool: places and types texts in the current font (currentFontFace, textPointSize,
// textWeight). Kind 4 places a whole text centred on a clicked point (PlaceText); kind 24 types a
// text character by character from a clicked starting point, line after line (Char); kind 25
// (change text) is the drawing window's. alignment() and escapement() name the shared words the
// text tools use.
#include "platform/canvas.h"
#include "tools/drawingtool.h"

#include <memory>
#include <string>

// The characters Char handles itself.
constexpr int CHAR_BACKSPACE = 8;
constexpr int CHAR_ENTER = 13;

class TTexttool : public TDrawingtool {
public:
    TTexttool() = default;

    // Kind 4: CENTRE and CENTRE CENTRE steps; kind 24: the click is where the line starts (a line
    // already begun moves there).
    void LButtonDown(Canvas& dc, const TRect& clientRect, int x, int y) override;
    // Draws the text at (x1, y1) in the current font and the tool's colour; the view mapping is
    // already on the canvas. The first character of a line measures the line height (libraryFlag).
    void DrawFeedback(Canvas& dc, int flag) override;
    // Places and commits a whole text at a client point, with an action id of its own.
    void PlaceText(Canvas& dc, const TRect& clientRect, TPoint& point, const std::string& text) override;
    // One typed character: Backspace takes the last one back, ENTER commits the line (an empty line
    // commits nothing), a printable character is added and shown. Characters beyond the text's
    // capacity, and other control characters, are refused, as is every character before the
    // starting click.
    void Char(Canvas& dc, const TRect& clientRect, int character) override;
    // The line typed and not yet ended with ENTER is held as the text ENTER would store; stored or
    // taken back from outside, the tool waits for a new starting click.
    void RestartFigure() override;
    bool WaitsForStart() const { return kind == KIND_TYPED_TEXT && !startGiven; }
    // CENTRE and CENTRE CENTRE: once they have found their point, it is where the typed line
    // starts (a line begun moves there).
    void CentreStep(Canvas& dc, const TRect& clientRect, int x, int y) override;
    void CentreCentreStep(Canvas& dc, const TRect& clientRect, int x, int y) override;

    // After ENTER: the next line starts one line height below the line just ended (right of it for
    // vertical text), and the cursor is put there. The line height is measured if no character has
    // been typed yet. False, with the user told and nothing moved, when the drawing file could not
    // store that start: the text ends there.
    bool StartNextLine(Canvas& dc, const TRect& clientRect);

    // Characters a text may hold (its field keeps a terminator as well).
    static constexpr std::size_t MAX_TEXT = 79;

    std::string text;              // at most MAX_TEXT characters
    std::int32_t textLength = 0;
    std::int32_t typedCount = 0;   // characters typed into the current line
    // True once ENTER has ended a line and nothing has been typed or clicked since: a second ENTER
    // then finishes the text.
    bool lineEnded = false;

protected:
    // The text object the line typed so far commits; none for an empty line.
    virtual std::unique_ptr<TObject> LineObject(Canvas& dc) const;
    // The font texts are shown in while they are typed.
    TFont FeedbackFont() const;
    // Height of a line of the feedback font, model units.
    std::int32_t MeasureLineHeight(Canvas& dc) const;

private:
    // Redraws the line in progress in the window's background colour, rubbing it out.
    void EraseLine(Canvas& dc, const TRect& clientRect);
    // Holds the line as typed so far (held empty when nothing is typed).
    void HoldLine(Canvas& dc);
    // Rubs the line out where it stands (x1, y1), then draws and holds it starting at `to`.
    void MoveLine(Canvas& dc, const TRect& clientRect, TPoint to);
    void CentreTaken(Canvas& dc, const TRect& clientRect);

    // A click has given the line its starting point.
    bool startGiven = false;
};
