// How fast the digit-text codec converts, beside shifts and masks as the floor of what any
// conversion could cost.
#include "codec/bit_fields.h"
#include "codec/decoder.h"
#include "codec/encoder.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

std::vector<OamFields> SampleStates() {
    std::vector<OamFields> samples;
    for (std::uint32_t i = 0; i < 1024; ++i) {
        auto v = static_cast<std::uint16_t>(i * 2654435761u >> 16);
        samples.push_back(FieldsOfWords({v, static_cast<std::uint16_t>(v * 31), 0x5A01}));
    }
    return samples;
}

std::vector<std::string> SampleEntries() {
    std::vector<std::string> entries;
    for (const OamFields& s : SampleStates()) {
        entries.push_back(EncodeEntry(s));
    }
    return entries;
}

void EncodeWithDigitTexts(benchmark::State& state) {
    std::vector<OamFields> samples = SampleStates();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(EncodeEntry(samples[i++ % samples.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}

void EncodeWithShiftsAndMasks(benchmark::State& state) {
    std::vector<OamFields> samples = SampleStates();
    std::size_t i = 0;
    for (auto _ : state) {
        std::string text(EntryTextLength, '0');
        WriteEntryDigits(WordsOfFields(samples[i++ % samples.size()]), text.data());
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations());
}

void DecodeWithDigitTexts(benchmark::State& state) {
    std::vector<std::string> entries = SampleEntries();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeEntry(entries[i++ % entries.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}

void DecodeWithShiftsAndMasks(benchmark::State& state) {
    std::vector<std::string> entries = SampleEntries();
    std::size_t i = 0;
    for (auto _ : state) {
        const std::optional<AttributeWords> words = ReadEntryDigits(entries[i++ % entries.size()]);
        benchmark::DoNotOptimize(FieldsOfWords(*words));
    }
    state.SetItemsProcessed(state.iterations());
}

BENCHMARK(EncodeWithDigitTexts);
BENCHMARK(EncodeWithShiftsAndMasks);
BENCHMARK(DecodeWithDigitTexts);
BENCHMARK(DecodeWithShiftsAndMasks);

} // namespace

BENCHMARK_MAIN();
