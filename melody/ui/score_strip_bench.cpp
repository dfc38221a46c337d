// Painting the score strip of a 500-entry melody, and scrolling it by a
// page, offscreen: each must stay well inside a 16 ms frame.
#include "melody/ui/score_strip.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

namespace pdx::melody::ui {
namespace {

class QuietHost : public ScoreHost {
public:
  bool isPlaying() const override { return false; }
  void silence() override {}
  void rewindPlayer() override {}
  void showMessage(std::string_view) override {}
  bool askYesNo(std::string_view) override { return true; }
};

struct Fixture {
  Fixture() : editor(host) {
    melody.setStoredKey(1);
    std::vector<NoteEntry> entries;
    for (int i = 0; i < 500; ++i) {
      entries.push_back({static_cast<uint16_t>(i % 3 == 0 ? 1500 : 250),
                         i % 9 == 8 ? kBarLine : static_cast<uint16_t>(0x28 + i % 20)});
    }
    melody.assignStored(entries);
    melody.recomputeEncodedLength();
    editor.setMelody(&melody);
    strip = std::make_unique<ScoreStrip>(editor, glyphs, nullptr);
    strip->resize(428, 145);
    editor.setCursor(250);
    editor.setSelection(240, 260);
    strip->refresh();
  }
  QuietHost host;
  CMelody melody;
  ScoreEditor editor;
  ScoreGlyphs glyphs;
  std::unique_ptr<ScoreStrip> strip;
};

void BM_PaintStrip(benchmark::State &state) {
  Fixture f;
  QImage target(f.strip->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    f.strip->render(&target);
    benchmark::DoNotOptimize(target.bits());
  }
}
BENCHMARK(BM_PaintStrip)->Unit(benchmark::kMillisecond);

void BM_ScrollPageAndPaint(benchmark::State &state) {
  Fixture f;
  QImage target(f.strip->size(), QImage::Format_ARGB32_Premultiplied);
  int direction = 1;
  for (auto _ : state) {
    if (f.strip->firstVisible() > 450 || f.strip->firstVisible() == 0) {
      direction = f.strip->firstVisible() == 0 ? 1 : -1;
    }
    f.strip->scrollPages(direction);
    f.strip->render(&target);
    benchmark::DoNotOptimize(target.bits());
  }
}
BENCHMARK(BM_ScrollPageAndPaint)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace pdx::melody::ui

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
