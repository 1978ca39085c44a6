// arkweld-script runs: what it prints, and how it fails.
#include "app/commandtable.h"
#include "app/qt/randomsession.h"
#include "app/qt/scriptinterpreter.h"
#include "app/qt/startup.h"

#include "model/drawingstate.h"
#include "model/list.h"
#include "model/textobj.h"
#include "resources/menus.h"
#include "tests/support/tempdir.h"
#include "tools/linetool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

class ScriptRun : public ::testing::Test {
protected:
    ScriptRun() { TLinetool::ResetKeyEntryState(); }
    ~ScriptRun() override { TLinetool::ResetKeyEntryState(); }

    // Runs the script in the temporary program directory; the exit status.
    int Run(const std::string& script)
    {
        out.str("");
        err.str("");
        ScriptInterpreter interpreter(out, err);
        interpreter.SetDefaultDirectory(dir.prefix());
        std::istringstream in(script);
        return interpreter.Run(in);
    }

    TempDir dir;
    FreshDrawingState fresh;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ScriptRun, ANewDrawingPrintsOnlyWhatWasAskedFor)
{
    EXPECT_EQ(Run("status\n"
                  "dialog 2024 set 2027 SMITH check 2026 ok\n"
                  "dialog 2480 check 2481 ok\n"
                  "dialog 4200 ok\n"
                  "command file/new\n"
                  "status\n"
                  "dump\n"),
              0)
        << err.str();
    EXPECT_EQ(out.str(),
              "status Press FILE/NEW or FILE/OPEN | \n"
              "status Draw outer line of EXTERNAL walls, press ENTER on start point then use arrow keys for input "
              "| Ext. Walls\n"
              "0 TInfoobj floor=50 ownerId=0 groupId=0 typeCode=32000 penWidth=1 penStyle=0 x1=0 z1=0 x2=0 "
              "z2=2550 y1=0 y2=0 colour=0 infoValue=0\n"
              "1 TInfoobj floor=51 ownerId=0 groupId=0 typeCode=32001 penWidth=1 penStyle=0 x1=0 z1=0 x2=0 "
              "z2=2400 y1=0 y2=0 colour=0 infoValue=0\n"
              "2 TInfoobj floor=52 ownerId=0 groupId=0 typeCode=32002 penWidth=1 penStyle=0 x1=0 z1=0 x2=0 "
              "z2=2400 y1=0 y2=0 colour=0 infoValue=0\n"
              "3 TInfoobj floor=53 ownerId=0 groupId=0 typeCode=32003 penWidth=1 penStyle=0 x1=0 z1=0 x2=0 "
              "z2=2400 y1=0 y2=0 colour=0 infoValue=0\n");
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "DWGS/SMITH.DB0"));
    EXPECT_EQ(err.str(), "");
}

TEST_F(ScriptRun, MessagesAndHelpRequestsArePrinted)
{
    EXPECT_EQ(Run("message ok\n"
                  "command edit/undo\n"
                  "key F1\n"),
              0)
        << err.str();
    EXPECT_EQ(out.str(), "message  | You must be in a PLAN VIEW to use this function\nhelp 500\n");
}

TEST_F(ScriptRun, ABoxWithoutAnAnswerFails)
{
    EXPECT_EQ(Run("status\ncommand file/new\nstatus\n"), 1);
    EXPECT_EQ(out.str(), "status Press FILE/NEW or FILE/OPEN | \n");
    EXPECT_NE(err.str().find("line 2:"), std::string::npos) << err.str();
}

TEST_F(ScriptRun, AnAnswerOfTheWrongKindOrIdFails)
{
    EXPECT_EQ(Run("message ok\ncommand file/new\n"), 1);
    EXPECT_NE(err.str().find("line 2:"), std::string::npos) << err.str();
    EXPECT_EQ(Run("dialog 2900 ok\ncommand file/new\n"), 1);
    EXPECT_NE(err.str().find("line 2:"), std::string::npos) << err.str();
}

TEST_F(ScriptRun, AnAnswerLeftUnusedFailsAtTheEnd)
{
    EXPECT_EQ(Run("dialog 2024 set 2027 A check 2026 ok\n"
                  "dialog 2480 check 2481 ok\n"
                  "dialog 4200 ok\n"
                  "command file/new\n"
                  "message yes\n"),
              1);
    EXPECT_NE(err.str().find("line 6:"), std::string::npos) << err.str();
}

TEST_F(ScriptRun, BadStatementsAndDisabledCommandsFail)
{
    EXPECT_EQ(Run("status\nfly away\nstatus\n"), 1);
    EXPECT_NE(err.str().find("line 2: unknown statement fly"), std::string::npos) << err.str();
    EXPECT_EQ(out.str(), "status Press FILE/NEW or FILE/OPEN | \n");

    // A menu command no family has built yet.
    const std::vector<int> menu = MenuCommandIds();
    const auto unbuilt = std::find_if(menu.begin(), menu.end(), [](int id) { return !FindCommand(id); });
    if (unbuilt != menu.end()) {
        EXPECT_EQ(Run("command " + MenuPathOf(*unbuilt) + "\n"), 1);
        EXPECT_NE(err.str().find("disabled"), std::string::npos) << err.str();
    }
    EXPECT_EQ(Run("command file/nothing\n"), 1);
    EXPECT_NE(err.str().find("no command"), std::string::npos) << err.str();
    // Mouse and keys need a drawing window.
    EXPECT_EQ(Run("click 10 10\n"), 1);
    EXPECT_NE(err.str().find("no drawing window"), std::string::npos) << err.str();
}

TEST_F(ScriptRun, OpenChoosesTheDrawingAndTheClientSizeHolds)
{
    ASSERT_EQ(Run("dialog 2024 set 2027 ONE check 2026 ok\ndialog 2480 check 2481 ok\ndialog 4200 ok\n"
                  "command file/new\n"),
              0)
        << err.str();
    EXPECT_EQ(Run("client 400 300\nopen ONE\nat 1000 500\nstatus\ncommand file/export bitmap\n"), 0) << err.str();
    // The window is 400 x 300 pixels and shows the whole sheet.
    const std::string bitmap = ReadWholeFile(dir.prefix() + "DWGS/ONE.BMP");
    ASSERT_GT(bitmap.size(), 26u);
    auto int32At = [&bitmap](std::size_t at) {
        return int(std::uint8_t(bitmap[at])) | int(std::uint8_t(bitmap[at + 1])) << 8 |
               int(std::uint8_t(bitmap[at + 2])) << 16 | int(std::uint8_t(bitmap[at + 3])) << 24;
    };
    EXPECT_EQ(int32At(18), 400);
    EXPECT_EQ(int32At(22), 300);
    EXPECT_EQ(State().viewExtX, 12000);
    EXPECT_EQ(State().viewExtY, 8400);
    EXPECT_EQ(State().drawingName, "ONE");
    // A drawing that is not there is reported in a message box.
    EXPECT_EQ(Run("message ok\nopen NONE\n"), 0) << err.str();
    EXPECT_EQ(out.str(), "message Arkweld 4.0 | Cannot open the drawing NONE\n");
}

TEST_F(ScriptRun, CheckFailsOnlyWhenTheListStandsApartFromTheFile)
{
    ScriptInterpreter interpreter(out, err);
    interpreter.SetDefaultDirectory(dir.prefix());
    for (const char* line : {"dialog 2024 set 2027 ONE check 2026 ok", "dialog 2480 check 2481 ok", "dialog 4200 ok",
                             "command file/new", "check"})
        interpreter.RunStatement(line);
    TList& objects = State().objects;
    ASSERT_EQ(objects.count(), 4);
    // An object in the list that the file lacks, then one that differs from the file's.
    objects.Add(std::make_unique<TTextobj>(4));
    EXPECT_THROW(interpreter.RunStatement("check"), std::exception);
    objects.CutBack(4);
    interpreter.RunStatement("check");
    objects[1]->floor = 50;
    try {
        interpreter.RunStatement("check");
        ADD_FAILURE() << "a changed object passed the check";
    } catch (const std::exception& failure) {
        EXPECT_NE(std::string(failure.what()).find("object 1 differs"), std::string::npos) << failure.what();
    }
}

TEST_F(ScriptRun, ARandomSessionDependsOnItsSeedAlone)
{
    auto session = [this](unsigned seed, const std::string& name) {
        FreshDrawingState state;
        RandomSessionOptions options;
        options.seed = seed;
        options.statements = 60;
        options.directory = dir.prefix() + name;
        std::ostringstream report;
        EXPECT_EQ(RunRandomSession(options, report, report), 0) << report.str();
        return ReadWholeFile(options.directory + "/random.aws");
    };
    const std::string first = session(5, "one");
    EXPECT_GT(std::count(first.begin(), first.end(), '\n'), 60) << first;
    EXPECT_EQ(session(5, "two"), first);
    EXPECT_NE(session(6, "three"), first);
}

TEST(StartUp, FoldersThatCannotBeMadeStopTheProgramWithAMessage)
{
    TempDir dir;
    WriteWholeFile(dir.path() / "program", "a file in the way");
    std::vector<std::pair<std::string, bool>> told;
    auto tell = [&told](const std::string& problem, bool fatal) { told.emplace_back(problem, fatal); };
    EXPECT_EQ(PrepareAtStartUp((dir.path() / "program").string(), tell), 1);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_TRUE(told[0].second);
    EXPECT_NE(told[0].first.find("cannot be made"), std::string::npos);

    // A usable directory starts without a word.
    told.clear();
    EXPECT_EQ(PrepareAtStartUp((dir.path() / "usable").string(), tell), 0);
    EXPECT_TRUE(told.empty());
}
