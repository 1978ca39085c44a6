#include "model/settingsfile.h"

#include "model/drawingstate.h"
#include "model/programdirectory.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace {

// Switches the process to a German locale (decimal comma) for the life of the object.
class GermanLocale {
public:
    GermanLocale()
    {
        const char* old = std::setlocale(LC_ALL, nullptr);
        saved = old ? old : "C";
        active = std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "de_DE.utf8");
    }
    ~GermanLocale() { std::setlocale(LC_ALL, saved.c_str()); }
    bool Active() const { return active; }

private:
    std::string saved;
    bool active = false;
};

}  // namespace

TEST(FormatC, WritesNumbersInTheCLocaleUnderAGermanLocale)
{
    GermanLocale german;
    if (!german.Active())
        GTEST_SKIP() << "no German locale on this machine";
    // The locale really is in force for plain printf...
    char plain[32];
    std::snprintf(plain, sizeof plain, "%.1f", 0.5);
    ASSERT_STREQ(plain, "0,5");
    // ...but not for the settings files, in either direction.
    EXPECT_EQ(FormatC("%d %lf", 15000, 0.5), "15000 0.500000");
    // ...and the user's locale is back in force afterwards.
    std::snprintf(plain, sizeof plain, "%.1f", 0.5);
    EXPECT_STREQ(plain, "0,5");
    double value = 0;
    TextScanner scanner("0.5");
    ASSERT_TRUE(scanner.ReadDouble(value));
    EXPECT_EQ(value, 0.5);
    SettingsRecord record("14985 1.001000\n", "", "%d %lf");
    EXPECT_TRUE(record.FromFile());
    EXPECT_EQ(record.Double(1), 1.001);
}

TEST(FormatC, FormatsTextsLongerThanItsFirstBuffer)
{
    const std::string name(1000, 'x');
    const std::string text = FormatC("%d %s|%ld", -7, name.c_str(), 123456L);
    EXPECT_EQ(text, "-7 " + name + "|123456");
}

TEST(TextScanner, ReadsInt32FieldsAndRefusesNumbersOutsideTheRange)
{
    TextScanner scanner(" -12\n+7\t2147483647 -2147483648 2147483648 x");
    std::int32_t a = 0, b = 0, c = 0, d = 0;
    ASSERT_TRUE(scanner.ReadInt(a));
    ASSERT_TRUE(scanner.ReadInt(b));
    ASSERT_TRUE(scanner.ReadInt(c));
    ASSERT_TRUE(scanner.ReadInt(d));
    EXPECT_EQ(a, -12);
    EXPECT_EQ(b, 7);
    EXPECT_EQ(c, 2147483647);
    EXPECT_EQ(d, -2147483647 - 1);
    EXPECT_EQ(scanner.Line(), 2);

    // An overflowing number is a malformed field; nothing is consumed and the value is untouched.
    const std::size_t before = scanner.Position();
    std::int32_t e = 99;
    EXPECT_FALSE(scanner.ReadInt(e));
    EXPECT_EQ(e, 99);
    EXPECT_EQ(scanner.Position(), before);

    TextScanner huge("99999999999999999999999");
    EXPECT_FALSE(huge.ReadInt(e));
    TextScanner signOnly("- 5");
    EXPECT_FALSE(signOnly.ReadInt(e));
    TextScanner word("abc");
    EXPECT_FALSE(word.ReadInt(e));
    TextScanner empty("   ");
    EXPECT_FALSE(empty.ReadInt(e));
}

TEST(TextScanner, ReadsDoublesWordsCharactersAndLines)
{
    TextScanner scanner("  -1.5e2 .25 3. 1e999 nan\nWord two\nlast");
    double a = 0, b = 0, c = 0;
    ASSERT_TRUE(scanner.ReadDouble(a));
    ASSERT_TRUE(scanner.ReadDouble(b));
    ASSERT_TRUE(scanner.ReadDouble(c));
    EXPECT_EQ(a, -150.0);
    EXPECT_EQ(b, 0.25);
    EXPECT_EQ(c, 3.0);
    double bad = 7;
    EXPECT_FALSE(scanner.ReadDouble(bad));  // out of range
    scanner.SkipBlanks();
    EXPECT_TRUE(scanner.Literal("1e999"));
    EXPECT_FALSE(scanner.ReadDouble(bad));  // not a finite number
    EXPECT_EQ(bad, 7);
    EXPECT_TRUE(scanner.Literal(" nan"));

    char ch = 0;
    ASSERT_TRUE(scanner.ReadChar(ch));
    EXPECT_EQ(ch, '\n');  // %c does not skip blanks
    std::string word;
    ASSERT_TRUE(scanner.ReadWord(word));
    EXPECT_EQ(word, "Word");
    std::string line;
    ASSERT_TRUE(scanner.ReadLine(line));
    EXPECT_EQ(line, " two");
    std::string chars;
    EXPECT_FALSE(scanner.ReadChars(5, chars));  // only four left
    ASSERT_TRUE(scanner.ReadChars(4, chars));
    EXPECT_EQ(chars, "last");
    EXPECT_TRUE(scanner.AtEnd());
    EXPECT_FALSE(scanner.ReadLine(line));
    EXPECT_FALSE(scanner.ReadWord(word));
    EXPECT_FALSE(scanner.ReadChar(ch));
    EXPECT_FALSE(scanner.Literal("x"));
}

TEST(SettingsRecord, TakesMissingAndMalformedFieldsFromTheDefault)
{
    const std::string format = "%d %d %d %ld %lf\n";
    const std::string defaults = "1 2 3 4 5.5\n";

    SettingsRecord whole("10 20 30 -40 0.125\n", defaults, format);
    EXPECT_TRUE(whole.FromFile());
    ASSERT_EQ(whole.Size(), 5u);
    EXPECT_EQ(whole.Int(0), 10);
    EXPECT_EQ(whole.Int(3), -40);
    EXPECT_EQ(whole.Double(4), 0.125);

    // A missing file reads as empty: every field is the default.
    SettingsRecord missing("", defaults, format);
    EXPECT_FALSE(missing.FromFile());
    EXPECT_EQ(missing.Int(0), 1);
    EXPECT_EQ(missing.Int(2), 3);
    EXPECT_EQ(missing.Double(4), 5.5);

    // A short file keeps what it has; the trailing fields come from the default.
    SettingsRecord shortFile("10 20", defaults, format);
    EXPECT_FALSE(shortFile.FromFile());
    EXPECT_EQ(shortFile.Int(0), 10);
    EXPECT_EQ(shortFile.Int(1), 20);
    EXPECT_EQ(shortFile.Int(2), 3);
    EXPECT_EQ(shortFile.Int(3), 4);

    // Reading stops at a malformed number, as formatted input does: it and everything after it
    // come from the default, even a later field that would have parsed.
    SettingsRecord malformed("10 x5 30 40 9.0", defaults, format);
    EXPECT_EQ(malformed.Int(0), 10);
    EXPECT_EQ(malformed.Int(1), 2);
    EXPECT_EQ(malformed.Int(2), 3);
    EXPECT_EQ(malformed.Double(4), 5.5);

    SettingsRecord overflow("10 20 99999999999 40 9.0", defaults, format);
    EXPECT_EQ(overflow.Int(1), 20);
    EXPECT_EQ(overflow.Int(2), 3);

    // Nothing to fall back on: the fields stay zero.
    SettingsRecord none("7", "", format);
    EXPECT_EQ(none.Int(0), 7);
    EXPECT_EQ(none.Int(1), 0);
    EXPECT_EQ(none.Double(4), 0.0);
}

TEST(SettingsRecord, ReadsLiteralsCharactersAndWords)
{
    // A record with literal text between the fields, in the manner of "%d %d/n%s".
    SettingsRecord labelled("2 5/nhello", "1 4/nworld", "%d %d/n%s");
    EXPECT_TRUE(labelled.FromFile());
    EXPECT_EQ(labelled.Int(0), 2);
    EXPECT_EQ(labelled.Int(1), 5);
    EXPECT_EQ(labelled.Text(2), "hello");

    // A literal that does not match ends the record there.
    SettingsRecord wrongLiteral("2 5-nhello", "1 4/nworld", "%d %d/n%s");
    EXPECT_FALSE(wrongLiteral.FromFile());
    EXPECT_EQ(wrongLiteral.Int(1), 5);
    EXPECT_EQ(wrongLiteral.Text(2), "world");

    // %c takes the very next character, blank or not; %3c takes three.
    SettingsRecord chars("5 Xab c", "", "%d %c%3c");
    EXPECT_TRUE(chars.FromFile());
    EXPECT_EQ(chars.Char(1), 'X');
    EXPECT_EQ(chars.Text(2), "ab ");
    SettingsRecord blankChar("5  ", "", "%d%c");
    EXPECT_EQ(blankChar.Char(1), ' ');

    // A width limits %s; the rest of the word is left for the next field, as in scanf.
    SettingsRecord limited("abcdef 7", "", "%3s%s %d");
    EXPECT_TRUE(limited.FromFile());
    EXPECT_EQ(limited.Text(0), "abc");
    EXPECT_EQ(limited.Text(1), "def");
    EXPECT_EQ(limited.Int(2), 7);

    // Literal percent signs.
    SettingsRecord percent("50% 3", "", "%d%% %d");
    EXPECT_TRUE(percent.FromFile());
    EXPECT_EQ(percent.Int(1), 3);

    EXPECT_THROW(SettingsRecord("1", "1", "%d %q"), std::invalid_argument);
}

TEST(WriteTextFileAtomic, ReplacesTheFileAndLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string path = (dir.path() / "A.CFG").string();
    ASSERT_TRUE(WriteTextFileAtomic(path, "1 2 3\n"));
    EXPECT_EQ(ReadWholeFile(path), "1 2 3\n");
    ASSERT_TRUE(WriteTextFileAtomic(path, "4"));
    EXPECT_EQ(ReadWholeFile(path), "4");
    ASSERT_TRUE(WriteTextFileAtomic(path, ""));
    EXPECT_EQ(ReadWholeFile(path), "");
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(FilesIn(dir.path()), std::vector<std::string>{"A.CFG"});

    std::string text = "x";
    EXPECT_TRUE(ReadTextFile(path, text));
    EXPECT_EQ(text, "");
}

TEST(WriteTextFileAtomic, ReportsFailureAndKeepsWhatWasThere)
{
    TempDir dir;
    EXPECT_FALSE(WriteTextFileAtomic((dir.path() / "NOFOLDER" / "A.CFG").string(), "1\n"));

    // A directory in the way cannot be replaced by a file; it stays as it was.
    std::filesystem::create_directory(dir.path() / "B.CFG");
    WriteWholeFile(dir.path() / "B.CFG" / "inside", "kept");
    EXPECT_FALSE(WriteTextFileAtomic((dir.path() / "B.CFG").string(), "1\n"));
    EXPECT_EQ(ReadWholeFile(dir.path() / "B.CFG" / "inside"), "kept");
    EXPECT_EQ(FilesIn(dir.path()), std::vector<std::string>{"B.CFG"});
}

// A write that fails at any stage (a full disk, a failing device, a refused rename) leaves the old
// file byte for byte and no temporary file behind, says why, and the next write works again. The
// failures are injected, so the test runs whole as root too.
TEST(WriteTextFileAtomic, AFailureAtAnyStageKeepsTheOldFileWhole)
{
    TempDir dir;
    FreshDrawingState fresh;
    const std::string path = (dir.path() / "C.CFG").string();
    const std::string old("old\r\n\0x", 7);
    WriteWholeFile(path, old);
    struct Case {
        WriteStage stage;
        const char* reason;
    };
    for (const Case& c : {Case{WriteStage::Write, "No space left on device"},
                          Case{WriteStage::Sync, "Input/output error"}, Case{WriteStage::Rename, "Permission denied"}}) {
        for (const std::string& text : {std::string("new and longer than the old\n"), std::string()}) {
            FailNextWrites(1, c.stage);
            std::string reason;
            EXPECT_FALSE(WriteTextFileAtomic(path, text, &reason)) << c.reason;
            EXPECT_EQ(reason, c.reason);
            EXPECT_EQ(ReadWholeFile(path), old) << c.reason;
            EXPECT_EQ(FilesIn(dir.path()), std::vector<std::string>{"C.CFG"}) << c.reason;
            EXPECT_EQ(State().injectedWriteFailures, 0) << c.reason;
        }
    }

    // Failures at another stage do not strike; FailNextWrites(0) ends them.
    FailNextWrites(3, WriteStage::Rename);
    FailNextWrites(0);
    EXPECT_TRUE(WriteTextFileAtomic(path, "new\n"));
    EXPECT_EQ(ReadWholeFile(path), "new\n");

    // Several failures in a row, then the writes work again.
    FailNextWrites(2, WriteStage::Sync);
    EXPECT_FALSE(WriteTextFileAtomic(path, "a"));
    EXPECT_FALSE(WriteTextFileAtomic(path, "b"));
    EXPECT_TRUE(WriteTextFileAtomic(path, "c"));
    EXPECT_EQ(ReadWholeFile(path), "c");
}

// The new text goes to a new file renamed over the old one: the file is replaced, never written
// in place, so a reader holding the old file still reads the old text whole.
TEST(WriteTextFileAtomic, ReplacesTheFileRatherThanWritingIntoIt)
{
    TempDir dir;
    const std::filesystem::path path = dir.path() / "E.CFG";
    WriteWholeFile(path, "first text\n");
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    const std::filesystem::path held = dir.path() / "held";
    std::filesystem::create_hard_link(path, held);  // the old file under another name

    ASSERT_TRUE(WriteTextFileAtomic(path.string(), "second\n"));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    EXPECT_NE(after.st_ino, before.st_ino);
    EXPECT_EQ(ReadWholeFile(path), "second\n");
    EXPECT_EQ(ReadWholeFile(held), "first text\n");
}

// A file reached through a symbolic link is replaced where it lies: the link stays a link, the
// temporary file is made beside the target, and relative links and chains lead to the same place.
// A link whose target is not there makes no file there.
TEST(WriteTextFileAtomic, WritesThroughSymbolicLinksToTheirTarget)
{
    TempDir dir;
    namespace fs = std::filesystem;
    fs::create_directories(dir.path() / "DWGS");
    fs::create_directories(dir.path() / "STORE");
    const fs::path target = dir.path() / "STORE" / "HOUSE.DB0";
    WriteWholeFile(target, "old\n");
    struct Case {
        const char* what;
        fs::path link;
        fs::path to;
    };
    const Case cases[] = {{"absolute", dir.path() / "DWGS" / "A.DB0", target},
                          {"relative", dir.path() / "DWGS" / "R.DB0", fs::path("..") / "STORE" / "HOUSE.DB0"},
                          {"chain", dir.path() / "DWGS" / "C.DB0", "A.DB0"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::create_symlink(c.to, c.link);
        const std::string text = std::string("through ") + c.what + "\n";
        std::string reason;
        ASSERT_TRUE(WriteTextFileAtomic(c.link.string(), text, &reason)) << reason;
        EXPECT_TRUE(fs::is_symlink(c.link));
        EXPECT_EQ(fs::read_symlink(c.link), c.to);
        EXPECT_EQ(ReadWholeFile(target), text);
        EXPECT_EQ(FilesIn(dir.path() / "STORE"), std::vector<std::string>{"HOUSE.DB0"});
    }
    EXPECT_EQ(FilesIn(dir.path() / "DWGS"), (std::vector<std::string>{"A.DB0", "C.DB0", "R.DB0"}));

    // A link to a file not made yet is refused, directly or at the end of a chain, and nothing is
    // made where it points.
    const fs::path dangling = dir.path() / "DWGS" / "NEW.DB0";
    fs::create_symlink(dir.path() / "STORE" / "NEW.DB0", dangling);
    fs::create_symlink("NEW.DB0", dir.path() / "DWGS" / "TONEW.DB0");
    for (const char* name : {"NEW.DB0", "TONEW.DB0"}) {
        std::string refusal;
        EXPECT_FALSE(WriteTextFileAtomic((dir.path() / "DWGS" / name).string(), "made\n", &refusal)) << name;
        EXPECT_EQ(refusal, LINK_TO_MISSING_FILE) << name;
    }
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(FilesIn(dir.path() / "STORE"), std::vector<std::string>{"HOUSE.DB0"});

    // A loop of links is refused.
    fs::create_symlink("LOOP2", dir.path() / "DWGS" / "LOOP1");
    fs::create_symlink("LOOP1", dir.path() / "DWGS" / "LOOP2");
    std::string reason;
    EXPECT_FALSE(WriteTextFileAtomic((dir.path() / "DWGS" / "LOOP1").string(), "x", &reason));
    EXPECT_EQ(reason, "Too many levels of symbolic links");
}

// The replacement keeps the old file's mode; a file without write permission is not replaced, even
// when the program runs as root (the mode decides, not whether the user could write it).
TEST(WriteTextFileAtomic, KeepsTheModeAndRefusesAReadOnlyFile)
{
    TempDir dir;
    namespace fs = std::filesystem;
    const fs::path kept = dir.path() / "KEPT.DB0";
    WriteWholeFile(kept, "old\n");
    fs::permissions(kept, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(WriteTextFileAtomic(kept.string(), "new\n"));
    EXPECT_EQ(ReadWholeFile(kept), "new\n");
    EXPECT_EQ(fs::status(kept).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_FALSE(IsReadOnlyFile(kept.string()));

    const fs::path locked = dir.path() / "LOCKED.DB0";
    WriteWholeFile(locked, "locked\n");
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(locked, readOnly);
    EXPECT_TRUE(IsReadOnlyFile(locked.string()));
    std::string reason;
    EXPECT_FALSE(WriteTextFileAtomic(locked.string(), "changed\n", &reason));
    EXPECT_EQ(reason, "Permission denied");
    EXPECT_EQ(ReadWholeFile(locked), "locked\n");
    EXPECT_EQ(fs::status(locked).permissions(), readOnly);
    EXPECT_EQ(FilesIn(dir.path()), (std::vector<std::string>{"KEPT.DB0", "LOCKED.DB0"}));

    // Through a link, the target's mode counts; a missing file is no read-only file.
    fs::create_symlink(locked, dir.path() / "LINK.DB0");
    EXPECT_TRUE(IsReadOnlyFile((dir.path() / "LINK.DB0").string()));
    EXPECT_FALSE(WriteTextFileAtomic((dir.path() / "LINK.DB0").string(), "changed\n"));
    EXPECT_FALSE(IsReadOnlyFile((dir.path() / "NONE.DB0").string()));
}

TEST(ReadTextFile, FailsOnMissingFilesAndDirectories)
{
    TempDir dir;
    std::string text = "stale";
    EXPECT_FALSE(ReadTextFile((dir.path() / "NONE.CFG").string(), text));
    EXPECT_EQ(text, "");
    text = "stale";
    EXPECT_FALSE(ReadTextFile(dir.path().string(), text));
    EXPECT_EQ(text, "");
    WriteWholeFile(dir.path() / "D.CFG", std::string("a\0b\r\n", 5));
    EXPECT_TRUE(ReadTextFile((dir.path() / "D.CFG").string(), text));
    EXPECT_EQ(text, std::string("a\0b\r\n", 5));
}

TEST(SettingsFile, WrittenRecordReadsBackByteForByte)
{
    TempDir dir;
    FreshDrawingState fresh;
    State().programDirectory = dir.prefix();
    ASSERT_TRUE(PrepareProgramDirectory(dir.prefix()));

    const char* format = "%d %d %d %ld %ld %ld %ld %d %d %ld\n";
    const std::string written = FormatC(format, 100, 50, -3, 0L, 2400L, 2700L, -2147483647L - 1, 0, 1, 16777215L);
    ASSERT_TRUE(WriteSettings("EXTWALLM.CFG", written));
    EXPECT_EQ(ReadWholeFile(dir.path() / "CFG" / "EXTWALLM.CFG"), written);

    SettingsRecord record("EXTWALLM.CFG", format);
    ASSERT_TRUE(record.FromFile());
    const std::string again = FormatC(format, record.Int(0), record.Int(1), record.Int(2), long(record.Int(3)),
                                      long(record.Int(4)), long(record.Int(5)), long(record.Int(6)), record.Int(7),
                                      record.Int(8), long(record.Int(9)));
    EXPECT_EQ(again, written);

    const std::string calibration = FormatC("%d %lf", 14985, 1.001);
    ASSERT_TRUE(WriteSettings("PRNTCALM.CFG", calibration));
    SettingsRecord cal("PRNTCALM.CFG", "%d %lf");
    EXPECT_EQ(FormatC("%d %lf", cal.Int(0), cal.Double(1)), calibration);
}

TEST(SettingsFile, MissingOrShortFileReadsAsTheShippedDefault)
{
    TempDir dir;
    FreshDrawingState fresh;
    State().programDirectory = dir.prefix();
    std::filesystem::create_directory(dir.path() / "CFG");

    const std::string* shipped = ShippedDefault("CLR.CFG");
    ASSERT_NE(shipped, nullptr);
    SettingsRecord expected(*shipped, "", "%ld %ld %ld\n");
    ASSERT_TRUE(expected.FromFile());

    SettingsRecord missing("CLR.CFG", "%ld %ld %ld\n");
    EXPECT_FALSE(missing.FromFile());
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(missing.Int(i), expected.Int(i)) << i;
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "CFG" / "CLR.CFG"));  // reading creates nothing

    WriteWholeFile(dir.path() / "CFG" / "CLR.CFG", "123 ");
    SettingsRecord shortFile("CLR.CFG", "%ld %ld %ld\n");
    EXPECT_EQ(shortFile.Int(0), 123);
    EXPECT_EQ(shortFile.Int(1), expected.Int(1));
    EXPECT_EQ(shortFile.Int(2), expected.Int(2));

    // A file with no shipped default and no file on disk gives zeros.
    EXPECT_EQ(ShippedDefault("NOSUCH.CFG"), nullptr);
    SettingsRecord unknown("NOSUCH.CFG", "%d %s");
    EXPECT_EQ(unknown.Int(0), 0);
    EXPECT_EQ(unknown.Text(1), "");
}
