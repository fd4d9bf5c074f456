// The names nearest a mistyped one, for "did you mean ...?": of fields and of commands alike.
#pragma once

#include <span>
#include <string_view>
#include <vector>

// The known names nearest `given`, in any case, when they are near enough to be what was meant:
// the weighted edit distance git suggests commands by, a swap of two neighbours free, an added
// letter 1, a changed one 2, a left-out one 3, and a name suggested only within 5, and within the
// given name's length, so a short wrong name is not guessed at. Several when they are equally
// near, in the order known; none when nothing is near.
std::vector<std::string_view> NearestNames(std::string_view given,
                                           std::span<const std::string_view> known);
