#pragma once
// A fresh drawing state with a fresh program directory (shipped settings laid in), and a window
// whose dialogs run under the scripted runner.
#include "model/drawingstate.h"
#include "model/programdirectory.h"
#include "platform/scriptedrunner.h"
#include "platform/window.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <string>

class DialogTest : public ::testing::Test {
protected:
    class ScriptWindow : public TWindow {
    public:
        ScriptedRunner runner;
        DialogRunner& Runner() override { return runner; }
    };

    void SetUp() override
    {
        ASSERT_TRUE(PrepareProgramDirectory(dir.prefix()));
        State().programDirectory = dir.prefix();
    }

    std::string Cfg(const std::string& name) const { return ReadWholeFile(dir.path() / "CFG" / name); }
    void SetCfg(const std::string& name, const std::string& bytes) const
    {
        WriteWholeFile(dir.path() / "CFG" / name, bytes);
    }
    void RemoveCfg(const std::string& name) const { std::filesystem::remove(dir.path() / "CFG" / name); }
    void Answer(const std::string& line) { window.runner.AddAnswer(line); }
    const std::vector<std::string>& Transcript() const { return window.runner.Transcript(); }

    FreshDrawingState fresh;
    TempDir dir;
    ScriptWindow window;
};
