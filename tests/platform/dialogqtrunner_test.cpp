// The Qt dialog runner under the offscreen platform: every template builds into a window whose
// labels fit, and a bound dialog runs its own handlers from real widget events.
#include "platform/colourdialog.h"
#include "platform/inputdialog.h"
#include "platform/listbox.h"
#include "platform/qt/helpviewer.h"
#include "platform/qt/qtdialogrunner.h"
#include "platform/qt/templatedialog.h"
#include "resources/helppages.h"
#include "tests/platform/dialogtestclasses.h"

#include <QApplication>
#include <QColorDialog>
#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace dialogtest;

namespace {

class QtWindow : public TWindow {
public:
    QtDialogRunner runner;
    DialogRunner& Runner() override { return runner; }
};

// Runs `step` once the innermost modal loop is running.
void Later(std::function<void()> step)
{
    QTimer::singleShot(0, qApp, std::move(step));
}

void TypeInto(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

void PressKey(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

QPushButton* Button(TemplateDialog& window, int id)
{
    return qobject_cast<QPushButton*>(window.ControlWidget(id));
}

QLineEdit* LineEdit(TemplateDialog& window, int id)
{
    return qobject_cast<QLineEdit*>(window.ControlWidget(id));
}

bool KindMatches(ControlKind kind, QWidget* widget)
{
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton: {
        auto* button = qobject_cast<QPushButton*>(widget);
        return button && button->isDefault() == (kind == ControlKind::DefPushButton);
    }
    case ControlKind::Edit: return qobject_cast<QLineEdit*>(widget);
    case ControlKind::Static:
    case ControlKind::Icon: return qobject_cast<QLabel*>(widget);
    case ControlKind::GroupBox: return qobject_cast<QGroupBox*>(widget);
    case ControlKind::AutoRadio: return qobject_cast<QRadioButton*>(widget);
    case ControlKind::CheckBox: return qobject_cast<QCheckBox*>(widget);
    case ControlKind::ListBox: return qobject_cast<QListWidget*>(widget);
    }
    return false;
}

// Why a control's text does not fit its rectangle; empty when it fits.
std::string TextFit(const ControlTemplate& control, QWidget* widget)
{
    QSize size = widget->size();
    QFontMetrics metrics(widget->font());
    QString shown = QString::fromStdString(DisplayText(control.text));
    switch (control.kind) {
    case ControlKind::Static: {
        auto* label = static_cast<QLabel*>(widget);
        // Every word fits the width, and the wrapped lines fit the height.
        for (const QString& word : shown.split(' ', Qt::SkipEmptyParts))
            if (metrics.horizontalAdvance(word) > size.width())
                return "word \"" + word.toStdString() + "\" is wider than the label";
        int needed = label->heightForWidth(size.width());
        if (needed > size.height())
            return "needs " + std::to_string(needed) + " px of height, has " + std::to_string(size.height());
        return {};
    }
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
        // Styles give buttons a minimum width of their own; the text needs a margin either side.
        if (metrics.horizontalAdvance(shown) + 8 > size.width())
            return "text is wider than the button";
        if (metrics.height() > size.height())
            return "text is taller than the button";
        return {};
    case ControlKind::AutoRadio:
    case ControlKind::CheckBox: {
        QSize hint = widget->sizeHint();
        if (hint.width() > size.width())
            return "needs " + std::to_string(hint.width()) + " px of width, has " + std::to_string(size.width());
        if (metrics.height() > size.height())
            return "text is taller than the control";
        return {};
    }
    case ControlKind::GroupBox:
        if (metrics.horizontalAdvance(shown) + 16 > size.width())
            return "title is wider than the box";
        return {};
    case ControlKind::Edit: {
        // An edit shows its template text and at least one character of its own height.
        if (metrics.height() + 2 > size.height())
            return "edit is lower than its text";
        return {};
    }
    default: return {};
    }
}

}  // namespace

TEST(DialogQtRunner, DialogUnitsFollowTheFontsBaseUnits)
{
    QSize base = TemplateDialog::BaseUnits(TemplateDialog::DialogFont());
    EXPECT_EQ(base, QSize(6, 13));
    TemplateDialog window(*FindDialogTemplate(2024));
    EXPECT_EQ(window.size(), QSize(270, 260));
    EXPECT_EQ(window.windowTitle(), "new drawing");
}

TEST(DialogQtRunner, EveryTemplateBuildsWithItsControlsAndGroups)
{
    ASSERT_FALSE(AllDialogTemplates().empty());
    for (const DialogTemplate& dialogTemplate : AllDialogTemplates()) {
        SCOPED_TRACE("dialog " + std::to_string(dialogTemplate.id));
        EXPECT_EQ(FindDialogTemplate(dialogTemplate.id), &dialogTemplate);
        TemplateDialog window(dialogTemplate);
        EXPECT_EQ(window.windowTitle().toStdString(), dialogTemplate.caption);
        ASSERT_EQ(window.Widgets().size(), dialogTemplate.controls.size());
        std::set<int> ids;
        bool hasOk = false;
        for (const auto& [control, widget] : window.Widgets()) {
            SCOPED_TRACE("control " + std::to_string(control->id) + " \"" + control->text + "\"");
            EXPECT_TRUE(KindMatches(control->kind, widget));
            if (control->id != -1) {
                EXPECT_TRUE(ids.insert(control->id).second) << "duplicate id";
                EXPECT_EQ(window.ControlWidget(control->id), widget);
            }
            hasOk = hasOk || (control->id == 1 && control->kind == ControlKind::DefPushButton);
            // Inside the dialog and its text fits.
            EXPECT_TRUE(window.rect().contains(widget->geometry())) << "outside the dialog";
            EXPECT_EQ(TextFit(*control, widget), "");
            if (control->kind == ControlKind::AutoRadio) {
                QButtonGroup* group = window.RadioGroup(control->id);
                ASSERT_NE(group, nullptr);
                std::vector<int> expected = RadioGroupOf(dialogTemplate, control->id);
                std::vector<int> actual;
                for (QAbstractButton* button : group->buttons())
                    actual.push_back(group->id(button));
                EXPECT_EQ(actual, expected);
            }
        }
        EXPECT_TRUE(hasOk) << "no default OK button";
        // Apart from group boxes around them, no two controls overlap.
        for (const auto& [a, aWidget] : window.Widgets())
            for (const auto& [b, bWidget] : window.Widgets())
                if (a < b && a->kind != ControlKind::GroupBox && b->kind != ControlKind::GroupBox) {
                    EXPECT_FALSE(aWidget->geometry().intersects(bWidget->geometry()))
                        << "\"" << a->text << "\" overlaps \"" << b->text << "\"";
                }
    }
}

TEST(DialogQtRunner, RadioGroupsAreRunsOfAutomaticButtons)
{
    DialogTemplate t{1, "t", 100, 100, {
        {10, ControlKind::AutoRadio, "a", 0, 0, 10, 10, true},
        {11, ControlKind::AutoRadio, "b", 0, 10, 10, 10},
        {12, ControlKind::AutoRadio, "c", 0, 20, 10, 10, true},
        {-1, ControlKind::GroupBox, "g", 0, 30, 10, 10},
        {13, ControlKind::AutoRadio, "d", 0, 40, 10, 10},
        {14, ControlKind::Edit, "", 0, 50, 10, 10},
    }};
    EXPECT_EQ(RadioGroupOf(t, 11), (std::vector<int>{10, 11}));
    EXPECT_EQ(RadioGroupOf(t, 12), std::vector<int>{12});
    EXPECT_EQ(RadioGroupOf(t, 13), std::vector<int>{13});
    EXPECT_TRUE(RadioGroupOf(t, 14).empty());
    EXPECT_EQ(DisplayText("feet && inches"), "feet & inches");
    EXPECT_EQ(DisplayText("&Help"), "Help");
}

TEST(DialogQtRunner, RunsTheDialogsHandlersFromWidgetEvents)
{
    QtWindow window;
    UnitsDialog dialog(&window);
    window.runner.SetDialogShownHook([](TemplateDialog& shown) {
        Later([&shown] {
            auto* metric = qobject_cast<QRadioButton*>(shown.ControlWidget(2026));
            auto* feet = qobject_cast<QRadioButton*>(shown.ControlWidget(2025));
            EXPECT_TRUE(metric->isChecked());
            EXPECT_FALSE(feet->isChecked());
            QLineEdit* name = LineEdit(shown, 2027);
            EXPECT_EQ(name->text(), "client");
            EXPECT_EQ(name->maxLength(), 24);
            name->selectAll();
            TypeInto(name, "Mr. Smith/2");
            feet->click();
            EXPECT_FALSE(metric->isChecked());
            Button(shown, 1)->click();
        });
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.nameRead, "Mr Smith2");
    EXPECT_FALSE(dialog.metricChosen);
}

TEST(DialogQtRunner, EscapeCancelsADialogWithoutCancelButton)
{
    QtWindow window;
    RangeDialog dialog(&window);
    window.runner.SetDialogShownHook([](TemplateDialog& shown) {
        Later([&shown] {
            EXPECT_EQ(shown.ControlWidget(2), nullptr);
            PressKey(&shown, Qt::Key_Escape);
        });
    });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
}

TEST(DialogQtRunner, RefusedOkShowsTheMessageAndKeepsTheDialogOpen)
{
    QtWindow window;
    RangeDialog dialog(&window);
    std::string message;
    QWidget* focusedAfter = nullptr;
    QWidget* totalWidget = nullptr;
    window.runner.SetDialogShownHook([&](TemplateDialog& shown) {
        totalWidget = shown.ControlWidget(5302);
        Later([&] {
            // Text set from code bypasses the typing check; closing checks it again.
            LineEdit(shown, 5302)->setText("20");
            Later([&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(box, nullptr);
                message = box->windowTitle().toStdString() + " | " + box->text().toStdString();
                box->button(QMessageBox::Ok)->click();
                Later([&] {
                    focusedAfter = shown.focusWidget();
                    EXPECT_TRUE(shown.isVisible());
                    LineEdit(shown, 5302)->setText("250");
                    Button(shown, 1)->click();
                });
            });
            Button(shown, 1)->click();
        });
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(message, "Arkweld 4.0 | Enter a whole number from 25 to 900");
    EXPECT_EQ(focusedAfter, totalWidget);
    EXPECT_EQ(dialog.total->GetText(), "250");
}

TEST(DialogQtRunner, LeavingABadFieldForAnotherControlBringsTheFocusBack)
{
    QtWindow window;
    RangeDialog dialog(&window);
    std::string message;
    QWidget* focusedAfter = nullptr;
    QWidget* linesWidget = nullptr;
    int helpAfterRefusal = -1;
    window.runner.SetDialogShownHook([&](TemplateDialog& shown) {
        linesWidget = shown.ControlWidget(5301);
        Later([&] {
            shown.activateWindow();
            Later([&] {
                ASSERT_EQ(QApplication::activeWindow(), &shown);
                QLineEdit* lines = LineEdit(shown, 5301);
                lines->setFocus();
                lines->selectAll();
                TypeInto(lines, "9");
                Later([&] {
                    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                        message = box->text().toStdString();
                        box->button(QMessageBox::Ok)->click();
                    }
                    Later([&] {
                        focusedAfter = shown.focusWidget();
                        helpAfterRefusal = window.runner.Viewer() ? window.runner.Viewer()->ContextId() : 0;
                        PressKey(&shown, Qt::Key_Escape);
                    });
                });
                // Tab to the next field.
                LineEdit(shown, 5302)->setFocus(Qt::TabFocusReason);
            });
        });
    });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(message, "Enter a whole number from 2 to 4");
    EXPECT_EQ(focusedAfter, linesWidget);
    EXPECT_EQ(helpAfterRefusal, 0);
}

TEST(DialogQtRunner, HelpButtonAndF1OpenTheContextsPage)
{
    QtWindow window;
    RangeDialog dialog(&window);
    int pressedContext = 0;
    int f1Context = 0;
    QString pageText;
    window.runner.SetDialogShownHook([&](TemplateDialog& shown) {
        Later([&] {
            Button(shown, 9)->click();
            ASSERT_NE(window.runner.Viewer(), nullptr);
            pressedContext = window.runner.Viewer()->ContextId();
            pageText = window.runner.Viewer()->PageText();
            EXPECT_TRUE(window.runner.Viewer()->isVisible());
            window.runner.Viewer()->ShowContext(0);
            PressKey(&shown, Qt::Key_F1);
            f1Context = window.runner.Viewer()->ContextId();
            PressKey(&shown, Qt::Key_Escape);
        });
    });
    EXPECT_EQ(dialog.Execute(), IDCANCEL);
    EXPECT_EQ(pressedContext, 250);
    EXPECT_EQ(f1Context, 250);
    EXPECT_TRUE(pageText.contains("External walls"));
}

TEST(DialogQtRunner, TheHelpWindowOpensOverTheMainWindowAndCloses)
{
    QWidget mainWindow;
    mainWindow.setGeometry(100, 50, 600, 500);
    mainWindow.show();
    QtDialogRunner runner(&mainWindow);
    runner.Help(200);
    HelpViewer* viewer = runner.Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    const QPoint offset = viewer->frameGeometry().center() - mainWindow.frameGeometry().center();
    // Within the width of a window frame, which the window learns only once it is shown.
    EXPECT_LE(offset.manhattanLength(), 8) << offset.x() << "," << offset.y();

    ASSERT_NE(viewer->CloseButton(), nullptr);
    EXPECT_EQ(viewer->CloseButton()->text().remove('&'), "Close");
    viewer->CloseButton()->click();
    EXPECT_FALSE(viewer->isVisible());

    // Escape typed in the page closes it as well; the next request shows the same window again.
    runner.Help(250);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_EQ(runner.Viewer(), viewer);
    PressKey(viewer->findChild<QTextBrowser*>(), Qt::Key_Escape);
    EXPECT_FALSE(viewer->isVisible());

    // Moved by the user while open, it stays there for the next page.
    runner.Help(200);
    viewer->move(10, 20);
    runner.Help(250);
    EXPECT_EQ(viewer->pos(), QPoint(10, 20));
    EXPECT_TRUE(viewer->PageText().contains("External walls"));
}

// The focus starts in the first field with its preset text selected, so typing replaces it.
TEST(DialogQtRunner, TypingReplacesTheFirstFieldsPresetText)
{
    QtWindow window;
    UnitsDialog names(&window);
    QString selected;
    window.runner.SetDialogShownHook([&](TemplateDialog& shown) {
        Later([&] {
            // The dialog's focus child: the offscreen platform need not activate the window.
            EXPECT_EQ(shown.focusWidget(), LineEdit(shown, 2027));
            selected = LineEdit(shown, 2027)->selectedText();
            TypeInto(LineEdit(shown, 2027), "abc");
            Button(shown, 1)->click();
        });
    });
    ASSERT_EQ(names.Execute(), IDOK);
    EXPECT_EQ(selected, "client");
    EXPECT_EQ(names.nameRead, "abc");

    // A text SetupWindow put there is replaced the same way; the later fields keep theirs.
    RangeDialog lines(&window);
    window.runner.SetDialogShownHook([&](TemplateDialog& shown) {
        Later([&] {
            EXPECT_EQ(shown.focusWidget(), LineEdit(shown, 5301));
            EXPECT_FALSE(LineEdit(shown, 5302)->hasSelectedText());
            TypeInto(LineEdit(shown, 5301), "4");
            Button(shown, 1)->click();
        });
    });
    ASSERT_EQ(lines.Execute(), IDOK);
    EXPECT_EQ(lines.lines->GetText(), "4");
    EXPECT_EQ(lines.total->GetText(), "100");
}

TEST(DialogQtRunner, MessageBoxesHonourTheirDefaultButton)
{
    QtWindow window;
    const auto pressOnBox = [](int key, QString* defaultText = nullptr) {
        Later([key, defaultText] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            if (defaultText && box->defaultButton())
                *defaultText = box->defaultButton()->text().remove('&');
            PressKey(box, key);
        });
    };
    QString shownDefault;
    pressOnBox(Qt::Key_Return, &shownDefault);
    EXPECT_EQ(window.MessageBox("Replace it?", "Arkweld 4.0", MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2), IDNO);
    EXPECT_EQ(shownDefault, "No");
    pressOnBox(Qt::Key_Return);
    EXPECT_EQ(window.MessageBox("Replace it?", "Arkweld 4.0", MB_YESNO | MB_ICONQUESTION), IDYES);
    pressOnBox(Qt::Key_Return);
    EXPECT_EQ(window.MessageBox("Print?", "PRINT", MB_YESNOCANCEL | MB_DEFBUTTON3), IDCANCEL);
    pressOnBox(Qt::Key_Escape);
    EXPECT_EQ(window.MessageBox("Replace it?", "Arkweld 4.0", MB_YESNO), IDNO);
    pressOnBox(Qt::Key_Escape);
    EXPECT_EQ(window.MessageBox("Print?", "PRINT", MB_YESNOCANCEL), IDCANCEL);
    pressOnBox(Qt::Key_Escape);
    EXPECT_EQ(window.MessageBox("Saved", "FILE", MB_OK), IDOK);
}

TEST(DialogQtRunner, MessageBoxesAndTextInput)
{
    QtWindow window;
    Later([] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->icon(), QMessageBox::Question);
        box->button(QMessageBox::No)->click();
    });
    EXPECT_EQ(window.MessageBox("Replace it?", "Arkweld 4.0", MB_YESNO | MB_ICONQUESTION), IDNO);

    TInputDialog input(&window, "Measurement", "", "1200", 8);
    Later([] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "Measurement");
        auto* edit = dialog->findChild<QLineEdit*>();
        EXPECT_EQ(edit->text(), "1200");
        edit->selectAll();
        TypeInto(edit, "123456789");
        dialog->accept();
    });
    EXPECT_EQ(input.Execute(), IDOK);
    EXPECT_EQ(input.GetBuffer(), "1234567");

    Later([] { qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject(); });
    EXPECT_EQ(input.Execute(), IDCANCEL);
    EXPECT_EQ(input.GetBuffer(), "1234567");
}

TEST(DialogQtRunner, ColourChooserOpensOnItsColourAndGivesTheChoice)
{
    QtWindow window;
    TColourDialog chooser(&window, "bedroom colour", MakeColour(0x40, 0x80, 0xC0));
    Later([] {
        auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), "bedroom colour");
        EXPECT_EQ(dialog->currentColor(), QColor(0x40, 0x80, 0xC0));
        dialog->setCurrentColor(QColor(0x11, 0x22, 0x33));
        dialog->accept();
    });
    EXPECT_EQ(chooser.Execute(), IDOK);
    EXPECT_EQ(chooser.Colour(), MakeColour(0x11, 0x22, 0x33));

    Later([] { qobject_cast<QDialog*>(QApplication::activeModalWidget())->reject(); });
    EXPECT_EQ(chooser.Execute(), IDCANCEL);
    EXPECT_EQ(chooser.Colour(), MakeColour(0x11, 0x22, 0x33));
}

// Fields hold texts as the program keeps every text, one byte per character (the drawing shows
// the same bytes): a character without a byte of its own cannot be typed, and the limit counts
// characters.
TEST(DialogQtRunner, FieldsKeepOneBytePerCharacter)
{
    class TextDialog : public TDialog {
    public:
        explicit TextDialog(TWindow* parent) : TDialog(parent, 2690) { text = Create<TEdit>(2691, 7); }
        void SetupWindow() override { text->SetText("caf\xE9"); }
        TEdit* text;
    };
    QtWindow window;
    TextDialog dialog(&window);
    QString shown;
    window.runner.SetDialogShownHook([&](TemplateDialog& shownWindow) {
        Later([&] {
            QLineEdit* edit = LineEdit(shownWindow, 2691);
            shown = edit->text();
            edit->end(false);
            TypeInto(edit, QString::fromUtf16(u"\u20AC\u00FC \u00F1"));
            Button(shownWindow, 1)->click();
        });
    });
    EXPECT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(shown, QString::fromUtf16(u"caf\u00E9"));
    EXPECT_EQ(dialog.text->GetText(), "caf\xE9\xFC ");

    TInputDialog input(&window, "Text", "", "\xE9t\xE9", 8);
    Later([&] {
        auto* edit = QApplication::activeModalWidget()->findChild<QLineEdit*>();
        shown = edit->text();
        edit->selectAll();
        TypeInto(edit, QString::fromUtf16(u"\u00E7a \u2013 l\u00E0"));
        qobject_cast<QDialog*>(QApplication::activeModalWidget())->accept();
    });
    EXPECT_EQ(input.Execute(), IDOK);
    EXPECT_EQ(shown, QString::fromUtf16(u"\u00E9t\u00E9"));
    EXPECT_EQ(input.GetBuffer(), "\xE7" "a  l\xE0");
}

TEST(DialogQtRunner, UserSelectionInAListReachesTheDialog)
{
    DialogTemplate listTemplate{1, "list", 100, 100, {
        {40, ControlKind::ListBox, "", 5, 5, 90, 60, false, true},
        {1, ControlKind::DefPushButton, "OK", 25, 75, 50, 14},
    }};
    class ListDialog : public TDialog {
    public:
        explicit ListDialog(TWindow* parent) : TDialog(parent, 1) { list = Create<TListBox>(40); }
        void SetupWindow() override
        {
            list->AddString("tub");
            list->AddString("basin");
        }
        void ListSelectionChanged(int id) override { selections.push_back(list->GetSelString()); }
        TListBox* list;
        std::vector<std::string> selections;
    };
    QtWindow window;
    ListDialog dialog(&window);
    dialog.Bind(listTemplate);
    TemplateDialog shown(listTemplate);
    dialog.SetupWindow();
    shown.Attach(dialog);
    auto* widget = qobject_cast<QListWidget*>(shown.ControlWidget(40));
    ASSERT_EQ(widget->count(), 2);
    EXPECT_EQ(widget->item(0)->text(), "basin");
    // A selection made by the program is not reported; the user's is.
    dialog.list->SetSelIndex(1);
    shown.PushState();
    EXPECT_TRUE(dialog.selections.empty());
    widget->item(0)->setSelected(true);
    EXPECT_EQ(dialog.selections, std::vector<std::string>{"basin"});
    EXPECT_EQ(dialog.list->GetSelIndex(), 0);
}

TEST(HelpPages, EveryContextTheProgramUsesHasAPage)
{
    for (int id : {200, 210, 230, 242, 250, 260, 270, 280, 290, 300, 310, 320, 330, 360, 500}) {
        const HelpPage* page = FindHelpPage(id);
        ASSERT_NE(page, nullptr) << id;
        EXPECT_GT(std::string(page->html).size(), 100u) << id;
    }
    EXPECT_EQ(FindHelpPage(12345), nullptr);
    HelpViewer viewer;
    viewer.ShowContext(12345);
    EXPECT_TRUE(viewer.PageText().contains("12345"));
}
