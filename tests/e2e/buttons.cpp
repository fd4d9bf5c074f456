#include "tests/e2e/buttons.h"

#include "runtime/controls.h"
#include "tests/e2e/person.h"
#include "tests/e2e/view.h"
#include "tests/e2e/wait.h"

std::string EncodeWithTheButton(const Program& program) {
    // Emptied first, so that the text that appears is the button's and not one left over.
    if (!TypeInto(program, OamValueField, "")) {
        return "<the entry field could not be emptied>";
    }
    ClickControl(program, CalculateOamButton);
    WaitUntil([&] { return !ControlText(program, OamValueField).empty(); });
    return ControlText(program, OamValueField);
}

bool PressGetAttributes(const Program& program) {
    return ClickControl(program, GetAttributesButton);
}
