// Reading speed of the RTF reader on a help-sized document of Hangul text
// given as \'hh escapes, the form the help documents take.
#include "winlib/help/rtf_reader.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

std::string sampleDocument(int paragraphs) {
  std::string rtf = "{\\rtf1\\ansi\\ansicpg949{\\fonttbl{\\f0 x;}}{\\colortbl;\\red0\\green51\\blue153;}";
  for (int i = 0; i < paragraphs; ++i) {
    rtf += "\\pard\\sa60{\\b\\cf1 \\'c7\\'d1\\'b1\\'db} \\'b5\\'b5\\'bf\\'f2\\'b8\\'bb text, ";
    rtf += "\\'c8\\'ad\\'b8\\'e9\\'c0\\'c7 \\'b4\\'dc\\'c3\\'df\\'b8\\'a6 "
           "\\'b4\\'a9\\'b8\\'a8\\'b4\\'cf\\'b4\\'d9.\\par\n";
  }
  return rtf + "}";
}

void BM_ReadRtf(benchmark::State &state) {
  const std::string rtf = sampleDocument(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    benchmark::DoNotOptimize(pdx::winlib::readRtf(rtf));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(rtf.size()));
}
BENCHMARK(BM_ReadRtf)->Arg(50)->Arg(1000);

} // namespace

BENCHMARK_MAIN();
