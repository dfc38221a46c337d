#include "animation/image/jpeg_reader.h"

#include "animation/image/orientation.h"
#include "core/base/user_text.h"

#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <jpeglib.h>

namespace pdx::animation {

namespace {

constexpr const char *kJpegError =
    QT_TRANSLATE_NOOP("pdx::animation::ImportImage", "JPEG 파일을 읽어들일 때 에러가 발생하였습니다.");
constexpr const char *kNoMemory =
    QT_TRANSLATE_NOOP("pdx::animation::ImportImage", "메모리가 부족하여 작업을 수행할 수 없습니다.");

// libjpeg's standard error manager with its fatal exit returning here
// instead of ending the process. It also keeps what outlives the jump: the
// first message (for the diagnosis text), whether every row was read, and
// the EXIF orientation.
struct ErrorManager {
  jpeg_error_mgr standard;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool rowsRead;
  int orientation;
};

void keepMessage(j_common_ptr info) {
  auto *errors = reinterpret_cast<ErrorManager *>(info->err);
  if (errors->message[0] == '\0') {
    (*info->err->format_message)(info, errors->message);
  }
}

[[noreturn]] void onFatalError(j_common_ptr info) {
  keepMessage(info);
  std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

// Warnings about damaged data are not shown to the user; the decoder
// carries on and the first warning goes to the diagnosis text.
void onMessage(j_common_ptr info, int level) {
  if (level < 0) {
    keepMessage(info);
    ++info->err->num_warnings;
  }
}

// Four-component rows, CMYK or YCCK as libjpeg gives them, become red,
// green, blue in place. Adobe's files store the inks inverted (255 = none).
void cmykToRgb(uint8_t *row, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x) {
    const uint8_t *ink = row + 4 * x;
    const int k = inverted ? ink[3] : 255 - ink[3];
    uint8_t rgb[3];
    for (int c = 0; c < 3; ++c) {
      rgb[c] = static_cast<uint8_t>(((inverted ? ink[c] : 255 - ink[c]) * k + 127) / 255);
    }
    std::memcpy(row + 3 * x, rgb, 3);
  }
}

void saveOrientation(jpeg_decompress_struct &info, ErrorManager &errors) {
  for (jpeg_saved_marker_ptr m = info.marker_list; m != nullptr; m = m->next) {
    if (m->marker == JPEG_APP0 + 1 && errors.orientation == 1) {
      errors.orientation = exifOrientation({m->data, m->data_length});
    }
  }
}

// A complete Huffman-coded picture spends at least one bit on each 8 x 8
// block of its full-resolution component (the DC code of the first scan),
// so its data holds at least one byte per 512 pixels. A file claiming more
// pixels is a damaged or hostile header, refused before the picture's
// memory is taken. Arithmetic coding can go below that and is left to the
// pixel and memory limits.
constexpr uint64_t kMaxPixelsPerByte = 512;

bool plausible(const jpeg_decompress_struct &info, uint64_t fileBytes) {
  const uint64_t pixels = uint64_t(info.image_width) * info.image_height;
  return info.arith_code || pixels / kMaxPixelsPerByte <= fileBytes;
}

uint64_t bytesLeft(FILE *file) {
  const long start = std::ftell(file);
  if (start < 0 || std::fseek(file, 0, SEEK_END) != 0) {
    return UINT64_MAX; // not seekable: left to the other limits
  }
  const long end = std::ftell(file);
  std::fseek(file, start, SEEK_SET);
  return end < start ? 0 : static_cast<uint64_t>(end - start);
}

// Runs the decoder; no object with a destructor lives in this frame, so the
// jump back from a fatal error skips nothing. Returns the failure message or
// nullptr.
const char *decode(jpeg_decompress_struct &info, ErrorManager &errors, FILE *file, CImportImage &image,
                   const ImageLimits &limits, uint64_t fileBytes) {
  if (setjmp(errors.jump) != 0) {
    // A fault after the last row (such as an unknown marker) spoils nothing.
    jpeg_destroy_decompress(&info);
    return errors.rowsRead ? nullptr : kJpegError;
  }
  jpeg_create_decompress(&info);
  info.mem->max_memory_to_use = limits.maxDecoderBytes;
  jpeg_stdio_src(&info, file);
  jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
  jpeg_read_header(&info, TRUE);
  saveOrientation(info, errors);
  const bool fourInks = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  if (fourInks) {
    info.out_color_space = JCS_CMYK;
  }
  if (!limits.allows(info.image_width, info.image_height) || !plausible(info, fileBytes)) {
    jpeg_destroy_decompress(&info);
    return kJpegError;
  }
  jpeg_start_decompress(&info);
  const int components = info.output_components;
  if ((components != 1 && components != 3 && !(fourInks && components == 4)) ||
      !image.allocate(static_cast<int>(info.output_width), static_cast<int>(info.output_height))) {
    jpeg_destroy_decompress(&info);
    return components == 1 || components == 3 || components == 4 ? kNoMemory : kJpegError;
  }
  JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                             info.output_width * static_cast<JDIMENSION>(components), 1);
  while (info.output_scanline < info.output_height) {
    const int top = static_cast<int>(info.output_scanline);
    jpeg_read_scanlines(&info, row, 1);
    if (components == 4) {
      cmykToRgb(row[0], info.output_width, info.saw_Adobe_marker);
    }
    image.setRowFromTop(top, row[0], components == 4 ? 3 : components);
  }
  errors.rowsRead = true;
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return nullptr;
}

} // namespace

bool readJpeg(FILE *file, CImportImage &image, const ImageLimits &limits) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.standard);
  errors.standard.error_exit = onFatalError;
  errors.standard.emit_message = onMessage;
  errors.orientation = 1;
  const char *failure = decode(info, errors, file, image, limits, bytesLeft(file));
  if (failure == nullptr && !applyOrientation(image, errors.orientation)) {
    failure = kNoMemory;
  }
  if (failure != nullptr) {
    (void)image.allocate(0, 0);
  }
  image.setStatus(failure != nullptr          ? pdx::text::translate("pdx::animation::ImportImage", failure)
                  : errors.message[0] != '\0' ? errors.message
                                              : "OK");
  return failure == nullptr;
}

} // namespace pdx::animation
