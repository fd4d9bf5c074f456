// One freshly started program per group of tests. The tests of a group work on it one after the
// other, as a person would; the last closes it.
#pragma once

#include "harness/win32/person.h"
#include "harness/win32/window_class.h"

#include <gtest/gtest.h>

constexpr DWORD ExitTimeoutMs = 10000;

inline bool IsOpen(const Program& program, ControlId list) {
    return Ask(Control(program, list), CB_GETDROPPEDSTATE) > 0;
}

// The program's message box on the screen, or nullptr.
inline HWND MessageBoxOf(const Program& program) {
    HWND box = nullptr;
    while ((box = FindWindowExA(nullptr, box, MessageBoxClass, nullptr)) &&
           !(GetWindow(box, GW_OWNER) == program.window && IsWindowVisible(box))) {
    }
    return box;
}

class ProgramGroup : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { started = StartProgram(program); }

    static void TearDownTestSuite() { StopProgram(program); }

    void SetUp() override {
        ASSERT_TRUE(started) << "the program did not start: " << ProgramPath();
        ASSERT_EQ(MessageBoxOf(program), nullptr) << "a message box is still up";
        SetForegroundWindow(program.window);
        ASSERT_TRUE(WaitUntil([] { return GetForegroundWindow() == program.window; }));
    }

    static void ExpectEndsWithExitCodeZero() {
        ASSERT_EQ(WaitForSingleObject(program.process.hProcess, ExitTimeoutMs), WAIT_OBJECT_0)
            << "the program still runs";
        DWORD exitCode = 1;
        GetExitCodeProcess(program.process.hProcess, &exitCode);
        EXPECT_EQ(exitCode, 0u);
    }

    inline static Program program;
    inline static bool started = false;
};
