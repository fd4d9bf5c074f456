// The control layer held in memory: the same operations and rules as the Win32 layer, without a
// screen, so the codec and the loop can be tested natively and fast.
#include "tests/support/headless/state.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace headless {

Layer& TheLayer() {
    static Layer layer;
    return layer;
}

Control* FindControl(ControlId id) {
    auto& controls = TheLayer().controls;
    if (id < 0 || static_cast<std::size_t>(id) >= controls.size()) {
        return nullptr;
    }
    Control& control = controls[static_cast<std::size_t>(id)];
    return control.kind == Kind::None ? nullptr : &control;
}

Text UpperCase(TextRef text) {
    Text upper(text.chars);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

Text DecimalText(std::int32_t value) {
    return std::to_string(value);
}

std::int32_t ReadSpinPosition(Control& spin) {
    if (spin.flags & BuddyNumberFlag) {
        // An empty field reads as 0, which like any typed number counts only within the range.
        std::int32_t typed = 0;
        const char* first = spin.text.data();
        const char* end = first + spin.text.size();
        auto [stop, error] = std::from_chars(first, end, typed);
        bool number = spin.text.empty() || (error == std::errc() && stop == end);
        if (number && typed >= spin.minimum && typed <= spin.maximum) {
            spin.position = typed;
        }
    }
    return spin.position;
}

} // namespace headless

using namespace headless;

namespace {

bool CreateControl(ControlId id, Kind kind, TextRef text, std::int32_t flags) {
    Layer& layer = TheLayer();
    if (!layer.windowOpen || id < 0) {
        return false;
    }
    if (static_cast<std::size_t>(id) >= layer.controls.size()) {
        layer.controls.resize(static_cast<std::size_t>(id) + 1);
    }
    Control& control = layer.controls[static_cast<std::size_t>(id)];
    control = Control{};
    control.kind = kind;
    control.flags = flags;
    control.text = (flags & UpperCaseFlag) ? UpperCase(text) : Text(text.chars);
    if (layer.focused == id) {
        layer.focused.reset();
    }
    std::erase(layer.creationOrder, id);
    layer.creationOrder.push_back(id);
    return true;
}

// The person who waits for the program, kept apart from the layer so StartControls keeps it.
struct WaitingPerson {
    bool watching = false;
    std::function<void()> act;
    int idlePolls = 0;
    int waitsAfterActing = 0;
};

constexpr int LoopsBeforeGivingUp = 10000;

WaitingPerson& Waiting() {
    static WaitingPerson waiting;
    return waiting;
}

[[noreturn]] void GiveUp(const char* why) {
    std::fprintf(stderr, "%s\n", why);
    std::abort();
}

std::int32_t Clamp(const Control& spin, std::int32_t value) {
    return std::clamp(value, std::min(spin.minimum, spin.maximum),
                      std::max(spin.minimum, spin.maximum));
}

void CloseTheWindow() {
    Layer& layer = TheLayer();
    layer.controls.clear();
    layer.creationOrder.clear();
    layer.windowOpen = false;
    layer.focused.reset();
}

} // namespace

void StartControls() {
    bool refuse = TheLayer().refuseWindows;
    TheLayer() = Layer{};
    TheLayer().refuseWindows = refuse;
}

void StopControls() {
    Waiting() = WaitingPerson{};
    CloseTheWindow();
}

bool OpenMainWindow(int number, int, int, int, int, TextRef title, std::int32_t) {
    Layer& layer = TheLayer();
    if (number != MainWindow) {
        return false; // the layer holds one window
    }
    CloseTheWindow();
    if (layer.refuseWindows) {
        return false;
    }
    layer.windowOpen = true;
    layer.windowTitle = Text(title.chars);
    return true;
}

bool CreateTextLabel(ControlId id, int, int, int, int, TextRef text) {
    return CreateControl(id, Kind::TextLabel, text, 0);
}

bool CreateTextField(ControlId id, int, int, int, int, TextRef text, std::int32_t flags) {
    return CreateControl(id, Kind::TextField, text, flags);
}

bool CreateButton(ControlId id, int, int, int, int, TextRef text) {
    return CreateControl(id, Kind::Button, text, 0);
}

bool CreateFrame(ControlId id, int, int, int, int, TextRef caption) {
    return CreateControl(id, Kind::Frame, caption, 0);
}

bool CreateSpinField(ControlId id, int, int, int, int, std::int32_t minimum, std::int32_t maximum,
                     std::int32_t flags) {
    if (!CreateControl(id, Kind::SpinField, "", flags)) {
        return false;
    }
    Control& spin = *FindControl(id);
    spin.minimum = minimum;
    spin.maximum = maximum;
    spin.position = Clamp(spin, 0);
    return true;
}

bool CreateDropDownList(ControlId id, int, int, int, int) {
    return CreateControl(id, Kind::DropDownList, "", 0);
}

std::int32_t GetControlState(ControlId id) {
    Control* control = FindControl(id);
    if (!control) {
        return 0;
    }
    switch (control->kind) {
    case Kind::SpinField:
        return ReadSpinPosition(*control);
    case Kind::DropDownList:
        return control->selected;
    default:
        return 0;
    }
}

void SetControlState(ControlId id, std::int32_t value) {
    Control* control = FindControl(id);
    if (!control) {
        return;
    }
    if (control->kind == Kind::DropDownList) {
        bool valid = value >= 0 && static_cast<std::size_t>(value) < control->items.size();
        control->selected = valid ? value : -1;
    } else if (control->kind == Kind::SpinField) {
        control->position = Clamp(*control, value);
        if (control->flags & BuddyNumberFlag) {
            control->text = DecimalText(control->position);
        }
    }
}

Text GetControlText(ControlId id) {
    Control* control = FindControl(id);
    if (!control) {
        return Text();
    }
    if (control->kind == Kind::DropDownList) {
        bool selected = control->selected >= 0;
        return selected ? control->items[static_cast<std::size_t>(control->selected)] : Text();
    }
    return control->text;
}

void SetControlText(ControlId id, TextRef text) {
    Control* control = FindControl(id);
    if (!control || control->kind == Kind::DropDownList) {
        return;
    }
    control->text = (control->flags & UpperCaseFlag) ? UpperCase(text) : Text(text.chars);
}

void DisableControl(ControlId id, std::int32_t flag) {
    if (Control* control = FindControl(id)) {
        control->enabled = flag == 0;
    }
}

void AddControlItem(ControlId id, std::int32_t position, TextRef text) {
    Control* control = FindControl(id);
    if (!control || control->kind != Kind::DropDownList) {
        return;
    }
    auto& items = control->items;
    if (position == -1) {
        items.emplace_back(text.chars);
    } else if (position >= 0 && static_cast<std::size_t>(position) <= items.size()) {
        items.emplace(items.begin() + position, text.chars);
    }
}

void SetControlAttribute(ControlId id, std::int32_t attribute, std::int32_t value) {
    Control* control = FindControl(id);
    if (!control || control->kind != Kind::SpinField) {
        return;
    }
    if (attribute == MinimumAttribute) {
        control->minimum = value;
    } else if (attribute == MaximumAttribute) {
        control->maximum = value;
    }
}

EventKind PollEvent() {
    Layer& layer = TheLayer();
    Event event;
    if (!layer.queue.empty()) {
        event = layer.queue.front();
        layer.queue.pop_front();
    } else if (!layer.platform.empty()) {
        Message message = layer.platform.front();
        layer.platform.pop_front();
        for (const Event& queued : message.queued) {
            if (layer.queue.empty() || !(layer.queue.back() == queued)) {
                layer.queue.push_back(queued);
            }
        }
        if (!message.built) {
            // A message that raised nothing of the layer's own keeps the last event's control.
            layer.last.kind = message.number;
            return message.number;
        }
        event = *message.built;
    } else {
        if (Waiting().watching && ++Waiting().idlePolls > LoopsBeforeGivingUp) {
            GiveUp("the loop polls on without waiting for the platform");
        }
        return NoEvent;
    }
    layer.last = event;
    return event.kind;
}

ControlId EventControl() {
    return TheLayer().last.control;
}

void WaitForPlatform() {
    WaitingPerson& waiting = Waiting();
    if (!waiting.watching) {
        return;
    }
    waiting.idlePolls = 0;
    if (waiting.act) {
        std::exchange(waiting.act, nullptr)();
    } else if (++waiting.waitsAfterActing > LoopsBeforeGivingUp) {
        GiveUp("the program goes on waiting after the person's last action");
    }
}

void WhenProgramWaits(std::function<void()> person) {
    Waiting() = WaitingPerson{true, std::move(person)};
}

std::int32_t ShowMessage(TextRef title, TextRef text, std::int32_t flags) {
    TheLayer().shownMessages.push_back({Text(title.chars), Text(text.chars), flags});
    return OkAnswer;
}

const std::vector<ShownMessage>& ShownMessages() {
    return TheLayer().shownMessages;
}

bool IsWindowOpen(int number) {
    return number == MainWindow && TheLayer().windowOpen;
}

Text WindowTitle(int number) {
    return IsWindowOpen(number) ? TheLayer().windowTitle : Text();
}

void RefuseWindows(bool refuse) {
    TheLayer().refuseWindows = refuse;
}
