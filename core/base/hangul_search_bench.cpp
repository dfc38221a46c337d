// An initial-consonant query over a full phonebook of names.
#include "core/base/cp949.h"
#include "core/base/hangul_search.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

void BM_InitialsOverFullPhonebook(benchmark::State &state) {
  const std::vector<std::string> syllables = {"김", "이", "박", "최", "정", "강", "조", "윤", "장", "임",
                                              "한", "오", "서", "신", "권", "황", "안", "송", "류", "홍"};
  std::vector<std::string> names;
  for (int i = 0; i < 200; ++i) {
    names.push_back(
        pdx::text::fromUtf8(syllables[i % 20] + syllables[(i * 7) % 20] + syllables[(i * 13) % 20]));
  }
  const std::string query = pdx::text::fromUtf8("ㅎㄱㄷ");
  for (auto _ : state) {
    int found = 0;
    for (const std::string &name : names) {
      found += pdx::text::nameMatches(name, query) ? 1 : 0;
    }
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_InitialsOverFullPhonebook)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
