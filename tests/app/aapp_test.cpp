// The Qt frame: its menu and toolbar built from the tables, drawing windows in the MDI area; the
// drawing window's cursor, wheel, key codes and the areas its tools' canvases show.
#include "app/families/designroomfamily.h"
#include "app/qt/aapp.h"
#include "app/qt/drawingwindow.h"
#include "app/qt/eventcanvas.h"
#include "app/qt/keycodes.h"
#include "model/drawingedit.h"
#include "model/lineobj.h"
#include "model/startingdrawing.h"
#include "tools/texttool.h"
#include "platform/qt/bandworkers.h"
#include "platform/qt/printersetupdialog.h"
#include "rooms/droomobjtool.h"
#include "tests/app/appfixture.h"

#include <QAction>
#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPageLayout>
#include <QPrinter>
#include <QRadioButton>
#include <QTimer>
#include <QStatusBar>
#include <QToolBar>
#include <QWheelEvent>

#include <algorithm>
#include <filesystem>

class FrameTest : public ::testing::Test {
protected:
    FrameTest()
    {
        PrepareProgramDirectory(dir.prefix());
        State().programDirectory = dir.prefix();
        frame = std::make_unique<TAApp>();
    }
    ~FrameTest() override { frame.reset(); }

    // A drawing of the four floor records and one ground-floor line, written as File/New would.
    void WriteDrawing(const std::string& name)
    {
        FreshDrawingState writer;
        writer.state().programDirectory = dir.prefix();
        writer.state().drawingName = name;
        TDrawingEdit edit(writer.state().objects);
        AddStartingRecords(edit, writer.state().unitSystem);
        auto line = std::make_unique<TLineobj>();
        line->floor = 50;
        line->x1 = 1000;
        line->y1 = 1000;
        line->x2 = 3000;
        line->y2 = 1000;
        edit.Add(std::move(line));
        ASSERT_TRUE(edit.Commit());
    }

    // Shows the frame and opens a drawing in it; returns the drawing's window.
    DrawingWindow& OpenDrawing(const std::string& name)
    {
        frame->resize(1000, 800);
        frame->Start();
        WriteDrawing(name);
        EXPECT_TRUE(frame->Client().OpenDrawing(name));
        QApplication::processEvents();
        return *qobject_cast<DrawingWindow*>(frame->MdiArea().subWindowList().front()->widget());
    }
    static DrawingView& View(DrawingWindow& window) { return *window.findChild<DrawingView*>(); }

    TempDir dir;
    FreshDrawingState fresh;
    std::unique_ptr<TAApp> frame;
};

TEST_F(FrameTest, TheMenuAndToolbarFollowTheTables)
{
    EXPECT_EQ(frame->windowTitle(), "Arkweld 4.0");
    QStringList menus;
    for (QAction* action : frame->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus.join("|").toStdString(),
              "&File|&Edit|&View|&Zoom|&Tools|&Walls && Base|&Other|&Design Rooms|&Libraries|&Customise|&Help");
    for (int id : MenuCommandIds()) {
        QAction* action = frame->CommandAction(id);
        ASSERT_NE(action, nullptr) << id;
        EXPECT_EQ(action->isEnabled(), TClient::IsCommandEnabled(id)) << id;
    }
    QToolBar* toolbar = frame->findChild<QToolBar*>("toolbar");
    ASSERT_NE(toolbar, nullptr);
    EXPECT_TRUE(toolbar->isMovable());
    int buttons = 0;
    for (QAction* action : toolbar->actions())
        if (!action->isSeparator() && !action->icon().isNull())
            ++buttons;
    EXPECT_EQ(buttons, 17);
    EXPECT_NE(frame->CommandAction(CM_CENTRE), nullptr);
    EXPECT_TRUE(frame->CommandAction(CM_CENTRE)->isEnabled());
    EXPECT_TRUE(frame->CommandAction(CM_STAIRS)->isEnabled());
    // A command no family has built yet is shown disabled.
    const std::vector<int> menu = MenuCommandIds();
    const auto unbuilt = std::find_if(menu.begin(), menu.end(), [](int id) { return !FindCommand(id); });
    if (unbuilt != menu.end()) {
        EXPECT_FALSE(frame->CommandAction(*unbuilt)->isEnabled()) << *unbuilt;
    }
}

TEST_F(FrameTest, StartShowsTheOpeningPrompt)
{
    frame->Start();
    EXPECT_EQ(frame->Client().Prompt(), "Press FILE/NEW or FILE/OPEN");
    bool found = false;
    for (QLabel* label : frame->findChildren<QLabel*>())
        found = found || label->text() == "Press FILE/NEW or FILE/OPEN";
    EXPECT_TRUE(found);
}

TEST_F(FrameTest, ADrawingOpensInTheMdiAreaAndClosesWithItsWindow)
{
    frame->resize(1000, 800);
    frame->Start();
    WriteDrawing("ONE");
    WriteDrawing("TWO");
    ASSERT_TRUE(frame->Client().OpenDrawing("ONE"));
    ASSERT_TRUE(frame->Client().OpenDrawing("TWO"));
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    ASSERT_EQ(frame->MdiArea().subWindowList().size(), 1);
    QMdiSubWindow* sub = frame->MdiArea().subWindowList().front();
    EXPECT_EQ(sub->windowTitle(), "TWO.PLN");
    auto* window = qobject_cast<DrawingWindow*>(sub->widget());
    ASSERT_NE(window, nullptr);
    // The view shows the whole sheet: the line from model (1000, 1000) to (3000, 1000) lies near
    // its lower-left corner.
    const QImage& image = window->BackingImage();
    ASSERT_GT(image.height(), 300);
    const TPoint onLine = window->Child().DevicePointOf({2000, 1000});
    const TPoint above = window->Child().DevicePointOf({2000, 1500});
    EXPECT_LT(onLine.x, image.width() / 4);
    EXPECT_GT(onLine.y, image.height() * 3 / 4);
    EXPECT_EQ(image.pixel(onLine.x, onLine.y), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(above.x, above.y), qRgb(255, 255, 255));
    EXPECT_EQ(State().viewExtX, 12000);
    EXPECT_EQ(State().viewExtY, 8400);

    sub->close();
    QApplication::processEvents();
    QApplication::processEvents();
    EXPECT_EQ(frame->Client().ActiveChild(), nullptr);
    EXPECT_TRUE(frame->MdiArea().subWindowList().isEmpty());
}

TEST_F(FrameTest, ADrawingWindowRestoredFromMaximisedGetsTwoThirdsOfTheArea)
{
    DrawingWindow& window = OpenDrawing("PLAN");
    QMdiSubWindow* sub = window.SubWindow();
    ASSERT_NE(sub, nullptr);
    ASSERT_TRUE(sub->isMaximized());
    const QSize area = frame->MdiArea().viewport()->size();
    ASSERT_GT(area.width(), 600);

    sub->showNormal();
    QApplication::processEvents();
    EXPECT_FALSE(sub->isMaximized());
    EXPECT_EQ(sub->size(), QSize(area.width() * 2 / 3, area.height() * 2 / 3));
    EXPECT_TRUE(frame->MdiArea().viewport()->rect().contains(sub->geometry()));
    // The drawing's client area and its backing image follow the window.
    EXPECT_EQ(window.ClientRect().Width(), View(window).width());
    EXPECT_EQ(window.BackingImage().size(), View(window).size());
    EXPECT_GT(View(window).width(), area.width() / 2);

    // A size the user gives the window is kept through the next maximise and restore.
    sub->resize(500, 400);
    sub->showMaximized();
    QApplication::processEvents();
    sub->showNormal();
    QApplication::processEvents();
    EXPECT_EQ(sub->size(), QSize(500, 400));
}

TEST_F(FrameTest, PrinterSetupOpensThePrinterAndPaperChoice)
{
    frame->Start();
    QString title;
    QTimer::singleShot(0, frame.get(), [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        auto* setup = dynamic_cast<PrinterSetupDialog*>(dialog);
        ASSERT_NE(setup, nullptr);
        setup->LandscapeButton()->setChecked(true);
        setup->accept();
    });
    EXPECT_TRUE(frame->PrinterSetup());
    EXPECT_EQ(title, "Printer Setup");
    EXPECT_EQ(frame->Printer().pageLayout().orientation(), QPageLayout::Landscape);
}

TEST(KeyCodes, QtKeysBecomeTheWindowsKeyCodes)
{
    auto code = [](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        return VirtualKeyOf(event);
    };
    EXPECT_EQ(code(Qt::Key_Return), 13);
    EXPECT_EQ(code(Qt::Key_Enter, Qt::KeypadModifier), 13);
    EXPECT_EQ(code(Qt::Key_Left), 37);
    EXPECT_EQ(code(Qt::Key_Up), 38);
    EXPECT_EQ(code(Qt::Key_Right), 39);
    EXPECT_EQ(code(Qt::Key_Down), 40);
    EXPECT_EQ(code(Qt::Key_Plus, Qt::KeypadModifier), 107);
    EXPECT_EQ(code(Qt::Key_Minus, Qt::KeypadModifier), 109);
    EXPECT_NE(code(Qt::Key_Plus), 107);
    EXPECT_EQ(code(Qt::Key_F1), 112);
    EXPECT_EQ(code(Qt::Key_A), 'A');
    EXPECT_EQ(code(Qt::Key_PageUp), 33);
    EXPECT_EQ(code(Qt::Key_Escape), 27);
}

TEST_F(FrameTest, ThePointerEnteringTheViewPlacesTheCursor)
{
    // The pointer may move while a dialog has the input: on its way back into the view the
    // window's cursor follows it, so that ENTER marks where the pointer is.
    DrawingWindow& window = OpenDrawing("PLAN");
    const QPointF at(120, 80);
    QEnterEvent enter(at, at, View(window).mapToGlobal(at));
    QApplication::sendEvent(&View(window), &enter);
    EXPECT_EQ(window.CursorPos(), (TPoint{120, 80}));
}

TEST_F(FrameTest, TypedTextTakesLettersAndBackspaceFromTheKeyboard)
{
    DrawingWindow& window = OpenDrawing("PLAN");
    frame->Client().SetToolForKind(KIND_TYPED_TEXT);
    auto& tool = static_cast<TTexttool&>(*frame->Client().CurrentTool());
    auto press = [&](int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
        QApplication::sendEvent(&View(window), &event);
    };
    View(window).setFocus();
    QMouseEvent click(QEvent::MouseButtonPress, QPointF(200, 200), View(window).mapToGlobal(QPointF(200, 200)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&View(window), &click);
    press(Qt::Key_A, "A", Qt::ShiftModifier);
    press(Qt::Key_B, "b");
    press(Qt::Key_Backspace, "\b");
    press(Qt::Key_C, "c");
    EXPECT_EQ(tool.text, "Ac");
    EXPECT_EQ(window.Child().markX, 0) << "A is a letter of the text here";
    press(Qt::Key_Return, "\r");
    EXPECT_EQ(State().objects.count(), 6);
    EXPECT_EQ(tool.typedCount, 0);
}

TEST_F(FrameTest, AKeyReleaseReachesTheToolButNotTheRepeatsOfAHeldKey)
{
    // The fine move of a design room repaints and starts its outline afresh at each release.
    DrawingWindow& window = OpenDrawing("PLAN");
    auto tool = std::make_unique<TDRoomobjtool>();
    TDRoomobjtool& room = *tool;
    room.step = STEP_DROOM_MOVE_FINE;
    room.feedbackState() = 1;
    frame->Client().InstallTool(std::move(tool), DesignRoomFamily());

    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&View(window), &repeat);
    EXPECT_EQ(room.feedbackState(), 1);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(&View(window), &release);
    EXPECT_EQ(room.feedbackState(), 0);
}

TEST_F(FrameTest, TheWheelScrollsByWholeNotchesHoweverFinelyItTurns)
{
    DrawingWindow& window = OpenDrawing("PLAN");
    // Zoomed in to one logical unit a pixel: the view can scroll up the sheet.
    State().viewExtX = window.Child().ClientRect().Width();
    State().viewExtY = window.Child().ClientRect().Height();
    window.Child().ApplyView();
    const int line = window.Child().ScrollInfo().lineY;
    auto turn = [&](int delta) {
        QWheelEvent wheel(QPointF(100, 100), View(window).mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&View(window), &wheel);
    };
    // Three lines a notch; a third of a notch does nothing until the notch is full.
    turn(40);
    turn(40);
    EXPECT_EQ(State().viewOrgY, 0);
    turn(40);
    EXPECT_EQ(State().viewOrgY, 3 * line);
    turn(120);
    EXPECT_EQ(State().viewOrgY, 6 * line);
    turn(-60);
    turn(-60);
    EXPECT_EQ(State().viewOrgY, 3 * line);
}

TEST(EventCanvas, TheChangedAreaHoldsEveryPixelDrawnAndLittleElse)
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QImage before = image.copy();
    TRect changed;
    {
        EventCanvas dc(image, nullptr);
        // Three device pixels a logical unit, y up, and a pen four units wide.
        dc.SetMapping(TMapping::Isotropic({0, 0}, {100, 100}, {0, 300}, {300, -300}));
        dc.SelectPen({0, 4, PS_SOLID});
        dc.MoveTo(20, 20);
        dc.LineTo(40, 30);
        dc.Ellipse(60, 60, 70, 75);
        dc.Polygon({{30, 80}, {45, 90}, {35, 95}});
        dc.Flush();
        changed = dc.ChangedArea();
    }
    ASSERT_FALSE(changed.IsEmpty());
    int drawn = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != before.pixel(x, y)) {
                ++drawn;
                EXPECT_TRUE(x >= changed.left && x < changed.right && y >= changed.top && y < changed.bottom)
                    << x << "," << y;
            }
    EXPECT_GT(drawn, 0);
    // The figures span device x 60..210: the area stops near there.
    EXPECT_LT(changed.right, 240);
    EXPECT_GT(changed.left, 30);
}

TEST(EventCanvas, AFillCountsAsDrawnAndATextShowsTheWholeImage)
{
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        EventCanvas dc(image, nullptr);
        EXPECT_TRUE(dc.ChangedArea().IsEmpty());
        dc.FillDeviceRect({10, 10, 20, 30}, 0);
        EXPECT_EQ(dc.ChangedArea(), (TRect{10, 10, 20, 30}));
        dc.TextOut(50, 50, "A");
        EXPECT_EQ(dc.ChangedArea(), (TRect{0, 0, 200, 100}));
    }
}

TEST(EventCanvas, ALineOutToTheEndOfTheDeviceRangeChangesTheImageOutToItsEdges)
{
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    EventCanvas dc(image, nullptr);
    // 100 pixels a logical unit: the line from device (300, 100) ends beyond the device range, at
    // its end, and the pen reaches about 100 pixels.
    dc.SetMapping(TMapping::Isotropic({0, 0}, {1, 1}, {0, 0}, {100, 100}));
    dc.MoveTo(3, 1);
    dc.LineTo(30000000, 30000000);
    dc.Flush();
    const TRect changed = dc.ChangedArea();
    EXPECT_EQ(changed.right, 400);
    EXPECT_EQ(changed.bottom, 300);
    EXPECT_GT(changed.left, 150);
}

TEST(EventCanvas, WhatBandsDrawCountsAsChanged)
{
    BandWorkers::ScopedLimit limit(3);
    QImage image(200, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    EventCanvas dc(image, nullptr);
    dc.SetDeviceClip({0, 0, 200, 200});
    dc.PaintInBands([](Canvas& band) { band.FillDeviceRect({20, 10, 40, 190}, 0); });
    const TRect changed = dc.ChangedArea();
    EXPECT_TRUE(changed.left <= 20 && changed.top <= 10 && changed.right >= 40 && changed.bottom >= 190);
    EXPECT_LE(changed.bottom, 200);
}

TEST_F(FrameTest, TheToolNameGadgetShowsALongNameWhole)
{
    frame->resize(1000, 800);
    frame->Start();
    frame->SetToolName("Enlarge Floor Plan");
    QApplication::processEvents();
    // The status bar's permanent labels: the tool name is the one showing it.
    QLabel* gadget = nullptr;
    for (QLabel* label : frame->statusBar()->findChildren<QLabel*>())
        if (label->text() == "Enlarge Floor Plan")
            gadget = label;
    ASSERT_NE(gadget, nullptr);
    EXPECT_GE(gadget->width(), gadget->fontMetrics().horizontalAdvance("Enlarge Floor Plan"));
}
