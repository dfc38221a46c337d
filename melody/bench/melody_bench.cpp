// Loading, editing and saving a melody file, and rendering a long melody.
#include "melody/encode/phone_encoding.h"
#include "melody/file/melody_file.h"
#include "melody/score/score_editor.h"
#include "melody/sound/melody_renderer.h"

#include <benchmark/benchmark.h>
#include <random>
#include <unistd.h>

namespace pdx::melody {
namespace {

namespace fs = std::filesystem;

class QuietHost : public ScoreHost {
public:
  bool isPlaying() const override { return false; }
  void silence() override {}
  void rewindPlayer() override {}
  void showMessage(std::string_view) override {}
  bool askYesNo(std::string_view) override { return true; }
};

fs::path benchFolder() {
  const fs::path dir = fs::temp_directory_path() / ("pdx-melody-bench-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  return dir;
}

// A file of ten melodies of 400 entries each.
void writeSample(const fs::path &folder) {
  CMelodyFile doc;
  doc.setFolder(folder);
  doc.New("bench", "bench.pcm");
  QuietHost host;
  ScoreEditor editor(host);
  for (int m = 0; m < 10; ++m) {
    if (m > 0) {
      doc.SetCurrent(doc.AddMelody(std::to_string(m)));
    }
    editor.setMelody(doc.Current());
    for (int i = 0; i < 400; ++i) {
      i % 2 ? editor.EnterBar() : editor.EnterNote(3, i % 12);
    }
  }
  if (doc.Save() != DocResult::Ok) {
    std::abort();
  }
}

// Load, 1000 insertions at random cursor positions (bars and notes of one
// duration, so every one fits), save under another name.
void BM_LoadEditSave(benchmark::State &state) {
  const fs::path folder = benchFolder();
  writeSample(folder);
  std::mt19937 random(1);
  QuietHost host;
  for (auto _ : state) {
    CMelodyFile doc;
    doc.setFolder(folder);
    if (doc.Load("bench.pcm") != DocResult::Ok) {
      state.SkipWithError("load failed");
      break;
    }
    doc.setPath("edited.pcm");
    CMelody *melody = doc.SetCurrent(doc.AddMelody("edit"));
    ScoreEditor editor(host);
    editor.setMelody(melody);
    for (int i = 0; i < 1000; ++i) {
      editor.setCursor(static_cast<int>(random() % (melody->count() + 1)));
      const bool inserted = i % 3 == 0 ? editor.EnterNote(3, i % 12) : editor.EnterBar();
      benchmark::DoNotOptimize(inserted);
    }
    if (melody->count() != 1000 || doc.Save() != DocResult::Ok) {
      state.SkipWithError("edit or save failed");
      break;
    }
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_LoadEditSave)->Unit(benchmark::kMillisecond);

// The longest melody the editor allows: 497 encoded bytes of sixteenths
// inside a repeat, at the slowest tempo (about 4 minutes of sound).
CMelody longMelody() {
  CMelody melody;
  melody.SetTempo(30);
  melody.appendIfFits({0, kLeftRepeat});
  for (int i = 0; melody.appendIfFits({250, static_cast<uint16_t>(0x30 + i % 12)}); ++i) {
  }
  melody.appendIfFits({0, kRightRepeat});
  return melody;
}

void BM_RenderLongMelodyToWav(benchmark::State &state) {
  const fs::path folder = benchFolder();
  const CMelody melody = longMelody();
  for (auto _ : state) {
    if (renderToWav(melody, folder / "long.wav", {}) != DocResult::Ok) {
      state.SkipWithError("render failed");
      break;
    }
  }
  state.counters["seconds_of_sound"] =
      static_cast<double>(fs::file_size(folder / "long.wav") - 44) / 2 / 44100;
  fs::remove_all(folder);
}
BENCHMARK(BM_RenderLongMelodyToWav)->Unit(benchmark::kMillisecond);

void BM_PhoneEncoding(benchmark::State &state) {
  const CMelody melody = longMelody();
  for (auto _ : state) {
    benchmark::DoNotOptimize(buildMelodySetPayload(0, melody));
  }
}
BENCHMARK(BM_PhoneEncoding);

} // namespace
} // namespace pdx::melody

BENCHMARK_MAIN();
