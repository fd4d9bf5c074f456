#include "cli/input/digit_groups.h"

#include "cli/input/blanks.h"

std::optional<Digits> WithoutBlanks(std::string_view text, std::size_t unitDigits) {
    Digits digits;
    std::size_t run = 0; // characters since the last blank
    for (char c : text) {
        if (IsBlank(c)) {
            if (run % unitDigits != 0) {
                return std::nullopt;
            }
            run = 0;
            continue;
        }
        if (digits.size == digits.text.size()) {
            return std::nullopt;
        }
        digits.text[digits.size++] = c;
        ++run;
    }
    if (run % unitDigits != 0) {
        return std::nullopt;
    }
    return digits;
}

std::optional<EntryRead> ReadEntry(std::string_view text) {
    std::optional<Digits> digits = WithoutBlanks(text, HalfwordDigits);
    if (!digits) {
        return std::nullopt;
    }
    std::optional<AttributeWords> words = ReadEntryDigits(digits->View());
    if (!words) {
        return std::nullopt;
    }
    return EntryRead{*words, *digits};
}

std::vector<std::string_view> BlankSeparated(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i])) {
            ++i;
        }
        words.push_back(text.substr(start, i - start));
    }
    return words;
}
