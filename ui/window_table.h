// The window as data: its frame and one row per control, in creation order. Creation order is
// also the Tab order, so the rows run down each attribute's frame in turn. The program builds its
// window from this table, and the benchmark's direct peer builds the same window from it.
#pragma once

#include "runtime/controls.h"

#include <cstdint>
#include <span>

constexpr const char* MainWindowTitle = "Quorvex - Dunmarrow";
constexpr int MainWindowLeft = 676; // not used: the window is centred
constexpr int MainWindowTop = 62;
constexpr int MainWindowClientWidth = 840;
constexpr int MainWindowClientHeight = 380;

// The window's readiness, for whatever drives the program from another process (the test
// harness, the benchmark): the table makes this control greyed, and the loop's first pass, once
// every control is made, enables it, as the rotation/scaling setting starts off. A control is
// greyed just after it is made, so for an instant while the window is built it shows enabled:
// the window is whole and the program waits for input once this control is enabled while the
// table's last control exists.
constexpr ControlId ReadyControl = VFlipCombo;

using ControlItems = std::span<const char* const>;

// What a control holds beyond its place; each kind uses its own part.
struct ControlHolds {
    const char* text = nullptr;
    ControlItems items = {};
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    bool startsDisabled = false;
};

struct ControlRow {
    ControlId id;
    ControlKind kind;
    ControlBox box;
    ControlHolds holds;
};

std::span<const ControlRow> ControlRows();
