#pragma once
// A fresh drawing state in a fresh program directory with the shipped settings files, for the
// model tests.
#include "model/drawingstate.h"
#include "model/list.h"
#include "model/programdirectory.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <string>

class ModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(PrepareProgramDirectory(dir.prefix()));
        State().programDirectory = dir.prefix();
        State().drawingName = "SMITH";
    }

    TDrawingState& state() { return fresh.state(); }
    TList& objects() { return fresh.state().objects; }
    std::string DwgFile() const { return dir.prefix() + "DWGS/SMITH.DB0"; }
    std::string Cfg(const std::string& name) const { return dir.prefix() + "CFG/" + name; }
    std::string Libs(const std::string& name) const { return dir.prefix() + "LIBS/" + name; }

    FreshDrawingState fresh;
    TempDir dir;
};
