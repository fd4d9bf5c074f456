// One freshly started program per group of tests. The tests of a group work on it one after the
// other, as a person would, so each sets up through the window what it needs.
#pragma once

#include "tests/e2e/input.h"
#include "tests/e2e/program.h"
#include "tests/e2e/view.h"

#include <gtest/gtest.h>

class ProgramGroup : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { started = StartProgram(program, ProgramPath()); }

    static void TearDownTestSuite() { StopProgram(program); }

    void SetUp() override {
        ASSERT_TRUE(started) << "the program did not start: " << ProgramPath();
        ASSERT_TRUE(IsRunning(program)) << "the program has ended";
        ASSERT_EQ(MessageBoxOf(program), nullptr) << "a message box is still up";
        ASSERT_TRUE(BringToFront(program.window));
    }

    inline static Program program;
    inline static bool started = false;
};
