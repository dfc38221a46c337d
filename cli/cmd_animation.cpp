// pelodex-cli animation: looking into .pca files, exporting pictures and
// effect frames, and adding imported pictures.
#include "animation/effects/effect_player.h"
#include "animation/file/file_messages.h"
#include "cli/animation_output.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "core/base/cp949.h"
#include "core/base/user_text.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <nlohmann/json.hpp>

namespace pdx::cli {

namespace {

using animation::CAnimationFile;

constexpr int kEffectFrameMs = 150;

std::string hexBits(const animation::CMonoPicture::Bits &bits) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  hex.reserve(bits.size() * 2);
  for (uint8_t byte : bits) {
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0x0F];
  }
  return hex;
}

int show(Args &args) {
  const auto path = args.positional();
  if (!path || !args.finish()) {
    return kBadArguments;
  }
  CAnimationFile file;
  if (const int result = loadAnimationFile(*path, file); result != 0) {
    return result;
  }
  nlohmann::ordered_json animations = nlohmann::ordered_json::array();
  for (int i = 0; i < file.count(); ++i) {
    const auto *a = file.at(i);
    animations.push_back({{"name", a->name().utf8()}, {"effect", a->effect()}, {"bits", hexBits(a->bits())}});
  }
  const nlohmann::ordered_json document = {{"title", file.title().utf8()}, {"animations", animations}};
  std::printf("%s\n",
              document.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace).c_str());
  return 0;
}

// Once the arguments are complete, runs `use` on animation `index` of the
// file at `path`; returns its status, or why there is no such animation.
int withAnimation(Args &args, const std::optional<std::string> &path, std::optional<long> index,
                  const std::function<int(const animation::CAnimation &)> &use) {
  if (!args.finish()) {
    return kBadArguments;
  }
  CAnimationFile file;
  const PickedAnimation picked = loadAnimationAt(*path, index, file);
  return picked.animation == nullptr ? picked.status : use(*picked.animation);
}

int exportPicture(Args &args) {
  const auto path = args.positional();
  const auto index = args.number("--index", 0, 1 << 30);
  const auto out = args.option("--out");
  if (!path || !out || !isPictureOutput(*out)) {
    args.fail(pdx::text::translate("pdx::cli", "--out OUT.png 또는 --out OUT.pbm 을 지정하십시오."));
  }
  return withAnimation(args, path, index, [&](const animation::CAnimation &animation) {
    return writePicture(*out, animation) ? 0 : kCannotWriteOutput;
  });
}

bool writeFrames(const std::string &folder, const std::vector<animation::CMonoPicture> &frames) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (size_t i = 0; i < frames.size(); ++i) {
    char name[32];
    std::snprintf(name, sizeof(name), "frame-%03zu.pbm", i);
    if (!writePbm((std::filesystem::path(folder) / name).string(), frames[i])) {
      return false;
    }
  }
  return true;
}

int effect(Args &args) {
  const auto path = args.positional();
  const auto index = args.number("--index", 0, 1 << 30);
  const auto code = args.number("--code", 0, 65535);
  const auto maxFrames = args.number("--max-frames", 1, 100000).value_or(32);
  const auto folder = args.option("--frames");
  const auto gif = args.option("--gif");
  if (!path || (!folder && !gif)) {
    args.fail(pdx::text::translate("pdx::cli", "--frames DIR 또는 --gif OUT.gif 를 지정하십시오."));
  }
  return withAnimation(args, path, index, [&](const animation::CAnimation &animation) {
    animation::SystemRandom random;
    const auto frames = animation::effectFrames(static_cast<uint16_t>(code.value_or(animation.effect())),
                                                animation, random, static_cast<size_t>(maxFrames));
    const bool written =
        (!folder || writeFrames(*folder, frames)) && (!gif || writeGif(*gif, frames, kEffectFrameMs));
    if (written) {
      std::printf("%zu\n", frames.size());
    }
    return written ? 0 : kCannotWriteOutput;
  });
}

// Opens the file, or starts a new one holding no animation yet.
int openOrCreate(const std::string &path, CAnimationFile &file) {
  std::error_code error;
  if (std::filesystem::status(path, error).type() != std::filesystem::file_type::not_found) {
    return loadAnimationFile(path, file);
  }
  file.New(std::nullopt, path);
  file.RemoveAnimation(0);
  return 0;
}

int addImage(Args &args) {
  const auto path = args.positional();
  const auto image = args.positional();
  const auto name = args.option("--name");
  const auto settings = importOptions(args);
  if (!path || !image || !name) {
    args.failUsage("animation add-image FILE.pca IMAGE --name NAME");
  }
  if (!args.finish()) {
    return kBadArguments;
  }
  CAnimationFile file;
  if (const int result = openOrCreate(*path, file); result != 0) {
    return result;
  }
  const int index = file.AddAnimation(text::fromUtf8(*name));
  if (index < 0) {
    printError(pdx::text::fill(pdx::text::translate("pdx::cli", "같은 이름의 애니메이션이 이미 있습니다: %1"),
                               {*name}));
    return kBadArguments;
  }
  if (const int result = importOnto(*file.at(index), *image, settings); result != 0) {
    return result;
  }
  const DocResult saved = file.Save();
  if (saved != DocResult::Ok) {
    std::fprintf(stderr, "pelodex-cli: %s: %s\n", path->c_str(), animation::fileMessage(saved));
  }
  return code(saved);
}

} // namespace

int runAnimation(Args &args) {
  const auto command = args.positional();
  if (command == "show") {
    return show(args);
  }
  if (command == "export") {
    return exportPicture(args);
  }
  if (command == "effect") {
    return effect(args);
  }
  if (command == "add-image") {
    return addImage(args);
  }
  printError(pdx::text::fill(pdx::text::translate("pdx::cli", "%1 중 하나를 지정하십시오."),
                             {"animation show|export|effect|add-image"}));
  return kBadArguments;
}

} // namespace pdx::cli
