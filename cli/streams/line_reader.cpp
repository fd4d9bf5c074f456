#include "cli/streams/line_reader.h"

#include "cli/streams/descriptors.h"

#include <algorithm>
#include <cstring>

namespace {

// A text editor on Windows may start a file with the byte-order mark; it is not part of line 1.
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// Reads more after what is held, moved to the front first; false at the end or on an error.
bool Fill(LineReader& reader) {
    if (reader.ended || reader.error != 0) {
        return false;
    }
    if (reader.start > 0) {
        std::memmove(reader.buffer.data(), reader.buffer.data() + reader.start,
                     reader.end - reader.start);
        reader.end -= reader.start;
        reader.start = 0;
    }
    if (reader.pending && !reader.pending->buffer.empty() && ReadWouldWait(reader.descriptor)) {
        Flush(*reader.pending);
    }
    Transfer got = ReadSome(reader.descriptor, reader.buffer.data() + reader.end,
                            reader.buffer.size() - reader.end);
    reader.error = got.error;
    reader.ended = got.error == 0 && got.count == 0;
    reader.end += got.count;
    return got.count > 0;
}

std::string_view Held(const LineReader& reader) {
    return {reader.buffer.data() + reader.start, reader.end - reader.start};
}

void SkipByteOrderMark(LineReader& reader) {
    while (reader.end - reader.start < ByteOrderMark.size() && Fill(reader)) {
    }
    if (Held(reader).starts_with(ByteOrderMark)) {
        reader.start += ByteOrderMark.size();
    }
    reader.startOfInput = false;
}

// Drops the rest of an overlong line, up to and including its line feed.
void SkipLine(LineReader& reader) {
    reader.start = reader.end;
    while (Fill(reader)) {
        std::size_t feed = Held(reader).find('\n');
        if (feed != std::string_view::npos) {
            reader.start += feed + 1;
            return;
        }
        reader.start = reader.end;
    }
}

InputLine Failed(const LineReader& reader) {
    return {reader.error != 0 ? LineStatus::Failed : LineStatus::End, {}, reader.lineNumber};
}

} // namespace

LineReader OpenLineReader(int descriptor, Output* pending) {
    LineReader reader;
    reader.descriptor = descriptor;
    reader.pending = pending;
    reader.buffer.resize(InputBufferBytes);
    return reader;
}

InputLine NextLine(LineReader& reader) {
    if (reader.startOfInput) {
        SkipByteOrderMark(reader);
    }
    for (std::size_t searched = 0;;) {
        std::string_view held = Held(reader);
        std::size_t feed = held.find('\n', searched);
        if (feed != std::string_view::npos || held.size() > LongestLine ||
            (reader.ended && !held.empty())) {
            ++reader.lineNumber;
            std::size_t length = std::min(feed, held.size());
            if (length > LongestLine) {
                feed == std::string_view::npos ? SkipLine(reader) : void(reader.start += feed + 1);
                return {LineStatus::TooLong, {}, reader.lineNumber};
            }
            reader.start += std::min(length + 1, held.size());
            return {LineStatus::Line, held.substr(0, length), reader.lineNumber};
        }
        searched = held.size();
        if (!Fill(reader) && !reader.ended) {
            return Failed(reader);
        }
        if (reader.ended && Held(reader).empty()) {
            return Failed(reader);
        }
    }
}
