#pragma once
// The headless dialog runner. Every dialog, text input, message box or choice of a drawing that
// opens takes the answer at the head of one first-in-first-out queue; the answer must be of its
// kind (and, for a dialog, carry its resource id). A dialog runs its own SetupWindow and CmOk
// exactly as under the Qt runner; the answer's actions stand for the user's typing, clicks and
// keys.
//
// Each message box shown is reported as "message CAPTION | TEXT" and each help request as
// "help N", in order, to the line sink and the transcript. Any mismatch (no answer left, an answer
// of the wrong kind or id, an action the dialog cannot take) throws ScriptFailure with the reason.
// With an answer source set, a box that opens when the queue is empty takes its answer from it.
#include "platform/dialogrunner.h"
#include "platform/scriptanswer.h"

#include <deque>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

class TEdit;

class ScriptFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A box that opened with no answer queued, as the answer source sees it.
struct OpenedBox {
    enum class Kind { Dialog, Input, Colour, Message, Choice };
    Kind kind = Kind::Message;
    TDialog* dialog = nullptr;  // Dialog: bound to its template and set up
    int round = 0;              // Dialog: answers it has taken already (it refused them)
    unsigned flags = 0;         // Message: its buttons
    const std::vector<std::string>* names = nullptr;  // Choice: the names it offers
};

class ScriptedRunner : public DialogRunner {
public:
    using LineSink = std::function<void(const std::string& line)>;
    using AnswerSource = std::function<ScriptAnswer(const OpenedBox& box)>;

    explicit ScriptedRunner(LineSink sink = {});

    void AddAnswer(ScriptAnswer answer) { answers.push_back(std::move(answer)); }
    // Parses and queues one answer line; throws ScriptFailure when it is malformed.
    void AddAnswer(const std::string& line);
    // Answers the boxes that open when no answer is queued (none: such a box is a failure).
    void SetAnswerSource(AnswerSource source) { answerSource = std::move(source); }
    std::size_t PendingAnswers() const { return answers.size(); }
    // Throws ScriptFailure naming the first answer left unused.
    void CheckAllAnswersUsed() const;

    int RunDialog(TDialog& dialog) override;
    int RunInput(TInputDialog& dialog) override;
    int RunColour(TColourDialog& dialog) override;
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    void Help(int contextId) override;
    // The choice of a drawing among names (the frame's File/Open choice): false when the answer
    // cancels it; an answer naming a drawing it does not offer is a failure.
    bool ChooseDrawing(const std::vector<std::string>& names, std::string& chosen);

    const std::vector<std::string>& Transcript() const { return transcript; }
    const std::vector<int>& HelpRequests() const { return helpRequests; }

    // Each text input that opened, as the user saw it: title, prompt and the text it held.
    struct ShownInput {
        std::string title;
        std::string prompt;
        std::string text;
    };
    const std::vector<ShownInput>& InputsShown() const { return inputsShown; }

private:
    std::deque<ScriptAnswer> answers;
    AnswerSource answerSource;
    LineSink sink;
    std::vector<std::string> transcript;
    std::vector<int> helpRequests;
    std::vector<ShownInput> inputsShown;

    void Report(const std::string& line);
    ScriptAnswer TakeAnswer(const std::string& opening, const OpenedBox& box);
    DialogAnswer TakeDialogAnswer(TDialog& dialog, int round);
    void Perform(TDialog& dialog, const DialogAction& action, TEdit*& lastSet);
};
