#include "animation/image/jpeg_reader.h"

#include <csetjmp>
#include <cstdint>
#include <jpeglib.h>

namespace pdx::animation {

namespace {

constexpr const char *kJpegError = "JPEG 파일을 읽어들일 때 에러가 발생하였습니다.";
constexpr const char *kNoMemory = "메모리가 부족하여 작업을 수행할 수 없습니다.";

// libjpeg's standard error manager with its fatal exit returning here
// instead of ending the process.
struct ErrorManager {
  jpeg_error_mgr standard;
  std::jmp_buf jump;
};

[[noreturn]] void onFatalError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

// Warnings about damaged data are not shown; the decoder carries on.
void onMessage(j_common_ptr) {}

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
    jpeg_destroy_decompress(&info);
    return kJpegError;
  }
  jpeg_create_decompress(&info);
  info.mem->max_memory_to_use = limits.maxDecoderBytes;
  jpeg_stdio_src(&info, file);
  jpeg_read_header(&info, TRUE);
  if (!limits.allows(info.image_width, info.image_height) || !plausible(info, fileBytes)) {
    jpeg_destroy_decompress(&info);
    return kJpegError;
  }
  jpeg_start_decompress(&info);
  const int components = info.output_components;
  if ((components != 1 && components != 3) ||
      !image.allocate(static_cast<int>(info.output_width), static_cast<int>(info.output_height))) {
    jpeg_destroy_decompress(&info);
    return components == 1 || components == 3 ? kNoMemory : kJpegError;
  }
  JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                             info.output_width * static_cast<JDIMENSION>(components), 1);
  while (info.output_scanline < info.output_height) {
    const int top = static_cast<int>(info.output_scanline);
    jpeg_read_scanlines(&info, row, 1);
    image.setRowFromTop(top, row[0], components);
  }
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
  errors.standard.output_message = onMessage;
  const char *failure = decode(info, errors, file, image, limits, bytesLeft(file));
  if (failure != nullptr) {
    (void)image.allocate(0, 0);
  }
  image.setStatus(failure != nullptr ? failure : "OK");
  return failure == nullptr;
}

} // namespace pdx::animation
