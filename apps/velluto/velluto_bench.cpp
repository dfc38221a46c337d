// Costs of the editor's screen work: painting the canvas at its zoom, one
// rubber-band step of the ellipse tool, one preview frame, and the import
// dialog's reconversion of a 12-megapixel photograph after a slider step.
#include "animation/editor/import_preview.h"
#include "animation/ui/effect_preview.h"
#include "animation/ui/picture_canvas.h"
#include "animation/ui/picture_image.h"
#include "apps/velluto/import_dialog.h"
#include "resources/fonts.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSlider>
#include <benchmark/benchmark.h>

namespace {

using namespace pdx::velluto;

CAnimation drawing() {
  CAnimation picture;
  for (int y = 0; y < CMonoPicture::kHeight; ++y) {
    for (int x = 0; x < CMonoPicture::kWidth; ++x) {
      picture.setPixel(x, y, (x * y + x / 3) % 5 == 0);
    }
  }
  return picture;
}

void BM_PaintCanvas(benchmark::State &state) {
  CanvasOwner owner;
  SystemRandom random(1);
  CPictureCanvas canvas(nullptr, owner, random);
  canvas.resize(320, 218);
  CAnimation picture = drawing();
  canvas.SetPicture(&picture);
  canvas.Model().SelectAll();
  QImage target(canvas.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    canvas.render(&target);
    benchmark::DoNotOptimize(target.constBits());
  }
}
BENCHMARK(BM_PaintCanvas)->Unit(benchmark::kMillisecond);

void BM_EllipseRubberBandStep(benchmark::State &state) {
  CanvasOwner owner;
  SystemRandom random(1);
  CPictureCanvas canvas(nullptr, owner, random);
  canvas.resize(320, 218);
  CAnimation picture = drawing();
  canvas.SetPicture(&picture);
  canvas.Model().SetTool(4);
  canvas.Model().ButtonDown({5, 5}, true);
  QImage target(canvas.size(), QImage::Format_RGB32);
  int step = 0;
  for (auto _ : state) {
    // One mouse move: the model redraws from its base copy, the canvas paints.
    canvas.Model().MouseMove({20 + step % 70, 10 + step % 40});
    canvas.render(&target);
    ++step;
  }
}
BENCHMARK(BM_EllipseRubberBandStep)->Unit(benchmark::kMillisecond);

void BM_PreviewFrame(benchmark::State &state) {
  SystemRandom random(1);
  CEffectPreview preview(nullptr, random);
  preview.resize(105, 67);
  CAnimation picture = drawing();
  picture.setEffect(9);
  preview.SetAnimation(&picture);
  QImage target(preview.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    if (!preview.Running()) {
      preview.Play();
    }
    (void)preview.Tick();
    preview.render(&target);
  }
}
BENCHMARK(BM_PreviewFrame)->Unit(benchmark::kMillisecond);

void BM_ImportReconversion12Mp(benchmark::State &state) {
  CImportImage photo;
  if (!photo.allocate(4000, 3000)) {
    state.SkipWithError("no memory");
    return;
  }
  for (int y = 0; y < photo.height(); ++y) {
    uint8_t *row = photo.rowFromBottom(y);
    for (size_t i = 0; i < photo.stride(); ++i) {
      row[i] = static_cast<uint8_t>((i * 7 + static_cast<size_t>(y) * 3) & 0xFF);
    }
  }
  ImportSettings settings;
  for (auto _ : state) {
    // A slider step: the conversion from memory and the preview's picture.
    settings.brightness = settings.brightness == 20 ? 0 : 20;
    const QImage preview = pictureImage(convertedScreen(photo, settings));
    benchmark::DoNotOptimize(preview.constBits());
  }
}
BENCHMARK(BM_ImportReconversion12Mp)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  pdx::resources::installFonts();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
