// Cost of the lunar conversion: the table walk grows with the year, so the
// last table year is the worst case (one month of labels per repaint).
#include "core/calendar/lunar.h"
#include "winlib/calendar/month_layout.h"

#include <benchmark/benchmark.h>

namespace {

void BM_ToLunarLastYear(benchmark::State &state) {
  int day = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(pdx::calendar::toLunar(2043, 12, 1 + day));
    day = (day + 1) % 31;
  }
}
BENCHMARK(BM_ToLunarLastYear);

void BM_LunarLabelsOfAMonth(benchmark::State &state) {
  for (auto _ : state) {
    for (int day = 1; day <= 31; ++day) {
      benchmark::DoNotOptimize(pdx::winlib::lunarLabel(2043, 12, day));
    }
  }
}
BENCHMARK(BM_LunarLabelsOfAMonth);

} // namespace

BENCHMARK_MAIN();
