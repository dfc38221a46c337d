// Files the animation and image commands write, and the pieces of their
// command lines they share.
#pragma once

#include "animation/file/animation_file.h"
#include "animation/image/conversion.h"
#include "cli/args.h"

#include <optional>
#include <string>
#include <vector>

namespace pdx::cli {

// Exit status when an output file cannot be written.
inline constexpr int kCannotWriteOutput = 73;

// True for a name ending in .png or .pbm, which writePicture() can write.
bool isPictureOutput(const std::string &path);
// The 96 x 51 picture, black ink on white, as PNG or binary PBM by the
// name's extension. Prints the reason and returns false on failure.
bool writePicture(const std::string &path, const animation::CMonoPicture &picture);
bool writePbm(const std::string &path, const animation::CMonoPicture &picture);
// The image as binary PPM, top row first.
bool writePpm(const std::string &path, const animation::CImportImage &image);
// The frames as an endlessly repeating animated GIF, `delayMs` a frame.
bool writeGif(const std::string &path, const std::vector<animation::CMonoPicture> &frames, int delayMs);

// Loads a .pca file; prints the user's message and returns the result code.
int loadAnimationFile(const std::string &path, animation::CAnimationFile &file);
// The animation a command works on: the one at `index` (default 0) of the
// .pca file loaded into `file`. Without one, `status` is the exit status
// (the result code, or kBadArguments for a missing index) and why not is
// printed.
struct PickedAnimation {
  animation::CAnimation *animation = nullptr;
  int status = 0;
};
PickedAnimation loadAnimationAt(const std::string &path, std::optional<long> index,
                                animation::CAnimationFile &file);

// --fit, --position, --brightness and --contrast.
animation::ImportSettings importOptions(Args &args);
// Loads an image file; prints the user's message (with the reader's own
// note) on failure and returns the import's result code (0, 1 or 2).
int loadImageFile(const std::string &path, animation::CImportImage &image);
// Loads and converts an image onto `picture`; prints the user's message on
// failure and returns the import's result code (0, 1 or 2).
int importOnto(animation::CAnimation &picture, const std::string &imagePath,
               const animation::ImportSettings &settings);

} // namespace pdx::cli
