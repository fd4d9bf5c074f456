#include "codec/screen_picture.h"

#include "codec/memory_layout.h"
#include "codec/screen_pieces.h"
#include "codec/svg_writer.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace {

constexpr std::int32_t Margin = 16;
constexpr std::int32_t TitleHeight = 24;
constexpr std::int32_t TitleFontSize = 14;
constexpr std::int32_t ColumnGap = 24;
constexpr std::int32_t ListGap = 8;
constexpr std::int32_t ListFontSize = 12;
constexpr std::int32_t ListLineHeight = 16;
// A generous average width of the list font's characters, so a wrapped line stays under its
// screen.
constexpr std::int32_t ListCharWidth = 7;
constexpr std::int32_t LabelFontSize = 10;
constexpr std::int32_t LabelInset = 2;
constexpr std::int32_t LegendWidth = 220;
constexpr std::int32_t LegendRowHeight = 20;
constexpr std::int32_t SwatchSize = 14;
constexpr std::int32_t SwatchGap = 6;

constexpr std::int32_t PriorityCount = 4;
constexpr std::array<const char*, PriorityCount> PriorityColours = {"#d62728", "#ff7f0e", "#2ca02c",
                                                                    "#1f77b4"};
constexpr const char* InkColour = "#000000";
constexpr const char* PaperColour = "#ffffff";
constexpr const char* WindowColour = "#7f7f7f";
constexpr const char* FontFamily = "DejaVu Sans, Liberation Sans, Arial, sans-serif";

constexpr std::int32_t SemiTransparentMode = 1;
constexpr std::int32_t ObjWindowMode = 2;

// How a box is drawn: by the mode, since a semi-transparent entry is blended and an OBJ window
// entry is not drawn at all but shapes the window.
struct Look {
    const char* fill;
    const char* fillOpacity;
    const char* stroke;
    const char* dashes;
};

constexpr const char* PlainFillOpacity = "0.5";
constexpr Look SemiTransparentLook = {InkColour, "0.2", InkColour, "4 2"};
constexpr Look ObjWindowLook = {WindowColour, "0.3", InkColour, "1 2"};

Look LookOf(const OamFields& fields) {
    if (fields.mode == SemiTransparentMode) {
        Look look = SemiTransparentLook;
        look.fill = look.stroke = PriorityColours[static_cast<std::size_t>(fields.priority)];
        return look;
    }
    if (fields.mode == ObjWindowMode) {
        return ObjWindowLook;
    }
    const char* colour = PriorityColours[static_cast<std::size_t>(fields.priority)];
    return {colour, PlainFillOpacity, colour, "none"};
}

struct ListHeading {
    Showing showing;
    const char* heading;
    const char* state; // how an entry of the list is named in its title
};

constexpr std::array<ListHeading, 4> ListHeadings = {
    {{Showing::Hidden, "Hidden: ", "hidden"},
     {Showing::Prohibited, "Prohibited shape: ", "prohibited shape"},
     {Showing::OffScreen, "Off screen: ", "off screen"},
     {Showing::NotInDump, "Not in the dump: ", "not in the dump"}}};

// A run of entries in a list: "5-127", the first and last index.
struct IndexRun {
    std::size_t first;
    std::size_t last;
};

// "3, 5-127": runs of indices, so a dump with most entries hidden still lists in a line.
std::vector<IndexRun> IndexRuns(const std::vector<std::size_t>& indices) {
    std::vector<IndexRun> runs;
    for (std::size_t i = 0; i < indices.size();) {
        std::size_t last = i;
        while (last + 1 < indices.size() && indices[last + 1] == indices[last] + 1) {
            ++last;
        }
        runs.push_back({indices[i], indices[last]});
        i = last + 1;
    }
    return runs;
}

std::string RunText(IndexRun run) {
    return std::to_string(run.first) + (run.last > run.first ? "-" + std::to_string(run.last) : "");
}

// One piece of a list's line: its heading and separators as plain text, and each run of entries
// the dump holds as a piece of its own, named by a title, that a viewer can point at.
struct ListPiece {
    std::string text;
    std::optional<IndexRun> run;
    const ListHeading* list = nullptr;
};

using ListLine = std::vector<ListPiece>;

std::size_t LineSize(const ListLine& line) {
    std::size_t size = 0;
    for (const ListPiece& piece : line) {
        size += piece.text.size();
    }
    return size;
}

// The lists under a screen, wrapped to its width.
std::vector<ListLine> ListLines(const std::array<Placement, EntriesPerEngine>& placements,
                                std::size_t widthInChars) {
    std::vector<ListLine> lines;
    for (const ListHeading& list : ListHeadings) {
        std::vector<std::size_t> indices;
        for (std::size_t index = 0; index < placements.size(); ++index) {
            if (placements[index].showing == list.showing) {
                indices.push_back(index);
            }
        }
        if (indices.empty()) {
            continue;
        }
        ListLine line = {{list.heading, {}, nullptr}};
        std::size_t onLine = 0;
        std::vector<IndexRun> runs = IndexRuns(indices);
        for (std::size_t i = 0; i < runs.size(); ++i) {
            std::string text = RunText(runs[i]);
            std::string after = i + 1 < runs.size() ? "," : "";
            if (onLine > 0 && LineSize(line) + 1 + text.size() + after.size() > widthInChars) {
                lines.push_back(line);
                line.clear();
                onLine = 0;
            }
            if (onLine > 0) {
                line.push_back({" ", {}, nullptr});
            }
            line.push_back({text, runs[i], &list});
            if (!after.empty()) {
                line.push_back({after, {}, nullptr});
            }
            ++onLine;
        }
        lines.push_back(line);
    }
    return lines;
}

// The entry's place in the whole dump, engine B's after engine A's 128.
std::int32_t DumpIndex(std::size_t engine, std::size_t index) {
    return static_cast<std::int32_t>(engine * EntriesPerEngine + index);
}

std::string LabelOf(std::size_t index, const OamFields& fields) {
    std::string label = std::to_string(index);
    if (fields.rotScale != 0) {
        label += " g" + std::to_string(fields.rotScaleParam);
    }
    return label;
}

std::string EntryName(std::size_t engine, std::size_t index) {
    return std::string(EngineNames[engine]) + std::to_string(index);
}

// What a browser shows when the pointer rests on the box.
std::string TooltipOf(std::size_t engine, std::size_t index, const OamFields& fields,
                      PixelSize box) {
    std::string tip = EntryName(engine, index) + ": " + std::to_string(box.width) + " x " +
                      std::to_string(box.height) + " at x=" + std::to_string(fields.xCoordinate) +
                      " y=" + std::to_string(fields.yCoordinate) + ", priority " +
                      std::to_string(fields.priority);
    tip += fields.mode == SemiTransparentMode ? ", semi-transparent"
           : fields.mode == ObjWindowMode     ? ", OBJ window"
                                              : "";
    if (fields.rotScale != 0) {
        tip += ", group " + std::to_string(fields.rotScaleParam);
        tip += fields.doubleSize != 0 ? ", double size" : "";
    }
    return tip;
}

// `entry`, the place in the dump of the entry a box shows, lets a viewer find it; legend swatches
// have none.
void StartLook(std::string& out, const Look& look, const std::string& id,
               std::optional<std::int32_t> entry = std::nullopt) {
    if (entry) {
        StartElement(out, "g",
                     {{"id", id},
                      {"data-entry", *entry},
                      {"fill", look.fill},
                      {"fill-opacity", look.fillOpacity},
                      {"stroke", look.stroke},
                      {"stroke-dasharray", look.dashes}});
        return;
    }
    StartElement(out, "g",
                 {{"id", id},
                  {"fill", look.fill},
                  {"fill-opacity", look.fillOpacity},
                  {"stroke", look.stroke},
                  {"stroke-dasharray", look.dashes}});
}

struct Column {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t scale = 1;
};

// Back to front as the hardware stacks them: the lowest priority first, and within a priority the
// highest index, so entry 0 ends on top.
void DrawBoxes(std::string& out, std::size_t engine, std::span<const OamFields> entries,
               const std::array<Placement, EntriesPerEngine>& placements, std::int32_t scale) {
    for (std::int32_t priority = PriorityCount - 1; priority >= 0; --priority) {
        for (std::size_t index = entries.size(); index-- > 0;) {
            const Placement& placement = placements[index];
            if (placement.showing != Showing::Drawn || entries[index].priority != priority) {
                continue;
            }
            StartLook(out, LookOf(entries[index]), "entry-" + EntryName(engine, index),
                      DumpIndex(engine, index));
            AddElement(out, "title", {}, TooltipOf(engine, index, entries[index], placement.box));
            for (const ScreenRect& piece : placement.pieces) {
                AddElement(out, "rect",
                           {{"x", piece.left * scale},
                            {"y", piece.top * scale},
                            {"width", piece.width * scale},
                            {"height", piece.height * scale}});
            }
            EndElement(out, "g");
        }
    }
}

// Labels over every box, each piece its own, so a box that wraps is named where it shows.
void DrawLabels(std::string& out, std::span<const OamFields> entries,
                const std::array<Placement, EntriesPerEngine>& placements, std::int32_t scale) {
    StartElement(out, "g", {{"fill", InkColour}, {"font-size", LabelFontSize}});
    for (std::size_t index = 0; index < entries.size(); ++index) {
        for (const ScreenRect& piece : placements[index].pieces) {
            AddElement(out, "text",
                       {{"x", piece.left * scale + LabelInset},
                        {"y", piece.top * scale + LabelInset + LabelFontSize}},
                       LabelOf(index, entries[index]));
        }
    }
    EndElement(out, "g");
}

void DrawEngine(std::string& out, std::size_t engine, std::span<const OamFields> entries,
                const std::array<Placement, EntriesPerEngine>& placements, Column column) {
    std::int32_t width = ScreenWidth * column.scale;
    std::int32_t height = ScreenHeight * column.scale;
    AddElement(out, "text",
               {{"x", column.left},
                {"y", column.top - TitleHeight + TitleFontSize},
                {"font-size", TitleFontSize},
                {"font-weight", "bold"}},
               "Engine " + std::string(EngineNames[engine]));
    // A nested viewport clips what runs past the screen's edge, labels included.
    StartElement(out, "svg",
                 {{"id", "screen-" + std::string(EngineNames[engine])},
                  {"x", column.left},
                  {"y", column.top},
                  {"width", width},
                  {"height", height}});
    AddElement(out, "rect", {{"width", width}, {"height", height}, {"fill", PaperColour}});
    DrawBoxes(out, engine, entries, placements, column.scale);
    DrawLabels(out, entries, placements, column.scale);
    EndElement(out, "svg");
    AddElement(out, "rect",
               {{"x", column.left},
                {"y", column.top},
                {"width", width},
                {"height", height},
                {"fill", "none"},
                {"stroke", InkColour}});
}

// "A8: hidden", "A10: 8 x 8 at x=300 y=10, priority 0, off screen", "A12 to A127: hidden".
std::string RunTitle(std::size_t engine, std::span<const OamFields> entries,
                     const std::array<Placement, EntriesPerEngine>& placements,
                     const ListPiece& piece) {
    IndexRun run = *piece.run;
    if (run.last > run.first) {
        return EntryName(engine, run.first) + " to " + EntryName(engine, run.last) + ": " +
               piece.list->state;
    }
    if (piece.list->showing == Showing::OffScreen) {
        return TooltipOf(engine, run.first, entries[run.first], placements[run.first].box) + ", " +
               piece.list->state;
    }
    return EntryName(engine, run.first) + ": " + piece.list->state;
}

// Each run of entries the dump holds is a span of its own with its title and the place in the dump
// of its first entry; the runs of entries the dump does not hold are plain text.
void DrawLists(std::string& out, std::size_t engine, std::span<const OamFields> entries,
               const std::array<Placement, EntriesPerEngine>& placements,
               const std::vector<ListLine>& lines, Column column) {
    std::int32_t top = column.top + ScreenHeight * column.scale + ListGap;
    StartElement(out, "g", {{"font-size", ListFontSize}, {"fill", InkColour}});
    for (std::size_t i = 0; i < lines.size(); ++i) {
        StartInline(out, "text",
                    {{"x", column.left},
                     {"y", top + static_cast<std::int32_t>(i) * ListLineHeight + ListFontSize}});
        for (const ListPiece& piece : lines[i]) {
            if (!piece.run || piece.list->showing == Showing::NotInDump) {
                AddText(out, piece.text);
                continue;
            }
            std::size_t first = piece.run->first;
            StartInline(out, "tspan",
                        {{"id", "list-" + EntryName(engine, first)},
                         {"data-entry", DumpIndex(engine, first)}});
            StartInline(out, "title", {});
            AddText(out, RunTitle(engine, entries, placements, piece));
            EndInline(out, "title");
            AddText(out, piece.text);
            EndInline(out, "tspan");
        }
        EndInline(out, "text");
        out += '\n';
    }
    EndElement(out, "g");
}

struct LegendRow {
    const char* id;
    Look look;
    const char* text;
};

std::vector<LegendRow> LegendRows() {
    std::vector<LegendRow> rows;
    constexpr std::array<const char*, PriorityCount> names = {"priority 0 (in front)", "priority 1",
                                                              "priority 2", "priority 3 (behind)"};
    constexpr std::array<const char*, PriorityCount> ids = {
        "legend-priority-0", "legend-priority-1", "legend-priority-2", "legend-priority-3"};
    for (std::size_t priority = 0; priority < PriorityColours.size(); ++priority) {
        const char* colour = PriorityColours[priority];
        rows.push_back(
            {ids[priority], {colour, PlainFillOpacity, colour, "none"}, names[priority]});
    }
    rows.push_back(
        {"legend-semi-transparent", SemiTransparentLook, "semi-transparent: paler, dashed"});
    rows.push_back({"legend-obj-window", ObjWindowLook, "OBJ window: grey, dotted"});
    return rows;
}

constexpr const char* GroupNote = "12 g3: entry 12, matrix group 3";

std::int32_t DrawLegend(std::string& out, std::int32_t left, std::int32_t top) {
    StartElement(out, "g", {{"id", "legend"}, {"font-size", ListFontSize}});
    std::vector<LegendRow> rows = LegendRows();
    std::int32_t y = top;
    for (const LegendRow& row : rows) {
        StartLook(out, row.look, row.id);
        AddElement(out, "rect",
                   {{"x", left}, {"y", y}, {"width", SwatchSize}, {"height", SwatchSize}});
        EndElement(out, "g");
        AddElement(
            out, "text",
            {{"x", left + SwatchSize + SwatchGap}, {"y", y + ListFontSize}, {"fill", InkColour}},
            row.text);
        y += LegendRowHeight;
    }
    AddElement(out, "text", {{"x", left}, {"y", y + ListFontSize}, {"fill", InkColour}}, GroupNote);
    EndElement(out, "g");
    return y + LegendRowHeight - top;
}

std::span<const OamFields> EngineEntries(std::span<const OamFields> entries, std::size_t engine) {
    std::span<const OamFields> own = entries.subspan(engine * EntriesPerEngine);
    return own.first(std::min(own.size(), EntriesPerEngine));
}

} // namespace

std::string ScreensPicture(std::span<const OamFields> entries, std::int32_t scale) {
    std::size_t engines = (entries.size() + EntriesPerEngine - 1) / EntriesPerEngine;
    std::vector<std::array<Placement, EntriesPerEngine>> placements(engines);
    std::vector<std::vector<ListLine>> lists(engines);
    std::int32_t columnWidth = ScreenWidth * scale;
    std::size_t listLines = 0;
    for (std::size_t engine = 0; engine < engines; ++engine) {
        std::span<const OamFields> own = EngineEntries(entries, engine);
        for (std::size_t index = 0; index < own.size(); ++index) {
            placements[engine][index] = PlacementOf(own[index]);
        }
        lists[engine] =
            ListLines(placements[engine], static_cast<std::size_t>(columnWidth / ListCharWidth));
        listLines = std::max(listLines, lists[engine].size());
    }

    std::int32_t count = static_cast<std::int32_t>(engines);
    std::int32_t legendLeft = Margin + count * (columnWidth + ColumnGap);
    std::int32_t top = Margin + TitleHeight;
    std::int32_t screensHeight =
        ScreenHeight * scale + ListGap + static_cast<std::int32_t>(listLines) * ListLineHeight;
    std::string legend;
    std::int32_t legendHeight = DrawLegend(legend, legendLeft, top);
    std::int32_t width = legendLeft + LegendWidth + Margin;
    std::int32_t height = top + std::max(screensHeight, legendHeight) + Margin;

    std::string out;
    StartSvg(out, width, height, {{"font-family", FontFamily}});
    AddElement(out, "title", {}, "OAM screens");
    AddElement(out, "rect", {{"width", width}, {"height", height}, {"fill", PaperColour}});
    for (std::size_t engine = 0; engine < engines; ++engine) {
        std::span<const OamFields> own = EngineEntries(entries, engine);
        Column column{Margin + static_cast<std::int32_t>(engine) * (columnWidth + ColumnGap), top,
                      scale};
        DrawEngine(out, engine, own, placements[engine], column);
        DrawLists(out, engine, own, placements[engine], lists[engine], column);
    }
    out += legend;
    EndElement(out, "svg");
    return out;
}
