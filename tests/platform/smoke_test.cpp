#include <gtest/gtest.h>
#include <QGuiApplication>
#include "tests/support/tempdir.h"

TEST(TestSupport, RunsOffscreenAndGivesAFreshDirectory)
{
    EXPECT_EQ(QGuiApplication::platformName(), "offscreen");
    std::filesystem::path kept;
    {
        TempDir dir;
        kept = dir.path();
        WriteWholeFile(dir.path() / "A.CFG", "1 2\n");
        EXPECT_EQ(ReadWholeFile(dir.path() / "A.CFG"), "1 2\n");
    }
    EXPECT_FALSE(std::filesystem::exists(kept));
}
