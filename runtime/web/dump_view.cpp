// The dump viewer's program side; dump_view.js is its page side. Whether a file is a dump, the
// picture of its screens drawn by the very code of the companion's `screen`, an entry's twelve
// digits, and the two controls through which the window takes them as a person would.
#include "codec/dump_contents.h"
#include "codec/memory_layout.h"
#include "codec/screen_picture.h"
#include "runtime/web/layer.h"

#include <emscripten/emscripten.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

namespace {

// A new C string, which the page frees.
char* NewCString(const std::string& text) {
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (copy) {
        std::memcpy(copy, text.c_str(), text.size() + 1);
    }
    return copy;
}

std::span<const std::uint8_t> DumpBytes(const std::uint8_t* bytes, int size) {
    return {bytes, static_cast<std::size_t>(size)};
}

} // namespace

extern "C" {

// The page side's start (dump_view.js): the control and the drop, before the window is made.
void oam_dump_view_start();

// The companion's message for a file named `name` of `size` bytes that is not a dump, or null when
// it has a dump's size. A file's size may pass 32 bits, so it comes as the page's number.
EMSCRIPTEN_KEEPALIVE char* oam_dump_problem(double size, const char* name) {
    std::size_t counted = size > static_cast<double>(LargestCountedSize)
                              ? LargestCountedSize + 1
                              : static_cast<std::size_t>(size);
    return IsDumpSize(counted) ? nullptr : NewCString(NotADumpProblem(name, counted));
}

// Both screens' picture of a dump of a dump's size, as `oamcalc-cli screen` writes it.
EMSCRIPTEN_KEEPALIVE char* oam_dump_picture(const std::uint8_t* bytes, int size) {
    return NewCString(ScreensPicture(DecodeAll(DumpBytes(bytes, size)), DefaultScale));
}

// The twelve digits of entry `index`, which the dump holds.
EMSCRIPTEN_KEEPALIVE char* oam_dump_entry_text(const std::uint8_t* bytes, int size, int index) {
    if (index < 0 ||
        static_cast<std::size_t>(index + 1) * BytesPerEntry > static_cast<std::size_t>(size)) {
        return nullptr;
    }
    return NewCString(
        EntryTextOf(DumpEntry(DumpBytes(bytes, size), static_cast<std::size_t>(index))));
}

// The dump can be opened from the moment the page shows.
__attribute__((constructor)) static void StartDumpView() {
    oam_dump_view_start();
}

// The page's serials of the entry field and of "Get Attributes"; 0 before the window has them.
EMSCRIPTEN_KEEPALIVE int oam_dump_entry_field() {
    return SerialOf(OamValueField, ControlKind::TextField);
}

EMSCRIPTEN_KEEPALIVE int oam_dump_get_attributes_button() {
    return SerialOf(GetAttributesButton, ControlKind::Button);
}
}
