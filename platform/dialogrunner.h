#pragma once
// What runs the program's modal windows: dialogs built from templates, the one-line text input,
// the colour chooser, message boxes and the help viewer. The Qt runner shows real windows; the scripted runner answers
// from a queue of prepared answers, for tests and headless runs.
#include <string>

class TColourDialog;
class TDialog;
class TInputDialog;

// The application's name, the title of message boxes that have no title of their own.
inline constexpr char ApplicationName[] = "Arkweld 4.0";

// Results of a dialog or message box, and the command ids of the common buttons.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
constexpr int IDHELP = 9;

// Message box flags: one button set ORed with at most one icon and at most one default button
// (the button Enter chooses; the first when none is named).
constexpr unsigned MB_OK = 0x00;
constexpr unsigned MB_OKCANCEL = 0x01;
constexpr unsigned MB_YESNO = 0x02;
constexpr unsigned MB_YESNOCANCEL = 0x03;
constexpr unsigned MB_BUTTONMASK = 0x0F;
constexpr unsigned MB_ICONEXCLAMATION = 0x10;
constexpr unsigned MB_ICONINFORMATION = 0x20;
constexpr unsigned MB_ICONQUESTION = 0x30;
constexpr unsigned MB_ICONSTOP = 0x40;
constexpr unsigned MB_ICONMASK = 0xF0;
constexpr unsigned MB_DEFBUTTON1 = 0x000;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
constexpr unsigned MB_DEFMASK = 0xF00;

class DialogRunner {
public:
    virtual ~DialogRunner() = default;

    // Runs the dialog modally: binds it to its template, calls SetupWindow, feeds it commands
    // until it ends. Returns IDOK or IDCANCEL (or the code the dialog ended with).
    virtual int RunDialog(TDialog& dialog) = 0;
    // Runs a one-line text input. Returns IDOK (the text is in the dialog's buffer) or IDCANCEL.
    virtual int RunInput(TInputDialog& dialog) = 0;
    // Runs the colour chooser. Returns IDOK (the colour is in the dialog) or IDCANCEL.
    virtual int RunColour(TColourDialog& dialog) = 0;
    // Shows a message box; returns the button chosen: IDOK, IDCANCEL, IDYES or IDNO.
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    // Opens the help page of a context id. Does not wait.
    virtual void Help(int contextId) = 0;
};
