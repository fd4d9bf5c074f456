// AnnounceStatus: the page's polite live region, outside the window, which a screen reader reads
// once it has finished what it was saying, without the focus moving.
#include "runtime/web/layer.h"

#include <string>

void AnnounceStatus(TextRef text) {
    oam_page_announce(std::string(text.chars).c_str());
}
