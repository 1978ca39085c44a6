#pragma once
// The statements of arkweld-script, the headless driver of the end-to-end tests, and their
// parser. One statement per line; '#' outside double quotes starts a comment.
//
//   dir PATH                 the program directory (made, with the shipped settings, if missing)
//   client W H               the drawing window's client size in pixels (default 1000 700)
//   command ID | PATH        a menu or toolbar command by id or by menu path ("file/new")
//   open NAME                File/Open choosing DWGS/NAME.DB0
//   dialog ... | input ... | colour ... | message ...   an answer for the next box that opens
//   at X Y                   a mouse move to the device point of model point (X, Y)
//   move X Y                 a mouse move to device point (X, Y)
//   ldown | lup | rdown | click [X Y | @X Y]   a button, first moving to the point when one is given
//   key NAME                 ENTER, LEFT, UP, RIGHT, DOWN, ADD, SUBTRACT, ESCAPE, F1, a letter,
//                            or a decimal key code
//   keyup NAME               the release of that key
//   char C                   a character: one character, ENTER, SPACE, BACKSPACE, or a decimal
//                            code of two or more digits
//   paint | status | dump
//   check                    fails unless the object list holds what the drawing file holds
//                            (not while the tool holds a figure or a moved selection), and when
//                            something a tool held went without a word since the last check
//                            (app/qt/heldcheck.h)
//   failwrites N [write|sync|rename]   the next N file writes fail at that stage (default write),
//                            as a full disk, a failing device or a refused rename would; 0 ends it
//   failreads N [NAME]       the next N reads of a file whose path ends in NAME (any file when none
//                            is given) fail as an unreadable file would; 0 ends it
#include "model/settingsfile.h"

#include <string>

struct ScriptStatement {
    enum class Kind {
        Empty,
        Dir,
        Client,
        Command,
        Open,
        Answer,
        At,
        Move,
        LDown,
        LUp,
        RDown,
        Click,
        Key,
        KeyUp,
        Char,
        Paint,
        Status,
        Dump,
        Check,
        FailWrites,
        FailReads,
    };
    Kind kind = Kind::Empty;
    std::string text;       // dir: the path; command: the menu path; open: the name; answer: the line;
                            // failreads: the end of the paths that fail
    int commandId = 0;      // command by id
    int x = 0;              // client size, point
    int y = 0;
    bool hasPoint = false;  // a button statement with a point
    bool modelPoint = false;  // the point is in model units ('@', and always for `at`)
    int key = 0;            // key, keyup: the virtual-key code; char: the character code
    int failCount = 0;      // failwrites, failreads: how many writes or reads fail
    WriteStage failStage = WriteStage::Write;
};

// The most writes one failwrites statement makes fail.
constexpr int MAX_FAILED_WRITES = 1000000;

// Parses one line. False with a reason when the line is not a statement.
bool ParseScriptStatement(const std::string& line, ScriptStatement& statement, std::string& error);

// The virtual-key code of a key name; 0 when the name is unknown.
int ScriptKeyCode(const std::string& name);
