// Every dialog class against its template: each control the class creates exists in the template
// with the right kind, and the dialog runs under the Qt runner with its caption.
#include "dialogs/aboutdlg.h"
#include "dialogs/akwprntdlg.h"
#include "dialogs/areadlg.h"
#include "dialogs/atolibdlg.h"
#include "dialogs/configdlg.h"
#include "dialogs/dbledlg.h"
#include "dialogs/ddoordlg.h"
#include "dialogs/displandlg.h"
#include "dialogs/doordlg.h"
#include "dialogs/entrydlg.h"
#include "dialogs/extsidedlg.h"
#include "dialogs/feetdlg.h"
#include "dialogs/liblistdlg.h"
#include "dialogs/linedlg.h"
#include "dialogs/ltxtdlg.h"
#include "dialogs/manipdlg.h"
#include "dialogs/maxroomdlg.h"
#include "dialogs/measdlg.h"
#include "dialogs/miscdrdlg.h"
#include "dialogs/newdlg.h"
#include "dialogs/offsetdlg.h"
#include "dialogs/overdlg.h"
#include "dialogs/plancustdlg.h"
#include "dialogs/plandlg.h"
#include "dialogs/prntcalmdlg.h"
#include "dialogs/rmpttndlg.h"
#include "dialogs/roomdlg.h"
#include "dialogs/savedlg.h"
#include "dialogs/sdoordlg.h"
#include "dialogs/strsdlg.h"
#include "dialogs/textdlg.h"
#include "dialogs/title2ddlg.h"
#include "dialogs/troomdlg.h"
#include "dialogs/windlg.h"
#include "platform/checkbox.h"
#include "platform/listbox.h"
#include "platform/qt/qtdialogrunner.h"
#include "platform/qt/templatedialog.h"
#include "platform/static.h"
#include "tests/dialogs/dialogtesthelpers.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

class QtWindow : public TWindow {
public:
    QtDialogRunner runner;
    DialogRunner& Runner() override { return runner; }
};

using Factory = std::function<std::unique_ptr<TDialog>(TWindow*)>;

template <class Dialog, int Id>
Factory Make()
{
    return [](TWindow* parent) { return std::make_unique<Dialog>(parent, Id); };
}

const std::vector<std::pair<int, Factory>>& DialogClasses()
{
    static const std::vector<std::pair<int, Factory>> classes = {
        {2024, Make<TNewdlg, 2024>()},
        {5450, Make<TMeasdlg, 5450>()},
        {9020, Make<TSavedlg, 9020>()},
        {20000, Make<TTitle2Ddlg, 20000>()},
        {2690, Make<TLtxtdlg, 2690>()},
        {9030, Make<TAboutdlg, 9030>()},
        {9500, [](TWindow* parent) { return std::make_unique<TFeetdlg>(parent, 9500, 2604); }},
        {2480, Make<TPlandlg, 2480>()},
        {2900, Make<TPlanimpdlg, 2900>()},
        {5300, Make<TPlancustdlg, 5300>()},
        {5350, Make<TPlanimpcustdlg, 5350>()},
        {4200, Make<TExtsidedlg, 4200>()},
        {7000, Make<TDbledlg, 7000>()},
        {7500, Make<TDbleimpdlg, 7500>()},
        {5200, Make<TOverdlg, 5200>()},
        {18500, Make<TDisplandlg, 18500>()},
        {17000, Make<TAreadlg, 17000>()},
        {5500, Make<TOffsetdlg, 5500>()},
        {5600, Make<TOffsetimpdlg, 5600>()},
        {2300, Make<TTextdlg, 2300>()},
        {14000, Make<TLinedlg, 14000>()},
        {5400, Make<TConfigdlg, 5400>()},
        {6500, Make<TWindlg, 6500>()},
        {6000, Make<TEntrydlg, 6000>()},
        {10500, Make<TDoordlg, 10500>()},
        {10000, Make<TDDoordlg, 10000>()},
        {13000, Make<TSdoordlg, 13000>()},
        {13500, Make<TMiscdrdlg, 13500>()},
        {21000, Make<TRmpttndlg, 21000>()},
        {21500, Make<TRmpttnimpdlg, 21500>()},
        {22000, Make<TTroomdlg, 22000>()},
        {22500, Make<TTroomimpdlg, 22500>()},
        {23000, [](TWindow* parent) { return std::make_unique<TMaxroomdlg>(parent, 23000, 3100, 30000); }},
        {23500, [](TWindow* parent) { return std::make_unique<TMaxroomimpdlg>(parent, 23500, 3612, 2880); }},
        {2550, Make<TStrsdlg, 2550>()},
        {3080, Make<TStrsimpdlg, 3080>()},
        {8000, Make<TRoomdlg, 8000>()},
        {8500, Make<TRoomimpdlg, 8500>()},
        {19500, Make<TAkwprntdlg, 19500>()},
        {3200, Make<TPrntcalmdlg, 3200>()},
        {3300, Make<TPrntcalidlg, 3300>()},
        {16000, Make<TAtolibdlg, 16000>()},
        {15500, [](TWindow* parent) { return std::make_unique<TLiblistdlg>(parent, 15500, 3); }},
        {19000, Make<TManipdlg, 19000>()},
    };
    return classes;
}

bool WidgetOfKind(const TControl& control, QWidget* widget)
{
    switch (control.Kind()) {
    case ControlKind::Edit: return qobject_cast<QLineEdit*>(widget);
    case ControlKind::AutoRadio: return qobject_cast<QRadioButton*>(widget);
    case ControlKind::CheckBox: return qobject_cast<QCheckBox*>(widget);
    case ControlKind::Static: return qobject_cast<QLabel*>(widget);
    case ControlKind::ListBox: return qobject_cast<QListWidget*>(widget);
    default: return false;
    }
}

}  // namespace

using DialogTemplates = DialogTest;

TEST_F(DialogTemplates, EveryDialogClassFitsItsTemplate)
{
    for (const auto& [id, make] : DialogClasses()) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        const DialogTemplate* dialogTemplate = FindDialogTemplate(id);
        ASSERT_NE(dialogTemplate, nullptr);
        auto dialog = make(&window);
        EXPECT_EQ(dialog->ResourceId(), id);
        EXPECT_TRUE(dialog->TemplateMismatches(*dialogTemplate).empty());
        // Help is offered exactly where the template has a Help button.
        bool helpButton = FindControlTemplate(*dialogTemplate, IDHELP) != nullptr;
        EXPECT_EQ(dialog->HelpContext() > 0, helpButton);
    }
}

TEST_F(DialogTemplates, EveryDialogRunsUnderTheQtRunner)
{
    QtWindow qtWindow;
    for (const auto& [id, make] : DialogClasses()) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        auto dialog = make(&qtWindow);
        int checkedControls = 0;
        std::string caption;
        qtWindow.runner.SetDialogShownHook([&](TemplateDialog& shown) {
            caption = shown.windowTitle().toStdString();
            for (const auto& control : dialog->Controls()) {
                EXPECT_TRUE(WidgetOfKind(*control, shown.ControlWidget(control->Id()))) << control->Id();
                ++checkedControls;
            }
            QTimer::singleShot(0, &shown, [&shown] {
                QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
                QApplication::sendEvent(&shown, &escape);
            });
        });
        EXPECT_EQ(dialog->Execute(), IDCANCEL);
        EXPECT_EQ(caption, FindDialogTemplate(id)->caption);
        EXPECT_EQ(checkedControls, int(dialog->Controls().size()));
    }
}

TEST_F(DialogTemplates, QtRunOfTheNewDrawingDialogSetsTheUnits)
{
    SetCfg("METRIC.CFG", "1");
    State().unitSystem = 1;
    QtWindow qtWindow;
    TNewdlg dialog(&qtWindow, 2024);
    qtWindow.runner.SetDialogShownHook([](TemplateDialog& shown) {
        QTimer::singleShot(0, &shown, [&shown] {
            qobject_cast<QRadioButton*>(shown.ControlWidget(2025))->click();
            auto* name = qobject_cast<QLineEdit*>(shown.ControlWidget(2027));
            name->selectAll();
            for (QChar c : QString("Lee's plan")) {
                QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(name, &key);
            }
            qobject_cast<QAbstractButton*>(shown.ControlWidget(1))->click();
        });
    });
    ASSERT_EQ(dialog.Execute(), IDOK);
    EXPECT_EQ(dialog.clientName, "Lees plan");
    EXPECT_EQ(State().unitSystem, 0);
    EXPECT_EQ(Cfg("METRIC.CFG"), "0");
}
