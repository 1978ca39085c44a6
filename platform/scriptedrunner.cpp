#include "platform/scriptedrunner.h"

#include "platform/checkbox.h"
#include "platform/colourdialog.h"
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/inputdialog.h"
#include "platform/listbox.h"
#include "platform/messagebuttons.h"
#include "platform/radiobutton.h"

#include <algorithm>

ScriptedRunner::ScriptedRunner(LineSink sink) : sink(std::move(sink))
{
}

void ScriptedRunner::AddAnswer(const std::string& line)
{
    ScriptAnswer answer;
    std::string error;
    if (!ParseScriptAnswer(line, answer, error))
        throw ScriptFailure("bad answer \"" + line + "\": " + error);
    answers.push_back(std::move(answer));
}

void ScriptedRunner::CheckAllAnswersUsed() const
{
    if (!answers.empty())
        throw ScriptFailure("answer left unused: " + DescribeAnswer(answers.front()));
}

void ScriptedRunner::Report(const std::string& line)
{
    transcript.push_back(line);
    if (sink)
        sink(line);
}

ScriptAnswer ScriptedRunner::TakeAnswer(const std::string& opening, const OpenedBox& box)
{
    if (answers.empty() && answerSource)
        return answerSource(box);
    if (answers.empty())
        throw ScriptFailure(opening + " opened with no answer left");
    ScriptAnswer answer = std::move(answers.front());
    answers.pop_front();
    return answer;
}

DialogAnswer ScriptedRunner::TakeDialogAnswer(TDialog& dialog, int round)
{
    const int resourceId = dialog.ResourceId();
    std::string opening = "dialog " + std::to_string(resourceId);
    ScriptAnswer answer = TakeAnswer(opening, {OpenedBox::Kind::Dialog, &dialog, round, 0});
    auto* given = std::get_if<DialogAnswer>(&answer);
    if (!given || given->resourceId != resourceId)
        throw ScriptFailure(opening + " opened but the answer is: " + DescribeAnswer(answer));
    return std::move(*given);
}

int ScriptedRunner::RunDialog(TDialog& dialog)
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(dialog.ResourceId());
    if (!dialogTemplate)
        throw ScriptFailure("dialog " + std::to_string(dialog.ResourceId()) + " has no template");
    dialog.Bind(*dialogTemplate);
    dialog.SetupWindow();
    TEdit* lastSet = nullptr;
    for (int round = 0; !dialog.IsEnded(); ++round) {
        DialogAnswer answer = TakeDialogAnswer(dialog, round);
        for (const auto& action : answer.actions) {
            if (dialog.IsEnded())
                throw ScriptFailure("dialog " + std::to_string(dialog.ResourceId()) +
                                    " closed before the end of its answer: " + DescribeAnswer(answer));
            Perform(dialog, action, lastSet);
        }
    }
    return dialog.Result();
}

void ScriptedRunner::Perform(TDialog& dialog, const DialogAction& action, TEdit*& lastSet)
{
    std::string where = "dialog " + std::to_string(dialog.ResourceId()) + ": ";
    const DialogTemplate& dialogTemplate = *dialog.Template();
    TControl* control = nullptr;
    if (action.kind != DialogAction::Kind::Ok && action.kind != DialogAction::Kind::Cancel &&
        action.kind != DialogAction::Kind::Press) {
        control = dialog.FindControl(action.control);
        if (!control)
            throw ScriptFailure(where + "no control " + std::to_string(action.control) + " that the dialog drives");
        if (!control->IsWindowEnabled())
            throw ScriptFailure(where + "control " + std::to_string(action.control) + " is disabled");
    }
    switch (action.kind) {
    case DialogAction::Kind::Set: {
        auto* edit = dynamic_cast<TEdit*>(control);
        if (!edit)
            throw ScriptFailure(where + "control " + std::to_string(action.control) + " is not an edit");
        edit->Type(action.text);
        lastSet = edit;
        break;
    }
    case DialogAction::Kind::Check: {
        if (auto* radio = dynamic_cast<TRadioButton*>(control)) {
            for (int id : RadioGroupOf(dialogTemplate, radio->Id()))
                if (auto* other = dynamic_cast<TRadioButton*>(dialog.FindControl(id)))
                    other->Uncheck();
            radio->Check();
        } else if (auto* box = dynamic_cast<TCheckBox*>(control)) {
            box->Check();
        } else {
            throw ScriptFailure(where + "control " + std::to_string(action.control) +
                                " is not a radio button or check box");
        }
        break;
    }
    case DialogAction::Kind::Uncheck: {
        auto* box = dynamic_cast<TCheckBox*>(control);
        if (!box || dynamic_cast<TRadioButton*>(control))
            throw ScriptFailure(where + "control " + std::to_string(action.control) + " is not a check box");
        box->Uncheck();
        break;
    }
    case DialogAction::Kind::Select: {
        auto* list = dynamic_cast<TListBox*>(control);
        if (!list)
            throw ScriptFailure(where + "control " + std::to_string(action.control) + " is not a list box");
        int index = list->FindExact(action.text);
        if (index < 0)
            throw ScriptFailure(where + "list " + std::to_string(action.control) + " has no item \"" +
                                action.text + "\"");
        if (index != list->GetSelIndex()) {
            list->SetSelIndex(index);
            dialog.ListSelectionChanged(list->Id());
        }
        break;
    }
    case DialogAction::Kind::Press: {
        const ControlTemplate* button = FindControlTemplate(dialogTemplate, action.control);
        if (!button || (button->kind != ControlKind::PushButton && button->kind != ControlKind::DefPushButton))
            throw ScriptFailure(where + "no button " + std::to_string(action.control));
        if (action.control != IDOK && action.control != IDCANCEL && lastSet) {
            // The focus leaves the field last typed into for the button; a refusal keeps it there
            // and the press does not happen.
            if (!dialog.CheckFieldOnFocusLeave(*lastSet))
                break;
            lastSet = nullptr;
        }
        dialog.Command(action.control);
        break;
    }
    case DialogAction::Kind::Ok: dialog.Command(IDOK); break;
    case DialogAction::Kind::Cancel: dialog.Command(IDCANCEL); break;
    }
}

int ScriptedRunner::RunInput(TInputDialog& dialog)
{
    inputsShown.push_back({dialog.Title(), dialog.Prompt(), dialog.GetBuffer()});
    std::string opening = "input \"" + dialog.Title() + "\"";
    ScriptAnswer answer = TakeAnswer(opening, {OpenedBox::Kind::Input, nullptr, 0, 0});
    auto* input = std::get_if<InputAnswer>(&answer);
    if (!input)
        throw ScriptFailure(opening + " opened but the answer is: " + DescribeAnswer(answer));
    if (input->cancel)
        return IDCANCEL;
    if (!input->keep)
        dialog.SetBuffer(input->text);
    return IDOK;
}

int ScriptedRunner::RunColour(TColourDialog& dialog)
{
    std::string opening = "colour \"" + dialog.Title() + "\"";
    ScriptAnswer answer = TakeAnswer(opening, {OpenedBox::Kind::Colour, nullptr, 0, 0});
    auto* colour = std::get_if<ColourAnswer>(&answer);
    if (!colour)
        throw ScriptFailure(opening + " opened but the answer is: " + DescribeAnswer(answer));
    if (colour->cancel)
        return IDCANCEL;
    dialog.SetColour(colour->colour);
    return IDOK;
}

int ScriptedRunner::MessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    Report("message " + caption + " | " + text);
    std::string opening = "message box \"" + caption + "\"";
    ScriptAnswer answer = TakeAnswer(opening, {OpenedBox::Kind::Message, nullptr, 0, flags});
    auto* message = std::get_if<MessageAnswer>(&answer);
    if (!message)
        throw ScriptFailure(opening + " opened but the answer is: " + DescribeAnswer(answer));
    if (message->enter)
        return DefaultMessageButton(flags);
    const std::vector<int> buttons = MessageButtons(flags);
    if (std::find(buttons.begin(), buttons.end(), message->result) == buttons.end())
        throw ScriptFailure(opening + " has no button for the answer: " + DescribeAnswer(answer));
    return message->result;
}

bool ScriptedRunner::ChooseDrawing(const std::vector<std::string>& names, std::string& chosen)
{
    const std::string opening = "the File/Open choice";
    ScriptAnswer answer = TakeAnswer(opening, {OpenedBox::Kind::Choice, nullptr, 0, 0, &names});
    auto* choice = std::get_if<ChoiceAnswer>(&answer);
    if (!choice)
        throw ScriptFailure(opening + " opened but the answer is: " + DescribeAnswer(answer));
    if (choice->cancel)
        return false;
    if (std::find(names.begin(), names.end(), choice->name) == names.end())
        throw ScriptFailure(opening + " offers no drawing " + choice->name);
    chosen = choice->name;
    return true;
}

void ScriptedRunner::Help(int contextId)
{
    helpRequests.push_back(contextId);
    Report("help " + std::to_string(contextId));
}
