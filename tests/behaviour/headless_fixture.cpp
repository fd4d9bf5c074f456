// The behaviour suite on the in-memory layer.
#include "tests/behaviour/layer_under_test.h"

#include "tests/support/headless/headless.h"
#include "tests/support/user.h"
#include "ui/event_loop.h"

#include <gtest/gtest.h>

namespace {

constexpr int PassesBeforeGivingUp = 100;

} // namespace

void RunUntilQuiet() {
    RunUntilNothingPending(PassesBeforeGivingUp);
}

std::vector<SeenBox> BoxesShownWhile(const std::function<void()>& action) {
    const std::size_t before = ShownMessages().size();
    action();
    std::vector<SeenBox> seen;
    for (std::size_t i = before; i < ShownMessages().size(); ++i) {
        EXPECT_EQ(ShownMessages()[i].flags, PlainMessageFlags);
        seen.push_back({ShownMessages()[i].title, ShownMessages()[i].text});
    }
    return seen;
}

Text ShownTitle() {
    return WindowTitle(MainWindow);
}

void CloseWindowOnceWaiting() {
    WhenProgramWaits(UserCloseWindow);
}

namespace {

TEST(Program, EndsWithAMessageWhenTheWindowCannotBeOpened) {
    RefuseWindows(true);
    int exitCode = RunProgram();
    RefuseWindows(false);
    EXPECT_NE(exitCode, 0);
    ASSERT_EQ(ShownMessages().size(), 1u);
    EXPECT_EQ(ShownMessages()[0].flags, PlainMessageFlags);
}

} // namespace
