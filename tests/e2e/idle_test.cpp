// A program that waits for its user costs no processor time.
#include "tests/e2e/buttons.h"
#include "tests/e2e/linux_process.h"
#include "tests/e2e/person.h"
#include "tests/e2e/program_fixture.h"
#include "tests/e2e/wait.h"

#include <cstdint>

namespace {

constexpr DWORD MeasuredMs = 3000;
constexpr std::int64_t MostPercentOfOneCore = 2;
constexpr std::int64_t TicksAtTheLimit =
    LinuxTicksPerSecond * MeasuredMs / 1000 * MostPercentOfOneCore / 100;

using IdleProgram = ProgramGroup;

// Processor ticks the program uses over the measured time with nothing happening.
std::int64_t TicksWhileIdle(const Program& program) {
    WaitUntilQuiet(program.linuxPid);
    const std::int64_t before = ProcessorTicksOf(program.linuxPid);
    Sleep(MeasuredMs); // the measurement itself, not a wait for something to happen
    const std::int64_t after = ProcessorTicksOf(program.linuxPid);
    return before < 0 || after < 0 ? -1 : after - before;
}

TEST_F(IdleProgram, IdleProgramUsesNoProcessor) {
    ASSERT_NE(program.linuxPid, 0) << "the program's Linux process was not found";
    const std::int64_t ticks = TicksWhileIdle(program);
    ASSERT_GE(ticks, 0);
    EXPECT_LT(ticks, TicksAtTheLimit)
        << ticks << " ticks of 1/" << LinuxTicksPerSecond << " s in " << MeasuredMs << " ms";
}

TEST_F(IdleProgram, ProgramUsedAWhileUsesNoProcessorOnceLeftAlone) {
    ASSERT_NE(program.linuxPid, 0) << "the program's Linux process was not found";
    EncodeWithTheButton(program);
    ASSERT_TRUE(OpenListWithMouse(program, ObjSizeCombo));
    ASSERT_TRUE(CloseListWithMouse(program, ObjSizeCombo));
    ASSERT_TRUE(TypeInto(program, OamValueField, "1"));
    PressGetAttributes(program);
    ASSERT_TRUE(WaitUntil([] { return MessageBoxOf(program) != nullptr; }));
    ClickAt(CentreOf(MessageBoxButton(MessageBoxOf(program), "OK")));
    ASSERT_TRUE(WaitUntil([] { return MessageBoxOf(program) == nullptr; }));
    const std::int64_t ticks = TicksWhileIdle(program);
    ASSERT_GE(ticks, 0);
    EXPECT_LT(ticks, TicksAtTheLimit)
        << ticks << " ticks of 1/" << LinuxTicksPerSecond << " s in " << MeasuredMs << " ms";
}

} // namespace
