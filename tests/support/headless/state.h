// The in-memory layer's tables, shared by its operations and by the person-side actions.
#pragma once

#include "runtime/controls.h"
#include "tests/support/headless/headless.h"

#include <deque>
#include <optional>
#include <vector>

namespace headless {

enum class Kind { None, TextLabel, TextField, Button, Frame, SpinField, DropDownList };

struct Control {
    Kind kind = Kind::None;
    Text text;
    std::int32_t flags = 0;
    bool enabled = true;
    std::int32_t position = 0; // a spin field's number
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    std::vector<Text> items;
    std::int32_t selected = -1;
};

struct Event {
    EventKind kind = NoEvent;
    ControlId control = 0;
    int window = 0;
    std::int32_t type = -1;
    bool operator==(const Event&) const = default;
};

// One platform message as a person's action produces it: when dispatched it may build one event
// and queue others; without an event PollEvent gives its number.
struct Message {
    EventKind number = 0;
    std::optional<Event> built;
    std::vector<Event> queued;
};

struct Layer {
    std::vector<Control> controls;
    std::deque<Event> queue;      // the events the layer posts itself
    std::deque<Message> platform; // what the person did and PollEvent has not taken yet
    Event last;
    bool windowOpen = false;
    Text windowTitle;
    bool refuseWindows = false;
    std::optional<ControlId> focused;
    std::vector<ControlId> creationOrder; // Tab follows it
    std::vector<ShownMessage> shownMessages;
};

Layer& TheLayer();

// The control under a number, or null when the number names none.
Control* FindControl(ControlId id);

// A spin field's number as the platform reads it: a whole number within the range typed into the
// field becomes the number, an empty field counting as 0; anything else keeps the previous one.
std::int32_t ReadSpinPosition(Control& spin);

Text UpperCase(TextRef text);
Text DecimalText(std::int32_t value);

} // namespace headless
