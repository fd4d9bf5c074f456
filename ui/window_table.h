// The window as data: its frame and one row per control, in creation order. Creation order is
// also the Tab order, so the rows run down each attribute's frame in turn. The program builds its
// window from this table, and the benchmark's direct peer builds the same window from it.
#pragma once

#include "runtime/controls.h"

#include <cstdint>
#include <vector>

constexpr const char* MainWindowTitle = "Quorvex - Dunmarrow";
constexpr int MainWindowLeft = 676; // not used: the window is centred
constexpr int MainWindowTop = 62;
constexpr int MainWindowClientWidth = 840;
constexpr int MainWindowClientHeight = 380;

enum class ControlRowKind { TextLabel, TextField, Button, Frame, SpinField, DropDownList };

struct ControlRow {
    ControlId id;
    ControlRowKind kind;
    int x, y, width, height;
    const char* text = nullptr;
    std::vector<const char*> items = {};
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    bool startsDisabled = false;
};

const std::vector<ControlRow>& ControlRows();
