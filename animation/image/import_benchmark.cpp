// Import of large pictures: decoding plus conversion onto the picture. The
// inputs are made at start-up: a 4000 x 3000 JPEG and a 1000 x 1000 GIF.
// The memory benchmarks import the largest JPEG accepted (8192 x 8192, 64
// megapixels), baseline and progressive, from a file in a child process and
// report its peak resident memory beside the decoded picture's size.
#include "animation/image/conversion.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <gif_lib.h>
#include <jpeglib.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace pdx::animation;

uint8_t sample(int x, int y, int channel) {
  return static_cast<uint8_t>((x * (3 + channel) + y * 5 + (x ^ y)) & 0xFF);
}

std::vector<uint8_t> makeJpeg(int width, int height, bool progressive = false) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char *buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 85, TRUE);
  if (progressive) {
    jpeg_simple_progression(&info);
  }
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width) * 3);
  while (info.next_scanline < info.image_height) {
    const int y = static_cast<int>(info.next_scanline);
    for (int x = 0; x < width; ++x) {
      for (int c = 0; c < 3; ++c) {
        row[static_cast<size_t>(3 * x + c)] = sample(x, y, c);
      }
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::vector<uint8_t> bytes(buffer, buffer + size);
  std::free(buffer);
  return bytes;
}

int appendToVector(GifFileType *gif, const GifByteType *data, int length) {
  auto *out = static_cast<std::vector<uint8_t> *>(gif->UserData);
  out->insert(out->end(), data, data + length);
  return length;
}

std::vector<uint8_t> makeGif(int width, int height) {
  std::vector<uint8_t> bytes;
  int error = 0;
  GifFileType *gif = EGifOpen(&bytes, appendToVector, &error);
  std::vector<GifColorType> colours(256);
  for (int i = 0; i < 256; ++i) {
    colours[static_cast<size_t>(i)] = {static_cast<GifByteType>(i), static_cast<GifByteType>(255 - i),
                                       static_cast<GifByteType>(i * 7)};
  }
  ColorMapObject *map = GifMakeMapObject(256, colours.data());
  EGifPutScreenDesc(gif, width, height, 8, 0, map);
  EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr);
  std::vector<GifPixelType> row(static_cast<size_t>(width));
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      row[static_cast<size_t>(x)] = sample(x, y, 0);
    }
    EGifPutLine(gif, row.data(), width);
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return bytes;
}

void importInto(benchmark::State &state, ImageType type, const std::vector<uint8_t> &file) {
  for (auto _ : state) {
    CImportImage image;
    if (!readImage(type, file, image)) {
      state.SkipWithError("the generated picture was not read");
      return;
    }
    CAnimation picture;
    benchmark::DoNotOptimize(ImportIntoPicture(picture, image, {}));
    benchmark::DoNotOptimize(picture.bits());
  }
}

void BM_ImportJpeg4000x3000(benchmark::State &state) {
  static const auto file = makeJpeg(4000, 3000);
  importInto(state, ImageType::Jpeg, file);
}
BENCHMARK(BM_ImportJpeg4000x3000)->Unit(benchmark::kMillisecond);

void BM_ImportGif1000x1000(benchmark::State &state) {
  static const auto file = makeGif(1000, 1000);
  importInto(state, ImageType::Gif, file);
}
BENCHMARK(BM_ImportGif1000x1000)->Unit(benchmark::kMillisecond);

// Peak resident memory in MB of a child process running `work`.
double childPeakMb(const std::function<void()> &work) {
  const pid_t child = ::fork();
  if (child == 0) {
    work();
    std::_Exit(0);
  }
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_PeakMemoryOfLargestJpeg(benchmark::State &state) {
  const bool progressive = state.range(0) != 0;
  const std::string path = "/tmp/pdx-largest-" + std::to_string(::getpid()) + ".jpg";
  {
    const auto bytes = makeJpeg(8192, 8192, progressive);
    std::FILE *file = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  bool accepted = false;
  for (auto _ : state) {
    const double idle = childPeakMb([] {});
    const double peak = childPeakMb([&] {
      CImportImage image;
      std::_Exit(image.LoadImage(path) == LoadResult::Ok ? 0 : 1);
    });
    CImportImage probe;
    accepted = probe.LoadImage(path) == LoadResult::Ok;
    state.counters["import_peak_MB"] = peak - idle;
    state.counters["decoded_MB"] = static_cast<double>(probe.stride() * 8192) / (1 << 20);
  }
  std::remove(path.c_str());
  if (!accepted) {
    state.SkipWithError("the largest accepted picture was refused");
  }
}
BENCHMARK(BM_PeakMemoryOfLargestJpeg)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
