// The behaviour suite on the web layer, in headless Chromium. What a person does arrives at once,
// as DOM events are dispatched, so the loop runs until nothing is pending. A message box holds the
// program until it is answered: the person watches the page for the box and answers it while the
// program waits, after a click on the window behind it, which must not get through.
#include "tests/behaviour/layer_under_test.h"

#include "runtime/web/layer.h"
#include "tests/support/web/person.h"
#include "ui/event_loop.h"

#include <gtest/gtest.h>

namespace {

constexpr int BoxTitle = 0, BoxText = 1, BoxButtons = 2;

} // namespace

void RunUntilQuiet() {
    RunUntilNothingPending();
}

std::vector<SeenBox> BoxesShownWhile(const std::function<void()>& action) {
    oam_person_watch_boxes(SerialOf(CalculateOamButton));
    action();
    std::vector<SeenBox> seen;
    const int count = oam_person_boxes_seen();
    for (int box = 0; box < count; ++box) {
        seen.push_back(
            {Taken(oam_person_box_part(box, BoxTitle)), Taken(oam_person_box_part(box, BoxText))});
        EXPECT_EQ(Taken(oam_person_box_part(box, BoxButtons)), "1");
    }
    return seen;
}

Text ShownTitle() {
    return Taken(oam_person_title());
}

void CloseWindowOnceWaiting() {
    oam_person_close_tab_once_waiting();
}
