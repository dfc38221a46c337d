#include "cli/animation_output.h"

#include "animation/file/file_messages.h"
#include "cli/output.h"
#include "core/base/atomic_file.h"
#include "core/base/user_text.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <cstdio>
#include <gif_lib.h>
#include <span>

namespace pdx::cli {

namespace {

using animation::CMonoPicture;

bool endsWith(const std::string &text, const std::string &suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool cannotWrite(const std::string &path) {
  printError(pdx::text::fill(pdx::text::translate("pdx::cli", "%1 파일을 쓸 수 없습니다."), {path}));
  return false;
}

// Every picture goes through the atomic save, so a full disk or a killed
// process leaves the previous file as it was.
bool save(const std::string &path, std::span<const uint8_t> bytes) {
  return writeFileAtomically(path, bytes) == DocResult::Ok || cannotWrite(path);
}

bool save(const std::string &path, const std::string &bytes) {
  return save(path, {reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size()});
}

// A reader's note on one line: its texts break lines after the file name.
std::string oneLine(std::string text) {
  while (!text.empty() && text.back() == '\n') {
    text.pop_back();
  }
  std::replace(text.begin(), text.end(), '\n', ' ');
  return text;
}

int appendToBuffer(GifFileType *gif, const GifByteType *bytes, int count) {
  auto *buffer = static_cast<std::string *>(gif->UserData);
  buffer->append(reinterpret_cast<const char *>(bytes), static_cast<size_t>(count));
  return count;
}

bool writePng(const std::string &path, const CMonoPicture &picture) {
  QImage image(CMonoPicture::kWidth, CMonoPicture::kHeight, QImage::Format_Mono);
  image.setColor(0, qRgb(255, 255, 255));
  image.setColor(1, qRgb(0, 0, 0));
  for (int y = 0; y < CMonoPicture::kHeight; ++y) {
    for (int x = 0; x < CMonoPicture::kWidth; ++x) {
      image.setPixel(x, y, picture.pixel(x, y) ? 1 : 0);
    }
  }
  QByteArray png;
  QBuffer buffer(&png);
  if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
    return cannotWrite(path);
  }
  return save(path, {reinterpret_cast<const uint8_t *>(png.constData()), static_cast<size_t>(png.size())});
}

bool putGifFrame(GifFileType *gif, const CMonoPicture &frame, int delayMs) {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSAL_UNSPECIFIED;
  control.DelayTime = delayMs / 10;
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType extension[4];
  EGifGCBToExtension(&control, extension);
  if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_ERROR ||
      EGifPutImageDesc(gif, 0, 0, CMonoPicture::kWidth, CMonoPicture::kHeight, false, nullptr) == GIF_ERROR) {
    return false;
  }
  GifPixelType row[CMonoPicture::kWidth];
  for (int y = 0; y < CMonoPicture::kHeight; ++y) {
    for (int x = 0; x < CMonoPicture::kWidth; ++x) {
      row[x] = frame.pixel(x, y) ? 1 : 0;
    }
    if (EGifPutLine(gif, row, CMonoPicture::kWidth) == GIF_ERROR) {
      return false;
    }
  }
  return true;
}

bool putGifLoop(GifFileType *gif) {
  GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  GifByteType loopCount[] = {1, 0, 0};
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) != GIF_ERROR &&
         EGifPutExtensionBlock(gif, sizeof(application), application) != GIF_ERROR &&
         EGifPutExtensionBlock(gif, sizeof(loopCount), loopCount) != GIF_ERROR &&
         EGifPutExtensionTrailer(gif) != GIF_ERROR;
}

} // namespace

bool isPictureOutput(const std::string &path) {
  return endsWith(path, ".png") || endsWith(path, ".pbm");
}

bool writePicture(const std::string &path, const CMonoPicture &picture) {
  return endsWith(path, ".png") ? writePng(path, picture) : writePbm(path, picture);
}

bool writePbm(const std::string &path, const CMonoPicture &picture) {
  std::string out =
      "P4\n" + std::to_string(CMonoPicture::kWidth) + ' ' + std::to_string(CMonoPicture::kHeight) + '\n';
  for (int y = 0; y < CMonoPicture::kHeight; ++y) {
    for (int band = 0; band < CMonoPicture::kWidth / 8; ++band) {
      out.push_back(static_cast<char>(picture.bits()[CMonoPicture::byteIndex(band * 8, y)]));
    }
  }
  return save(path, out);
}

bool writePpm(const std::string &path, const animation::CImportImage &image) {
  AtomicFile out(path);
  const std::string head =
      "P6\n" + std::to_string(image.width()) + ' ' + std::to_string(image.height()) + "\n255\n";
  bool ok = out.open() && out.write({reinterpret_cast<const uint8_t *>(head.data()), head.size()});
  // Row by row, so that a large picture is not held twice.
  std::vector<uint8_t> row(static_cast<size_t>(image.width()) * 3);
  for (int y = 0; ok && y < image.height(); ++y) {
    const uint8_t *bgr = image.rowFromBottom(image.height() - 1 - y);
    for (size_t x = 0; x < static_cast<size_t>(image.width()); ++x) {
      row[3 * x] = bgr[3 * x + 2];
      row[3 * x + 1] = bgr[3 * x + 1];
      row[3 * x + 2] = bgr[3 * x];
    }
    ok = out.write(row);
  }
  return (ok && out.commit()) || cannotWrite(path);
}

bool writeGif(const std::string &path, const std::vector<CMonoPicture> &frames, int delayMs) {
  int error = 0;
  std::string bytes;
  GifFileType *gif = EGifOpen(&bytes, appendToBuffer, &error);
  if (gif == nullptr) {
    return cannotWrite(path);
  }
  EGifSetGifVersion(gif, true);
  GifColorType colours[2] = {{255, 255, 255}, {0, 0, 0}};
  ColorMapObject *map = GifMakeMapObject(2, colours);
  bool ok = map != nullptr &&
            EGifPutScreenDesc(gif, CMonoPicture::kWidth, CMonoPicture::kHeight, 1, 0, map) != GIF_ERROR &&
            putGifLoop(gif);
  for (size_t i = 0; ok && i < frames.size(); ++i) {
    ok = putGifFrame(gif, frames[i], delayMs);
  }
  ok = EGifCloseFile(gif, &error) != GIF_ERROR && ok;
  GifFreeMapObject(map);
  return ok ? save(path, bytes) : cannotWrite(path);
}

int loadAnimationFile(const std::string &path, animation::CAnimationFile &file) {
  const DocResult result = file.Load(path);
  if (result != DocResult::Ok) {
    std::fprintf(stderr, "pelodex-cli: %s: %s\n", path.c_str(), animation::fileMessage(result));
  }
  return code(result);
}

PickedAnimation loadAnimationAt(const std::string &path, std::optional<long> index,
                                animation::CAnimationFile &file) {
  if (const int result = loadAnimationFile(path, file); result != 0) {
    return {nullptr, result};
  }
  const long i = index.value_or(0);
  animation::CAnimation *animation = file.at(static_cast<int>(i));
  if (animation == nullptr) {
    printError(
        pdx::text::fill(pdx::text::translate(
                            "pdx::cli", "%1번 애니메이션이 없습니다. 파일에는 %2개의 애니메이션이 있습니다."),
                        {std::to_string(i), std::to_string(file.count())}));
    return {nullptr, kBadArguments};
  }
  return {animation, 0};
}

animation::ImportSettings importOptions(Args &args) {
  animation::ImportSettings settings;
  settings.fit = static_cast<animation::FitMode>(args.number("--fit", 0, 2).value_or(0));
  settings.position = static_cast<animation::Position>(args.number("--position", 0, 2).value_or(1));
  settings.brightness = static_cast<int>(args.number("--brightness", -100, 100).value_or(0));
  settings.contrast = static_cast<int>(args.number("--contrast", -100, 100).value_or(0));
  return settings;
}

int loadImageFile(const std::string &path, animation::CImportImage &image) {
  const animation::LoadResult result = image.LoadImage(path);
  const std::string status = oneLine(image.status());
  switch (result) {
  case animation::LoadResult::UnsupportedType:
    std::fprintf(stderr, "pelodex-cli: %s: %s\n", path.c_str(),
                 oneLine(animation::importMessage(animation::ImportResult::NotAPicture)).c_str());
    return static_cast<int>(animation::ImportResult::NotAPicture);
  case animation::LoadResult::ReaderFailed:
    std::fprintf(stderr, "pelodex-cli: %s: %s (%s)\n", path.c_str(),
                 oneLine(animation::importMessage(animation::ImportResult::CannotRead)).c_str(),
                 status.c_str());
    return static_cast<int>(animation::ImportResult::CannotRead);
  case animation::LoadResult::Ok:
    break;
  }
  // A picture read despite a fault (a damaged tail, odd pixels) says why.
  if (status != "OK" && status != "No Error") {
    printError(pdx::text::fill(pdx::text::translate("pdx::cli", "경고: %1: %2"), {path, status}));
  }
  return 0;
}

int importOnto(animation::CAnimation &picture, const std::string &imagePath,
               const animation::ImportSettings &settings) {
  animation::CImportImage image;
  if (const int result = loadImageFile(imagePath, image); result != 0) {
    return result;
  }
  return static_cast<int>(animation::ImportIntoPicture(picture, image, settings));
}

} // namespace pdx::cli
