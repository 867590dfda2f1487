// Times one build of the clock string with the default command string, the
// work the tick does ten times a second, with fixed memory and disk figures.
#include <benchmark/benchmark.h>

#include "clock_text.h"
#include "fixed_figures.h"

namespace {

void BM_BuildClockStringDefault(benchmark::State& state) {
    settings::Settings settings = settings::DefaultSettings();
    clocktext::CurrentLanguage language;
    FixedFigures figures;
    figures.now = kThursdayAfternoon;
    figures.memory = 8 * kGiB;
    figures.freeBytes = 45 * kGiB + 650000000;
    char clockString[clocktext::kClockStringSize];
    clocktext::ClockTextEngine engine(settings, language, figures, clockString);
    for (auto _ : state) {
        engine.BuildClockString(settings.Layout);
        benchmark::DoNotOptimize(clockString);
    }
}
BENCHMARK(BM_BuildClockStringDefault);

}  // namespace

BENCHMARK_MAIN();
