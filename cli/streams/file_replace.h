// Every named file the program writes goes through here, so a failed run never loses what was
// there: the new bytes go to a temporary file beside the target, reach the disk, and take the
// target's name only when whole. On any failure the target keeps its old bytes and the temporary
// file is removed. A target that is not a regular file (a device, a FIFO, a console) has no old
// bytes to keep and must never be removed or replaced: it is written directly, never truncated.
// One file per platform behind this header, as for the descriptors.
#pragma once

#include <string>
#include <string_view>

// 0, or the error number (errno) of the step that failed.
int WriteWholeFile(const std::string& path, std::string_view bytes);
