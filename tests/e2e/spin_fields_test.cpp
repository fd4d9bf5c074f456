// The spin fields: arrows and keys that stop at the bounds, numbers typed in full, and a field that
// shows the number it holds once it is left.
#include "tests/e2e/buttons.h"
#include "tests/e2e/field_states.h"
#include "tests/e2e/input.h"
#include "tests/e2e/person.h"
#include "tests/e2e/program_fixture.h"
#include "tests/e2e/wait.h"

#include <string>
#include <vector>

namespace {

struct Spin {
    ControlId id;
    int maximum;
};

// The parameter takes input only with rotation/scaling on.
const std::vector<Spin> SpinFieldsOfTheWindow = {{YCoordinateSpin, 255},
                                                 {XCoordinateSpin, 511},
                                                 {RotScaleParamSpin, 31},
                                                 {TileNumberSpin, 1023},
                                                 {PaletteNumberSpin, 15}};

constexpr int RotScaleOn = 1;

using SpinFields = ProgramGroup;

bool Shows(const Program& program, ControlId spin, int number) {
    return WaitUntil([&] { return ControlText(program, spin) == std::to_string(number); });
}

// One step towards a bound that takes, one that does not, and one back: the step back shows
// only once the step before it has been taken, so the field is seen not to pass the bound.
template <typename Step>
void ExpectStopsAtBothBounds(const Program& program, const Spin& spin, Step step) {
    SCOPED_TRACE("spin field " + std::to_string(spin.id));
    ASSERT_TRUE(TypeInto(program, spin.id, std::to_string(spin.maximum - 1)));
    step(spin.id, true);
    EXPECT_TRUE(Shows(program, spin.id, spin.maximum));
    step(spin.id, true);
    step(spin.id, false);
    EXPECT_TRUE(Shows(program, spin.id, spin.maximum - 1)) << ControlText(program, spin.id);

    ASSERT_TRUE(TypeInto(program, spin.id, "1"));
    step(spin.id, false);
    EXPECT_TRUE(Shows(program, spin.id, 0));
    step(spin.id, false);
    step(spin.id, true);
    EXPECT_TRUE(Shows(program, spin.id, 1)) << ControlText(program, spin.id);
    EXPECT_EQ(SpinNumber(program, spin.id), 1);
}

TEST_F(SpinFields, ArrowsStopAtTheBounds) {
    ASSERT_TRUE(EnterFieldStates(program, {.rotScale = RotScaleOn}));
    for (const Spin& spin : SpinFieldsOfTheWindow) {
        ExpectStopsAtBothBounds(program, spin,
                                [](ControlId id, bool up) { ClickSpinArrow(program, id, up); });
    }
}

TEST_F(SpinFields, UpAndDownKeysStopAtTheBounds) {
    ASSERT_TRUE(EnterFieldStates(program, {.rotScale = RotScaleOn}));
    for (const Spin& spin : SpinFieldsOfTheWindow) {
        // Typing leaves the focus in the field, where the keys go.
        ExpectStopsAtBothBounds(program, spin,
                                [](ControlId, bool up) { PressKey(up ? VK_UP : VK_DOWN); });
    }
}

TEST_F(SpinFields, FourDigitsTypedIntoTheTileNumberAreTaken) {
    ASSERT_TRUE(EnterFieldStates(program, {}));
    EXPECT_TRUE(TypeInto(program, TileNumberSpin, "1000")) << ControlText(program, TileNumberSpin);
    EXPECT_EQ(ControlText(program, TileNumberSpin), "1000");
    EXPECT_EQ(EncodeWithTheButton(program), "0000000003E8");
}

TEST_F(SpinFields, NumberBeyondTheRangeIsReplacedByTheOneEncodedWhenTheFieldIsLeft) {
    ASSERT_TRUE(EnterFieldStates(program, {}));
    ASSERT_TRUE(TypeInto(program, YCoordinateSpin, "42"));
    ASSERT_EQ(EncodeWithTheButton(program), "002A00000000");
    ASSERT_TRUE(TypeInto(program, OamValueField, "X"));
    ASSERT_TRUE(TypeInto(program, YCoordinateSpin, "300"));
    ClickControl(program, CalculateOamButton);
    WaitUntil([] { return ControlText(program, OamValueField) != "X"; });
    EXPECT_EQ(ControlText(program, OamValueField), "002A00000000");
    EXPECT_EQ(ControlText(program, YCoordinateSpin), "42");
}

TEST_F(SpinFields, NumberWithinTheRangeIsKeptWhenTheFieldIsLeft) {
    ASSERT_TRUE(EnterFieldStates(program, {}));
    ASSERT_TRUE(TypeInto(program, OamValueField, "X"));
    ASSERT_TRUE(TypeInto(program, YCoordinateSpin, "200"));
    ClickControl(program, CalculateOamButton);
    WaitUntil([] { return ControlText(program, OamValueField) != "X"; });
    EXPECT_EQ(ControlText(program, OamValueField), "00C800000000");
    EXPECT_EQ(ControlText(program, YCoordinateSpin), "200");
}

} // namespace
