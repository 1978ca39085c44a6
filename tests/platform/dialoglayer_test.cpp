// The dialog layer without a display: validators, edits, controls, closing and the command table.
#include "platform/checkbox.h"
#include "platform/decimaltext.h"
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/filtervalidator.h"
#include "platform/inputdialog.h"
#include "platform/listbox.h"
#include "platform/radiobutton.h"
#include "platform/rangevalidator.h"
#include "platform/scriptedrunner.h"
#include "platform/static.h"

#include <gtest/gtest.h>

namespace {

class ScriptWindow : public TWindow {
public:
    ScriptedRunner runner;
    DialogRunner& Runner() override { return runner; }
};

// A dialog over the copy-drawings template: one filtered name edit and Help.
class NameDialog : public TDialog {
public:
    explicit NameDialog(TWindow* parent) : TDialog(parent, 9020)
    {
        name = Create<TEdit>(9021, 25);
        name->SetValidator(std::make_unique<TFilterValidator>("A-Za-z0-9, "));
    }
    void CmOk() override
    {
        ++okCalls;
        TDialog::CmOk();
    }
    int HelpContext() const override { return 200; }
    TEdit* name;
    int okCalls = 0;
};

}  // namespace

TEST(DecimalText, ReadsLikeTheStandardConversion)
{
    EXPECT_EQ(DecimalValue("42"), 42);
    EXPECT_EQ(DecimalValue("  +17abc"), 17);
    EXPECT_EQ(DecimalValue("-8"), -8);
    EXPECT_EQ(DecimalValue(""), 0);
    EXPECT_EQ(DecimalValue(" "), 0);
    EXPECT_EQ(DecimalValue("x5"), 0);
    EXPECT_EQ(DecimalValue("12 34"), 12);
    // Beyond 32 bits the value is clamped instead of wrapping.
    EXPECT_EQ(DecimalValue("99999999999999999999"), 2147483647);
    EXPECT_EQ(DecimalValue("-99999999999999999999"), -2147483647 - 1);
}

TEST(RangeValidator, TypingAcceptsOnlyDigitsAndSigns)
{
    TRangeValidator range(25, 900);
    EXPECT_TRUE(range.IsValidInput("123"));
    EXPECT_TRUE(range.IsValidInput("+12"));
    EXPECT_TRUE(range.IsValidInput(""));
    EXPECT_FALSE(range.IsValidInput("12a"));
    EXPECT_FALSE(range.IsValidInput("1 2"));
    // No minus in a range that starts at 0 or above.
    EXPECT_FALSE(range.IsValidInput("-5"));
    TRangeValidator signedRange(-10, 10);
    EXPECT_TRUE(signedRange.IsValidInput("-5"));
}

TEST(RangeValidator, ClosingCheckReadsTheNumberAndItsRange)
{
    TRangeValidator range(25, 900);
    EXPECT_TRUE(range.IsValid("25"));
    EXPECT_TRUE(range.IsValid("900"));
    EXPECT_FALSE(range.IsValid("24"));
    EXPECT_FALSE(range.IsValid("901"));
    // An empty field reads as 0: refused here, accepted where 0 is in range.
    EXPECT_FALSE(range.IsValid(""));
    EXPECT_TRUE(TRangeValidator(0, 800).IsValid(""));
    // A blank is outside the character set, whatever the number.
    EXPECT_FALSE(TRangeValidator(0, 800).IsValid(" "));
    EXPECT_FALSE(range.IsValid(" 30"));
    EXPECT_EQ(range.ErrorMessage(), "Enter a whole number from 25 to 900");
}

TEST(FilterValidator, AcceptsOnlyItsCharacterSet)
{
    TFilterValidator names("A-Za-z0-9, ");
    EXPECT_TRUE(names.IsValid("Smith, J 2"));
    EXPECT_TRUE(names.IsValid(""));
    EXPECT_FALSE(names.IsValid("a.b"));
    EXPECT_FALSE(names.IsValidInput("x/"));
    EXPECT_FALSE(names.IsValid("caf\xc3\xa9"));
    EXPECT_EQ(names.ErrorMessage(), "Use letters, digits, comma and blank only");
    EXPECT_EQ(TFilterValidator("0-9").ErrorMessage(), "Use digits only");
}

TEST(Edit, TypingDropsRefusedCharactersAndStopsAtTheLimit)
{
    ScriptWindow window;
    NameDialog dialog(&window);
    TEdit& edit = *dialog.name;
    edit.Type("abc.def/ghi");
    EXPECT_EQ(edit.GetText(), "abcdefghi");
    // A limit of 25 admits 24 characters.
    edit.Type(std::string(30, 'x'));
    EXPECT_EQ(edit.GetText(), std::string(24, 'x'));
    // Text set by the program bypasses the validator but not the limit.
    edit.SetText("a.b");
    EXPECT_EQ(edit.GetText(), "a.b");
    EXPECT_FALSE(edit.IsValid());
    edit.SetText(std::string(40, 'y'));
    EXPECT_EQ(edit.GetText().size(), 24u);
    EXPECT_EQ(edit.GetText(6), "yyyyy");
}

TEST(ListBox, SelectionFollowsItems)
{
    ScriptWindow window;
    TDialog dialog(&window, 9020);
    TListBox list(dialog, 77);
    EXPECT_EQ(list.AddString("sink"), 0);
    EXPECT_EQ(list.AddString("bath"), 1);
    EXPECT_EQ(list.GetSelIndex(), -1);
    list.SetSelIndex(1);
    EXPECT_EQ(list.GetSelString(), "bath");
    EXPECT_EQ(list.FindExact("sink"), 0);
    EXPECT_EQ(list.FindExact("tub"), -1);
    list.SetSelIndex(5);
    EXPECT_EQ(list.GetSelIndex(), -1);
    list.ClearList();
    EXPECT_EQ(list.GetCount(), 0);
}

TEST(ListBox, SortedListKeepsAlphabeticalOrder)
{
    ScriptWindow window;
    TDialog dialog(&window, 9020);
    TListBox list(dialog, 77);
    ControlTemplate sorted{77, ControlKind::ListBox, "", 0, 0, 10, 10, false, true};
    list.Bind(sorted);
    list.AddString("sink");
    list.SetSelIndex(0);
    EXPECT_EQ(list.AddString("Bath"), 0);
    EXPECT_EQ(list.AddString("basin"), 0);
    EXPECT_EQ(list.AddString("WC"), 3);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"basin", "Bath", "sink", "WC"}));
    // The selection stays on its item.
    EXPECT_EQ(list.GetSelString(), "sink");
}

TEST(Dialog, BindingTakesTemplateTextsAndRejectsWrongKinds)
{
    ScriptWindow window;
    NameDialog dialog(&window);
    dialog.name->SetText("old");
    dialog.Bind(*FindDialogTemplate(9020));
    EXPECT_EQ(dialog.name->GetText(), "name");

    // A control missing from the template, or of another kind, is a programming error.
    class Wrong : public TDialog {
    public:
        explicit Wrong(TWindow* parent) : TDialog(parent, 9020)
        {
            Create<TRadioButton>(9021);
            Create<TEdit>(4242, 5);
        }
    } wrong(&window);
    auto faults = wrong.TemplateMismatches(*FindDialogTemplate(9020));
    ASSERT_EQ(faults.size(), 2u);
    EXPECT_NE(faults[0].find("9021"), std::string::npos);
    EXPECT_NE(faults[1].find("4242"), std::string::npos);
    EXPECT_THROW(wrong.Bind(*FindDialogTemplate(9020)), std::logic_error);
}

TEST(Dialog, ClosingChecksEnabledFieldsAndNamesTheProblem)
{
    ScriptWindow window;
    NameDialog dialog(&window);
    dialog.Bind(*FindDialogTemplate(9020));
    dialog.name->SetText("bad/name");
    window.runner.AddAnswer("message ok");
    dialog.CloseWindow(IDOK);
    EXPECT_FALSE(dialog.IsEnded());
    EXPECT_EQ(dialog.FocusId(), 9021);
    ASSERT_EQ(window.runner.Transcript().size(), 1u);
    EXPECT_EQ(window.runner.Transcript()[0], "message Arkweld 4.0 | Use letters, digits, comma and blank only");

    // A disabled field is not checked.
    dialog.name->EnableWindow(false);
    dialog.CloseWindow(IDOK);
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_EQ(dialog.Result(), IDOK);
}

TEST(Dialog, CommandsReachTheirHandlers)
{
    ScriptWindow window;
    NameDialog dialog(&window);
    dialog.Bind(*FindDialogTemplate(9020));
    dialog.Command(IDHELP);
    EXPECT_EQ(window.runner.HelpRequests(), std::vector<int>{200});
    EXPECT_FALSE(dialog.IsEnded());
    dialog.Command(IDOK);
    EXPECT_EQ(dialog.okCalls, 1);
    EXPECT_EQ(dialog.Result(), IDOK);
    // Nothing reaches an ended dialog.
    dialog.Command(IDOK);
    EXPECT_EQ(dialog.okCalls, 1);

    // Cancel ends at once, whatever the fields hold.
    NameDialog other(&window);
    other.Bind(*FindDialogTemplate(9020));
    other.name->SetText("bad/name");
    other.Command(IDCANCEL);
    EXPECT_EQ(other.Result(), IDCANCEL);
    EXPECT_EQ(other.okCalls, 0);
}

TEST(Dialog, WithoutAParentItCannotRun)
{
    TDialog dialog(nullptr, 9020);
    EXPECT_THROW(dialog.Execute(), std::logic_error);
}

TEST(InputDialog, BufferHoldsOneCharacterLessThanItsSize)
{
    ScriptWindow window;
    TInputDialog input(&window, "Measurement", "", "123456789", 8);
    EXPECT_EQ(input.GetBuffer(), "1234567");
    window.runner.AddAnswer("input 98765432109");
    EXPECT_EQ(input.Execute(), IDOK);
    EXPECT_EQ(input.GetBuffer(), "9876543");
    window.runner.AddAnswer("input cancel");
    EXPECT_EQ(input.Execute(), IDCANCEL);
    EXPECT_EQ(input.GetBuffer(), "9876543");
}
