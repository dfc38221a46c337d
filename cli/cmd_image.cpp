// pelodex-cli image: decoding pictures and converting them to the phone's
// 96 x 51 black and white.
#include "cli/animation_output.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "core/base/user_text.h"

#include <cstdio>

namespace pdx::cli {

namespace {

int decode(Args &args) {
  const auto in = args.positional();
  const auto out = args.option("--out");
  if (!in || !out) {
    args.failUsage("image decode IN --out OUT.ppm");
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  animation::CImportImage image;
  if (const int result = loadImageFile(*in, image); result != 0) {
    return result;
  }
  return writePpm(*out, image) ? 0 : kCannotWriteOutput;
}

int convert(Args &args) {
  const auto in = args.positional();
  const auto settings = importOptions(args);
  const auto onto = args.option("--onto");
  const auto index = args.number("--index", 0, 1 << 30);
  const auto out = args.option("--out");
  if (!in || !out || !isPictureOutput(*out)) {
    args.fail(pdx::text::translate("pdx::cli", "--out OUT.png 또는 --out OUT.pbm 을 지정하십시오."));
  }
  if (index && !onto) {
    args.fail(pdx::text::translate("pdx::cli", "--index 는 --onto 와 함께 지정하십시오."));
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  animation::CAnimation picture;
  if (onto) {
    animation::CAnimationFile file;
    const PickedAnimation chosen = loadAnimationAt(*onto, index, file);
    if (chosen.animation == nullptr) {
      return chosen.status;
    }
    picture = *chosen.animation;
  }
  if (const int result = importOnto(picture, *in, settings); result != 0) {
    return result;
  }
  return writePicture(*out, picture) ? 0 : kCannotWriteOutput;
}

} // namespace

int runImage(Args &args) {
  const auto command = args.positional();
  if (command == "decode") {
    return decode(args);
  }
  if (command == "convert") {
    return convert(args);
  }
  printError(pdx::text::fill(pdx::text::translate("pdx::cli", "%1 중 하나를 지정하십시오."),
                             {"image decode|convert"}));
  return kBadArguments;
}

} // namespace pdx::cli
