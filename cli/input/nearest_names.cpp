#include "cli/input/nearest_names.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace {

constexpr int SwapCost = 0;
constexpr int ChangeCost = 2;
constexpr int AddCost = 1;
constexpr int DropCost = 3;
constexpr int FarthestSuggested = 5;
// Past this, a given name is farther than the limit from any known one: every letter dropped costs.
constexpr std::size_t LongestCompared = 64;

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// What it costs to turn `given` into `known`, by the cheapest steps; one row at a time, with the
// two before it for swaps.
int Distance(std::string_view given, std::string_view known) {
    std::vector<int> before(known.size() + 1), previous(known.size() + 1), row(known.size() + 1);
    for (std::size_t j = 0; j <= known.size(); ++j) {
        previous[j] = static_cast<int>(j) * AddCost;
    }
    for (std::size_t i = 0; i < given.size(); ++i) {
        row[0] = static_cast<int>(i + 1) * DropCost;
        for (std::size_t j = 0; j < known.size(); ++j) {
            int cost = previous[j] + (Lower(given[i]) == Lower(known[j]) ? 0 : ChangeCost);
            if (i > 0 && j > 0 && Lower(given[i - 1]) == Lower(known[j]) &&
                Lower(given[i]) == Lower(known[j - 1])) {
                cost = std::min(cost, before[j - 1] + SwapCost);
            }
            cost = std::min({cost, previous[j + 1] + DropCost, row[j] + AddCost});
            row[j + 1] = cost;
        }
        std::swap(before, previous);
        std::swap(previous, row);
    }
    return previous[known.size()];
}

} // namespace

std::vector<std::string_view> NearestNames(std::string_view given,
                                           std::span<const std::string_view> known) {
    std::vector<std::string_view> nearest;
    if (given.size() > LongestCompared) {
        return nearest;
    }
    int farthest = std::min(FarthestSuggested, static_cast<int>(given.size()));
    int best = farthest + 1;
    for (std::string_view name : known) {
        int distance = Distance(given, name);
        if (distance > farthest) {
            continue;
        }
        if (distance < best) {
            best = distance;
            nearest.clear();
        }
        if (distance == best) {
            nearest.push_back(name);
        }
    }
    return nearest;
}
