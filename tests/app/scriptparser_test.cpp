// The statements of arkweld-script.
#include "app/scriptparser.h"

#include <gtest/gtest.h>

namespace {

using Kind = ScriptStatement::Kind;

ScriptStatement Parse(const std::string& line)
{
    ScriptStatement statement;
    std::string error;
    EXPECT_TRUE(ParseScriptStatement(line, statement, error)) << line << ": " << error;
    return statement;
}

std::string Refused(const std::string& line)
{
    ScriptStatement statement;
    std::string error;
    EXPECT_FALSE(ParseScriptStatement(line, statement, error)) << line;
    return error;
}

}  // namespace

TEST(ScriptParser, CommentsAndBlankLinesAreEmpty)
{
    EXPECT_EQ(Parse("").kind, Kind::Empty);
    EXPECT_EQ(Parse("   # a comment").kind, Kind::Empty);
    ScriptStatement status = Parse("status   # show it");
    EXPECT_EQ(status.kind, Kind::Status);
}

TEST(ScriptParser, CommandsByIdOrPath)
{
    ScriptStatement byId = Parse("command 415");
    EXPECT_EQ(byId.kind, Kind::Command);
    EXPECT_EQ(byId.commandId, 415);
    EXPECT_TRUE(byId.text.empty());
    ScriptStatement byPath = Parse("command walls && base/internal walls/draw internal wall");
    EXPECT_EQ(byPath.commandId, 0);
    EXPECT_EQ(byPath.text, "walls && base/internal walls/draw internal wall");
    EXPECT_EQ(Parse("open SMITH HOUSE").text, "SMITH HOUSE");
    EXPECT_EQ(Parse("dir /tmp/some where").text, "/tmp/some where");
    Refused("command");
    Refused("open   ");
}

TEST(ScriptParser, AnswersKeepTheirLineAndAreChecked)
{
    ScriptStatement dialog = Parse("dialog 2024 set 2027 \"A # B\" check 2026 ok  # comment");
    EXPECT_EQ(dialog.kind, Kind::Answer);
    EXPECT_EQ(dialog.text, "dialog 2024 set 2027 \"A # B\" check 2026 ok");
    EXPECT_EQ(Parse("input cancel").kind, Kind::Answer);
    EXPECT_EQ(Parse("message yes").kind, Kind::Answer);
    EXPECT_EQ(Parse("colour FF8000").kind, Kind::Answer);
    EXPECT_EQ(Parse("colour cancel").text, "colour cancel");
    Refused("colour orange");
    Refused("message perhaps");
    Refused("dialog 2024 set 2027");
    Refused("dialog 2024 set 2027 \"unclosed");
}

TEST(ScriptParser, PointsInDeviceOrModelUnits)
{
    ScriptStatement at = Parse("at 1000 -2000");
    EXPECT_EQ(at.kind, Kind::At);
    EXPECT_TRUE(at.modelPoint);
    EXPECT_EQ(at.x, 1000);
    EXPECT_EQ(at.y, -2000);
    ScriptStatement move = Parse("move 10 20");
    EXPECT_EQ(move.kind, Kind::Move);
    EXPECT_FALSE(move.modelPoint);

    ScriptStatement click = Parse("click @1000 2000");
    EXPECT_EQ(click.kind, Kind::Click);
    EXPECT_TRUE(click.hasPoint);
    EXPECT_TRUE(click.modelPoint);
    EXPECT_EQ(click.x, 1000);
    ScriptStatement spaced = Parse("ldown @ 5 6");
    EXPECT_TRUE(spaced.modelPoint);
    EXPECT_EQ(spaced.y, 6);
    ScriptStatement device = Parse("rdown 5 6");
    EXPECT_FALSE(device.modelPoint);
    ScriptStatement here = Parse("lup");
    EXPECT_EQ(here.kind, Kind::LUp);
    EXPECT_FALSE(here.hasPoint);

    Refused("at 10");
    Refused("move 10 20 30");
    Refused("click 1.5 2");
    Refused("at @10 20");
}

TEST(ScriptParser, KeysAndCharacters)
{
    EXPECT_EQ(Parse("key ENTER").key, 13);
    EXPECT_EQ(Parse("key left").key, 37);
    EXPECT_EQ(Parse("key UP").key, 38);
    EXPECT_EQ(Parse("key RIGHT").key, 39);
    EXPECT_EQ(Parse("key DOWN").key, 40);
    EXPECT_EQ(Parse("key ADD").key, 107);
    EXPECT_EQ(Parse("key SUBTRACT").key, 109);
    EXPECT_EQ(Parse("key ESCAPE").key, 27);
    EXPECT_EQ(Parse("key F1").key, 112);
    EXPECT_EQ(Parse("key a").key, 'A');
    EXPECT_EQ(Parse("key 33").key, 33);
    Refused("key");
    Refused("key NOSUCHKEY");
    EXPECT_EQ(Parse("keyup RIGHT").kind, Kind::KeyUp);
    EXPECT_EQ(Parse("keyup RIGHT").key, 39);
    Refused("keyup");
    Refused("keyup LEFT RIGHT");
    Refused("key 0");

    EXPECT_EQ(Parse("char x").key, 'x');
    EXPECT_EQ(Parse("char 7").key, '7');
    EXPECT_EQ(Parse("char \" \"").key, ' ');
    EXPECT_EQ(Parse("char ENTER").key, 13);
    EXPECT_EQ(Parse("char SPACE").key, 32);
    EXPECT_EQ(Parse("char 65").key, 65);
    Refused("char");
    Refused("char ab");
}

TEST(ScriptParser, ClientSizeAndPlainStatements)
{
    ScriptStatement client = Parse("client 800 600");
    EXPECT_EQ(client.kind, Kind::Client);
    EXPECT_EQ(client.x, 800);
    EXPECT_EQ(client.y, 600);
    Refused("client 0 600");
    Refused("client 800");
    EXPECT_EQ(Parse("paint").kind, Kind::Paint);
    EXPECT_EQ(Parse("dump").kind, Kind::Dump);
    Refused("dump all");
    EXPECT_EQ(Parse("check").kind, Kind::Check);
    Refused("check 1");
    EXPECT_NE(Refused("draw a house").find("unknown statement"), std::string::npos);
}

TEST(ScriptParser, FailedWritesTakeACountAndAStage)
{
    ScriptStatement plain = Parse("failwrites 2");
    EXPECT_EQ(plain.kind, Kind::FailWrites);
    EXPECT_EQ(plain.failCount, 2);
    EXPECT_EQ(plain.failStage, WriteStage::Write);
    EXPECT_EQ(Parse("failwrites 1 sync").failStage, WriteStage::Sync);
    ScriptStatement rename = Parse("failwrites 1000000 rename  # all of them");
    EXPECT_EQ(rename.failStage, WriteStage::Rename);
    EXPECT_EQ(rename.failCount, MAX_FAILED_WRITES);
    ScriptStatement end = Parse("failwrites 0");
    EXPECT_EQ(end.kind, Kind::FailWrites);
    EXPECT_EQ(end.failCount, 0);

    const std::string usage = "failwrites needs a count of 0 to 1000000 and at most one stage: write, sync or rename";
    for (const char* bad : {"failwrites", "failwrites -1", "failwrites +1", "failwrites 1000001", "failwrites x",
                            "failwrites 1 close", "failwrites 1 write sync", "failwrites 99999999999"})
        EXPECT_EQ(Refused(bad), usage) << bad;
}

TEST(ScriptParser, FailedReadsTakeACountAndTheEndOfAPath)
{
    ScriptStatement any = Parse("failreads 3");
    EXPECT_EQ(any.kind, Kind::FailReads);
    EXPECT_EQ(any.failCount, 3);
    EXPECT_EQ(any.text, "");
    ScriptStatement named = Parse("failreads 1 HOUSE.DB0  # the drawing");
    EXPECT_EQ(named.failCount, 1);
    EXPECT_EQ(named.text, "HOUSE.DB0");
    EXPECT_EQ(Parse("failreads 0").failCount, 0);

    const std::string usage = "failreads needs a count of 0 to 1000000 and at most one file name";
    for (const char* bad : {"failreads", "failreads -1", "failreads 1000001", "failreads x", "failreads 1 A B"})
        EXPECT_EQ(Refused(bad), usage) << bad;
}
