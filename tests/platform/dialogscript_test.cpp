// Scripted answers: their text form and how the scripted runner plays them against dialogs.
#include "platform/colourdialog.h"
#include "platform/inputdialog.h"
#include "platform/messagebuttons.h"
#include "tests/platform/dialogtestclasses.h"

#include <gtest/gtest.h>

using namespace dialogtest;

namespace {

ScriptAnswer Parse(const std::string& line)
{
    ScriptAnswer answer;
    std::string error;
    EXPECT_TRUE(ParseScriptAnswer(line, answer, error)) << line << ": " << error;
    return answer;
}

std::string ParseError(const std::string& line)
{
    ScriptAnswer answer;
    std::string error;
    EXPECT_FALSE(ParseScriptAnswer(line, answer, error)) << line;
    return error;
}

}  // namespace

TEST(ScriptAnswerText, DialogAnswersParseWithTheirActions)
{
    auto answer = Parse("dialog 2024 set 2027 \"my house\" check 2025 uncheck 77 select 5 \"a \\\"b\\\"\" press 9 ok");
    auto* dialog = std::get_if<DialogAnswer>(&answer);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->resourceId, 2024);
    ASSERT_EQ(dialog->actions.size(), 6u);
    EXPECT_EQ(dialog->actions[0].kind, DialogAction::Kind::Set);
    EXPECT_EQ(dialog->actions[0].control, 2027);
    EXPECT_EQ(dialog->actions[0].text, "my house");
    EXPECT_EQ(dialog->actions[1].kind, DialogAction::Kind::Check);
    EXPECT_EQ(dialog->actions[2].kind, DialogAction::Kind::Uncheck);
    EXPECT_EQ(dialog->actions[3].text, "a \"b\"");
    EXPECT_EQ(dialog->actions[4].kind, DialogAction::Kind::Press);
    EXPECT_EQ(dialog->actions[4].control, 9);
    EXPECT_EQ(dialog->actions[5].kind, DialogAction::Kind::Ok);
    // The text form reads back to the same answer.
    EXPECT_EQ(DescribeAnswer(Parse(DescribeAnswer(answer))), DescribeAnswer(answer));
    EXPECT_EQ(DescribeAnswer(Parse("dialog 5450 cancel")), "dialog 5450 cancel");
    auto empty = Parse("dialog 20000 set 20001 \"\" ok");
    EXPECT_EQ(std::get<DialogAnswer>(empty).actions[0].text, "");
}

TEST(ScriptAnswerText, InputAndMessageAnswers)
{
    EXPECT_TRUE(std::get<InputAnswer>(Parse("input cancel")).cancel);
    auto quoted = std::get<InputAnswer>(Parse("input \"cancel\""));
    EXPECT_FALSE(quoted.cancel);
    EXPECT_EQ(quoted.text, "cancel");
    EXPECT_EQ(std::get<InputAnswer>(Parse("input \"two words\"")).text, "two words");
    EXPECT_EQ(std::get<InputAnswer>(Parse("input \"\"")).text, "");
    EXPECT_EQ(std::get<MessageAnswer>(Parse("message ok")).result, IDOK);
    EXPECT_EQ(std::get<MessageAnswer>(Parse("message cancel")).result, IDCANCEL);
    EXPECT_EQ(std::get<MessageAnswer>(Parse("message yes")).result, IDYES);
    EXPECT_EQ(std::get<MessageAnswer>(Parse("message no")).result, IDNO);
    EXPECT_TRUE(std::get<MessageAnswer>(Parse("message enter")).enter);
    EXPECT_FALSE(std::get<MessageAnswer>(Parse("message no")).enter);
    EXPECT_EQ(DescribeAnswer(Parse("message enter")), "message enter");
}

TEST(ScriptAnswerText, MalformedAnswersAreRefusedWithAReason)
{
    EXPECT_NE(ParseError("dialog 2024 set 2027 x").find("ok or cancel"), std::string::npos);
    EXPECT_NE(ParseError("dialog 2024 ok check 2025").find("must end"), std::string::npos);
    EXPECT_NE(ParseError("dialog abc ok").find("resource id"), std::string::npos);
    EXPECT_NE(ParseError("dialog 2024 check ok").find("control id"), std::string::npos);
    EXPECT_NE(ParseError("dialog 2024 set 2027").find("needs a text"), std::string::npos);
    EXPECT_NE(ParseError("dialog 2024 tick 2025 ok").find("unknown dialog action"), std::string::npos);
    EXPECT_NE(ParseError("dialog 2024 set 2027 \"open ok").find("unclosed quote"), std::string::npos);
    EXPECT_NE(ParseError("input two words").find("quote"), std::string::npos);
    EXPECT_FALSE(ParseError("input").empty());
    EXPECT_FALSE(ParseError("message maybe").empty());
    EXPECT_FALSE(ParseError("button 1").empty());
    EXPECT_FALSE(ParseError("").empty());
}

TEST(ScriptedRunner, PlaysADialogAnswer)
{
    ScriptWindow window;
    UnitsDialog dialog(&window);
    window.runner.AddAnswer("dialog 2024 set 2027 \"my house.\" check 2025 ok");
    EXPECT_EQ(dialog.Execute(), IDOK);
    // The refused full stop was dropped as it was typed.
    EXPECT_EQ(dialog.nameRead, "my house");
    // Checking a radio button cleared the other of its group.
    EXPECT_FALSE(dialog.metricChosen);
    EXPECT_TRUE(dialog.feet->IsChecked());
    EXPECT_EQ(window.runner.PendingAnswers(), 0u);
}

TEST(ScriptedRunner, KeepsWhatSetupWindowCheckedAndStartsFromTheTemplate)
{
    ScriptWindow window;
    UnitsDialog dialog(&window);
    window.runner.AddAnswer("dialog 2024 ok");
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_TRUE(dialog.metricChosen);
    EXPECT_EQ(dialog.nameRead, "client");
}

TEST(ScriptedRunner, EscapeCancelsDialogsWithoutACancelButton)
{
    ScriptWindow window;
    RangeDialog dialog(&window);
    window.runner.AddAnswer("dialog 5300 set 5302 5 cancel");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    // There is no Cancel button to press.
    RangeDialog again(&window);
    window.runner.AddAnswer("dialog 5300 press 2 ok");
    EXPECT_THROW(again.Execute(), ScriptFailure);
}

TEST(ScriptedRunner, RefusedOkShowsTheMessageAndTheDialogTakesTheNextAnswer)
{
    std::vector<std::string> printed;
    ScriptWindow window;
    window.runner = ScriptedRunner([&](const std::string& line) { printed.push_back(line); });
    RangeDialog dialog(&window);
    window.runner.AddAnswer("dialog 5300 set 5302 20 ok");
    window.runner.AddAnswer("message ok");
    window.runner.AddAnswer("dialog 5300 set 5302 300 ok");
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.total->GetText(), "300");
    EXPECT_EQ(printed, std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number from 25 to 900"});
}

TEST(ScriptedRunner, FocusLeaveCheckRunsWhenAnotherButtonIsPressed)
{
    ScriptWindow window;
    RangeDialog dialog(&window);
    // The Help press takes the focus from the field last set: the check refuses it, the message
    // box takes the next answer and no help opens; once corrected, Help opens.
    window.runner.AddAnswer("dialog 5300 set 5301 7 press 9 set 5301 4 press 9 cancel");
    window.runner.AddAnswer("message ok");
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(window.runner.Transcript(),
              (std::vector<std::string>{"message Arkweld 4.0 | Enter a whole number from 2 to 4", "help 250"}));
    EXPECT_EQ(window.runner.HelpRequests(), std::vector<int>{250});
    // Pressing a button with no field set checks nothing.
    RangeDialog other(&window);
    window.runner.AddAnswer("dialog 5300 press 9 press 9 cancel");
    EXPECT_EQ(other.Execute(), IDCANCEL);
    EXPECT_EQ(window.runner.HelpRequests(), (std::vector<int>{250, 250, 250}));
}

TEST(ScriptedRunner, MismatchesFailWithTheReason)
{
    auto failure = [](auto run) -> std::string {
        try {
            run();
        } catch (const ScriptFailure& failure) {
            return failure.what();
        }
        return "";
    };
    ScriptWindow window;
    UnitsDialog dialog(&window);
    EXPECT_NE(failure([&] { dialog.Execute(); }).find("no answer left"), std::string::npos);

    window.runner.AddAnswer("dialog 5450 ok");
    EXPECT_NE(failure([&] { dialog.Execute(); }).find("dialog 5450 ok"), std::string::npos);

    window.runner.AddAnswer("message ok");
    EXPECT_NE(failure([&] { dialog.Execute(); }).find("message ok"), std::string::npos);

    window.runner.AddAnswer("dialog 2024 set 2025 x ok");
    EXPECT_NE(failure([&] { dialog.Execute(); }).find("not an edit"), std::string::npos);

    window.runner.AddAnswer("dialog 2024 uncheck 2026 ok");
    EXPECT_NE(failure([&] { dialog.Execute(); }).find("not a check box"), std::string::npos);

    window.runner.AddAnswer("dialog 2024 check 4711 ok");
    EXPECT_NE(failure([&] { dialog.Execute(); }).find("no control 4711"), std::string::npos);

    window.runner.AddAnswer("dialog 2024 press 1 check 2025 ok");
    EXPECT_NE(failure([&] { dialog.Execute(); }).find("closed before the end"), std::string::npos);

    // A message box answered with a button it does not have.
    window.runner.AddAnswer("message yes");
    EXPECT_NE(failure([&] { window.MessageBox("Saved", "FILE", MB_OK); }).find("no button"), std::string::npos);

    window.runner.AddAnswer("input hello");
    EXPECT_NE(failure([&] { window.runner.CheckAllAnswersUsed(); }).find("input hello"), std::string::npos);
    EXPECT_THROW(window.runner.AddAnswer("dialog 2024"), ScriptFailure);
}

TEST(ScriptedRunner, MessageBoxesReportAndReturnTheAnswer)
{
    ScriptWindow window;
    window.runner.AddAnswer("message no");
    window.runner.AddAnswer("message cancel");
    EXPECT_EQ(window.MessageBox("Replace it?", "Arkweld 4.0", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_EQ(window.MessageBox("Go on?", "PRINT", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(window.runner.Transcript(),
              (std::vector<std::string>{"message Arkweld 4.0 | Replace it?", "message PRINT | Go on?"}));
}

TEST(ScriptedRunner, EnterChoosesTheDefaultButton)
{
    ScriptWindow window;
    const std::pair<unsigned, int> cases[] = {
        {MB_YESNO | MB_ICONQUESTION, IDYES},
        {MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2, IDNO},
        {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
        {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
        {MB_YESNOCANCEL | MB_DEFBUTTON2, IDNO},
        {MB_OK | MB_DEFBUTTON2, IDOK},  // names a button the box lacks: the first
    };
    for (const auto& [flags, expected] : cases) {
        window.runner.AddAnswer("message enter");
        EXPECT_EQ(window.MessageBox("Replace it?", "Arkweld 4.0", flags), expected) << flags;
    }
    // The default button changes nothing for an answer that names its button.
    window.runner.AddAnswer("message yes");
    EXPECT_EQ(window.MessageBox("Replace it?", "Arkweld 4.0", MB_YESNO | MB_DEFBUTTON2), IDYES);
}

TEST(MessageButtons, EscapeChoosesCancelOrNo)
{
    EXPECT_EQ(MessageButtons(MB_YESNOCANCEL | MB_ICONSTOP | MB_DEFBUTTON2), (std::vector<int>{IDYES, IDNO, IDCANCEL}));
    EXPECT_EQ(EscapeMessageButton(MB_YESNOCANCEL), IDCANCEL);
    EXPECT_EQ(EscapeMessageButton(MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(EscapeMessageButton(MB_YESNO | MB_DEFBUTTON1), IDNO);
    EXPECT_EQ(EscapeMessageButton(MB_OK | MB_ICONEXCLAMATION), IDOK);
}

TEST(ScriptedRunner, InputTakesOnlyInputAnswers)
{
    ScriptWindow window;
    TInputDialog input(&window, "Text", "Enter text", "text", 30);
    window.runner.AddAnswer("dialog 2024 ok");
    EXPECT_THROW(input.Execute(), ScriptFailure);
    window.runner.AddAnswer("input \"" + std::string(40, 'a') + "\"");
    EXPECT_EQ(input.Execute(), IDOK);
    EXPECT_EQ(input.GetBuffer(), std::string(29, 'a'));
}

TEST(ScriptAnswerText, ColourAnswersAreRedGreenBlueInHexadecimal)
{
    EXPECT_EQ(std::get<ColourAnswer>(Parse("colour FF8000")).colour, 0x0080FFu);
    EXPECT_EQ(std::get<ColourAnswer>(Parse("colour 00c0ff")).colour, MakeColour(0, 0xC0, 0xFF));
    EXPECT_TRUE(std::get<ColourAnswer>(Parse("colour cancel")).cancel);
    EXPECT_EQ(DescribeAnswer(Parse("colour 12AB3C")), "colour 12AB3C");
    EXPECT_EQ(DescribeAnswer(Parse("colour cancel")), "colour cancel");
    for (const char* bad : {"colour", "colour 12345", "colour 1234567", "colour GG0000", "colour -12345",
                            "colour \"FF0000\"", "colour FF0000 00FF00"})
        EXPECT_NE(ParseError(bad).find("RRGGBB"), std::string::npos) << bad;
}

TEST(ScriptedRunner, ColourTakesOnlyColourAnswers)
{
    ScriptWindow window;
    TColourDialog chooser(&window, "wet area colour", MakeColour(1, 2, 3));
    EXPECT_EQ(chooser.Colour(), MakeColour(1, 2, 3));
    window.runner.AddAnswer("input 12");
    EXPECT_THROW(chooser.Execute(), ScriptFailure);
    window.runner.AddAnswer("colour cancel");
    EXPECT_EQ(chooser.Execute(), IDCANCEL);
    EXPECT_EQ(chooser.Colour(), MakeColour(1, 2, 3));
    window.runner.AddAnswer("colour 102030");
    EXPECT_EQ(chooser.Execute(), IDOK);
    EXPECT_EQ(chooser.Colour(), MakeColour(0x10, 0x20, 0x30));
    window.runner.CheckAllAnswersUsed();
    // The colour chooser is a box of its own: a dialog answer does not fit it.
    window.runner.AddAnswer("dialog 2024 ok");
    EXPECT_THROW(chooser.Execute(), ScriptFailure);
}

TEST(ScriptAnswerText, ChoiceAnswersNameADrawingOrCancel)
{
    EXPECT_EQ(std::get<ChoiceAnswer>(Parse("choose HOUSE")).name, "HOUSE");
    EXPECT_TRUE(std::get<ChoiceAnswer>(Parse("choose cancel")).cancel);
    const auto quoted = std::get<ChoiceAnswer>(Parse("choose \"cancel\""));
    EXPECT_FALSE(quoted.cancel);
    EXPECT_EQ(quoted.name, "cancel");
    for (const char* line : {"choose HOUSE", "choose cancel", "choose \"cancel\"", "choose \"MY HOUSE\""})
        EXPECT_EQ(DescribeAnswer(Parse(line)), line);
    EXPECT_NE(ParseError("choose").find("one name"), std::string::npos);
    EXPECT_NE(ParseError("choose MY HOUSE").find("one name"), std::string::npos);
}

TEST(ScriptedRunner, TheChoiceOfADrawingTakesOnlyANameItOffers)
{
    ScriptWindow window;
    const std::vector<std::string> names{"A", "HOUSE"};
    std::string chosen = "none";
    window.runner.AddAnswer("choose cancel");
    EXPECT_FALSE(window.runner.ChooseDrawing(names, chosen));
    EXPECT_EQ(chosen, "none");
    window.runner.AddAnswer("choose HOUSE");
    EXPECT_TRUE(window.runner.ChooseDrawing(names, chosen));
    EXPECT_EQ(chosen, "HOUSE");
    window.runner.AddAnswer("choose PLAN2");
    EXPECT_THROW(window.runner.ChooseDrawing(names, chosen), ScriptFailure);
    window.runner.AddAnswer("message ok");
    EXPECT_THROW(window.runner.ChooseDrawing(names, chosen), ScriptFailure);
    EXPECT_THROW(window.runner.ChooseDrawing(names, chosen), ScriptFailure);
    // With an answer source, it answers a choice that opens with nothing queued, seeing the names.
    window.runner.SetAnswerSource([](const OpenedBox& box) -> ScriptAnswer {
        EXPECT_EQ(box.kind, OpenedBox::Kind::Choice);
        return ChoiceAnswer{false, box.names->back()};
    });
    EXPECT_TRUE(window.runner.ChooseDrawing(names, chosen));
    EXPECT_EQ(chosen, "HOUSE");
}
