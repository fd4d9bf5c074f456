// The behaviour suite on the web layer, in headless Chromium. What a person does arrives at once,
// as DOM events are dispatched, so the loop runs until nothing is pending. A message box holds the
// program until it is answered: the person watches the page for the box and answers it while the
// program waits.
#include "tests/behaviour/layer_under_test.h"

#include "runtime/web/layer.h"
#include "tests/support/user.h"

#include <emscripten.h>

#include <cstdlib>

namespace {

constexpr int PassesBeforeGivingUp = 1000;

// On each box: its title, text and button count are noted; a click where the button behind it is,
// as the browser's hit test finds it, must not reach that button; then OK is pressed.
EM_JS(void, WatchForBoxes, (int behindSerial), {
    Module.boxesSeen = [];
    Module.boxWatch = new MutationObserver(function() {
        const box = document.querySelector('dialog[open]');
        if (!box) {
            return;
        }
        Module.boxesSeen.push([ box.children[0].textContent, box.children[1].textContent ]);
        Module.boxesSeen.buttons = box.querySelectorAll('button').length;
        const behind = document.getElementById('oam' + behindSerial).getBoundingClientRect();
        const hit =
            document.elementFromPoint(behind.x + behind.width / 2, behind.y + behind.height / 2);
        if (hit) {
            hit.click();
        }
        box.querySelector('button').click();
    });
    Module.boxWatch.observe(document.body,
                            {attributes : true, subtree : true, attributeFilter : ['open']});
});

EM_JS(int, StopWatchingBoxes, (), {
    Module.boxWatch.disconnect();
    return Module.boxesSeen.length;
});

EM_JS(char*, SeenBoxPart, (int box, int part),
      { return allocateUTF8(Module.boxesSeen[box][part]); });
EM_JS(int, ButtonsOfLastBox, (), { return Module.boxesSeen.buttons || 0; });

Text Taken(char* chars) {
    Text text = chars;
    std::free(chars);
    return text;
}

EM_JS(char*, PageTitle, (), { return allocateUTF8(document.title); });

// Fires in the program's first wait, when its window is up.
EM_JS(void, CloseTabOnceWaiting, (),
      { setTimeout(function() { window.dispatchEvent(new PageTransitionEvent('pagehide')); }); });

} // namespace

void RunUntilQuiet() {
    RunUntilNothingPending(PassesBeforeGivingUp);
}

std::vector<SeenBox> BoxesShownWhile(const std::function<void()>& action) {
    WatchForBoxes(SerialOf(CalculateOamButton));
    action();
    std::vector<SeenBox> seen;
    const int count = StopWatchingBoxes();
    for (int box = 0; box < count; ++box) {
        seen.push_back({Taken(SeenBoxPart(box, 0)), Taken(SeenBoxPart(box, 1))});
        EXPECT_EQ(ButtonsOfLastBox(), 1);
    }
    return seen;
}

Text ShownTitle() {
    return Taken(PageTitle());
}

void CloseWindowOnceWaiting() {
    CloseTabOnceWaiting();
}
