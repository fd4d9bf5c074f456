// A person's actions on the in-memory layer. Each becomes one platform message that the next
// PollEvent dispatches, with the notification the real control would send.
#include "tests/support/user.h"
#include "tests/support/headless/state.h"

#include <algorithm>

using namespace headless;

namespace {

// The platform messages that carry the actions.
constexpr EventKind MouseButtonUp = 514;
constexpr EventKind KeyPressed = 256;

Event ControlEventFor(ControlId id, std::int32_t type) {
    return Event{ControlEvent, id, MainWindow, type};
}

void Deliver(Message message) {
    TheLayer().platform.push_back(std::move(message));
}

bool IsField(const Control& control) {
    return control.kind == Kind::TextField || control.kind == Kind::SpinField;
}

// The focus moves in one message: the old control reports the loss, then the new one the gain,
// and the later notification is the one that becomes the event. A spin field that loses the focus
// shows its number again, so what it shows is what will be encoded.
Message MoveFocus(ControlId id) {
    Layer& layer = TheLayer();
    Message message{MouseButtonUp, std::nullopt, {}};
    if (layer.focused == id) {
        return message;
    }
    if (layer.focused) {
        if (Control* old = FindControl(*layer.focused)) {
            if (IsField(*old)) {
                message.built = ControlEventFor(*layer.focused, FieldFocusLostType);
            }
            if (old->kind == Kind::TextField) {
                message.queued.push_back(ControlEventFor(*layer.focused, FocusLostType));
            }
            if (old->kind == Kind::SpinField && old->text != DecimalText(ReadSpinPosition(*old))) {
                old->text = DecimalText(old->position);
            }
        }
    }
    layer.focused = id;
    Control* now = FindControl(id);
    if (now && IsField(*now)) {
        message.built = ControlEventFor(id, FieldFocusGainedType);
    }
    if (now && now->kind == Kind::DropDownList) {
        message.built = ControlEventFor(id, ListFocusGainedType);
    }
    if (now && now->kind == Kind::TextField) {
        message.queued.push_back(ControlEventFor(id, FocusGainedType));
    }
    return message;
}

bool CanUse(Control* control, Kind kind) {
    return control && control->kind == kind && control->enabled;
}

} // namespace

void UserPickItem(ControlId id, std::int32_t index) {
    Control* list = FindControl(id);
    if (!CanUse(list, Kind::DropDownList) || index < 0 ||
        static_cast<std::size_t>(index) >= list->items.size()) {
        return;
    }
    list->selected = index;
    Deliver(Message{MouseButtonUp, ControlEventFor(id, ListSelectionType), {}});
}

void UserTypeText(ControlId id, TextRef text) {
    Control* field = FindControl(id);
    if (!field || !field->enabled || !IsField(*field)) {
        return;
    }
    field->text = (field->flags & UpperCaseFlag) ? UpperCase(text) : Text(text.chars);
    Deliver(Message{KeyPressed, ControlEventFor(id, FieldChangedType), {}});
}

void UserClickSpinArrow(ControlId id, bool up) {
    Control* spin = FindControl(id);
    if (!CanUse(spin, Kind::SpinField)) {
        return;
    }
    std::int32_t before = ReadSpinPosition(*spin);
    SetControlState(id, before + (up ? 1 : -1));
    Message message{MouseButtonUp, std::nullopt, {}};
    if (spin->position != before) {
        message.built = ControlEventFor(id, FieldChangedType);
    }
    message.queued.push_back(ControlEventFor(id, up ? SpinUpType : SpinDownType));
    Deliver(message);
}

void UserPressButton(ControlId id) {
    Control* button = FindControl(id);
    if (!CanUse(button, Kind::Button)) {
        return;
    }
    Deliver(MoveFocus(id));
    Deliver(Message{MouseButtonUp, ControlEventFor(id, ButtonClickedType), {}});
}

void UserFocusControl(ControlId id) {
    Control* control = FindControl(id);
    if (control && control->enabled) {
        Deliver(MoveFocus(id));
    }
}

// Tab goes round the enabled controls that take the keyboard, in creation order, from the focused
// one even when it was disabled since; with none focused it starts before the first (after the
// last for Shift+Tab).
void UserPressTab(bool backwards) {
    const std::vector<ControlId>& order = TheLayer().creationOrder;
    const auto count = static_cast<std::int32_t>(order.size());
    const auto focused = std::find(order.begin(), order.end(), TheLayer().focused.value_or(-1));
    std::int32_t at = focused != order.end() ? static_cast<std::int32_t>(focused - order.begin())
                                             : (backwards ? count : -1);
    for (std::int32_t tried = 0; tried < count; ++tried) {
        at = ((at + (backwards ? -1 : 1)) % count + count) % count;
        const Control* control = FindControl(order[static_cast<std::size_t>(at)]);
        bool takesKeys = control->kind != Kind::TextLabel && control->kind != Kind::Frame;
        if (takesKeys && control->enabled) {
            Deliver(MoveFocus(order[static_cast<std::size_t>(at)]));
            return;
        }
    }
}

void UserCloseWindow() {
    if (TheLayer().windowOpen) {
        Deliver(
            Message{MouseButtonUp, std::nullopt, {Event{CloseEvent, MainWindow, MainWindow, 0}}});
    }
}

ControlId FocusedControl() {
    return TheLayer().focused.value_or(-1);
}

bool IsControlEnabled(ControlId id) {
    Control* control = FindControl(id);
    return control && control->enabled;
}

std::int32_t ControlItemCount(ControlId id) {
    Control* control = FindControl(id);
    return control ? static_cast<std::int32_t>(control->items.size()) : 0;
}

Text ControlItemText(ControlId id, std::int32_t index) {
    Control* control = FindControl(id);
    if (!control || index < 0 || static_cast<std::size_t>(index) >= control->items.size()) {
        return Text();
    }
    return control->items[static_cast<std::size_t>(index)];
}
