#pragma once
// Prepared answers for the scripted dialog runner, and their text form:
//
//   dialog RESID ACTION... ok|cancel
//       set CTL TEXT     as if the user selected the edit's text and typed TEXT
//       check CTL        selects a radio button (clearing its group) or ticks a check box
//       uncheck CTL      clears a check box
//       select CTL TEXT  selects the list-box item equal to TEXT
//       press CTL        presses a button (press 9: Help)
//       ok               OK (Enter);  cancel: Escape
//   input TEXT           the text input ends with OK holding TEXT;  input cancel: it is cancelled;
//                        input ok: it ends with OK holding the text it opened with
//   colour RRGGBB        the colour chooser ends with OK on that colour (hexadecimal red, green,
//                        blue);  colour cancel: it is cancelled
//   message ok|cancel|yes|no   that button;  message enter: the box's default button
//   choose NAME          the choice of a drawing ends with OK on NAME, one of the names it offers;
//                        choose cancel: it is cancelled
//
// Words are separated by blanks; a TEXT holding blanks (or empty, or the word cancel or ok after input,
// cancel after choose) goes in double quotes, inside which \" stands for a quote and \\ for a
// backslash.
#include <string>
#include <variant>
#include <vector>

struct DialogAction {
    enum class Kind { Set, Check, Uncheck, Select, Press, Ok, Cancel };
    Kind kind = Kind::Ok;
    int control = 0;
    std::string text;
};

struct DialogAnswer {
    int resourceId = 0;
    std::vector<DialogAction> actions;  // the last is Ok or Cancel
};

struct InputAnswer {
    bool cancel = false;
    bool keep = false;  // OK with the text as the box opened
    std::string text;
};

struct ColourAnswer {
    bool cancel = false;
    unsigned colour = 0;  // 0x00BBGGRR
};

struct MessageAnswer {
    int result = 1;      // IDOK, IDCANCEL, IDYES or IDNO
    bool enter = false;  // Enter: the default button, whichever it is (result unused)
};

struct ChoiceAnswer {
    bool cancel = false;
    std::string name;
};

using ScriptAnswer = std::variant<DialogAnswer, InputAnswer, MessageAnswer, ColourAnswer, ChoiceAnswer>;

struct ScriptWord {
    std::string text;
    bool quoted = false;
};

// Splits a line into words, honouring double quotes. False with a reason on an unclosed quote.
bool SplitScriptWords(const std::string& line, std::vector<ScriptWord>& words, std::string& error);

// Parses one answer from its words or its line. False with a reason when it is malformed.
bool ParseScriptAnswer(const std::vector<ScriptWord>& words, ScriptAnswer& answer, std::string& error);
bool ParseScriptAnswer(const std::string& line, ScriptAnswer& answer, std::string& error);

// The answer in its text form, for failure reports.
std::string DescribeAnswer(const ScriptAnswer& answer);
