// The decoder alone over every selection the window can reach, against a
// baseline of writing one double with printf-style formatting per selection.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "decoder.h"

namespace {

using vexil::BandCount;
using vexil::ComponentKind;

constexpr std::pair<ComponentKind, BandCount> kModes[] = {
    {ComponentKind::Resistance, BandCount::Three}, {ComponentKind::Resistance, BandCount::Four},
    {ComponentKind::Resistance, BandCount::Five},  {ComponentKind::Inductance, BandCount::Three},
    {ComponentKind::Inductance, BandCount::Four},  {ComponentKind::Capacitance, BandCount::Three},
    {ComponentKind::Capacitance, BandCount::Four}, {ComponentKind::Capacitance, BandCount::Five},
};

template <typename F>
std::int64_t forEverySelection(F&& f)
{
    std::int64_t n = 0;
    for (const auto& [kind, count] : kModes) {
        vexil::BandSelection b{};
        for (b[0] = 0; b[0] < 10; ++b[0])
            for (b[1] = 0; b[1] < 10; ++b[1])
                for (b[2] = 0; b[2] < 12; ++b[2])
                    for (b[3] = 0; b[3] < 12; ++b[3])
                        for (b[4] = 0; b[4] < 12; ++b[4], ++n)
                            f(kind, count, b);
    }
    return n;
}

void DecodeEverySelection(benchmark::State& state)
{
    const auto tables = vexil::buildDecoderTables();
    std::int64_t selections = 0;
    for (auto _ : state)
        selections +=
            forEverySelection([&](ComponentKind kind, BandCount count, const vexil::BandSelection& b) {
                benchmark::DoNotOptimize(vexil::decode(tables, kind, count, b, ","));
            });
    state.counters["per_selection"] =
        benchmark::Counter(double(selections), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Baseline_PrintOneDouble(benchmark::State& state)
{
    std::int64_t selections = 0;
    char text[32];
    for (auto _ : state)
        selections += forEverySelection([&](ComponentKind, BandCount, const vexil::BandSelection& b) {
            std::snprintf(text, sizeof text, "%.15g", (b[0] * 10 + b[1]) * 0.1);
            benchmark::DoNotOptimize(text);
        });
    state.counters["per_selection"] =
        benchmark::Counter(double(selections), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(Baseline_PrintOneDouble)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodeEverySelection)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
