#include "apps/pelodex/ui/media_pages.h"

#include "apps/pelodex/adapters/transfers_media_phone.h"
#include "apps/pelodex/launch.h"
#include "apps/pelodex/ui/pelodex_app.h"
#include "features/animations/ui/animation_page.h"
#include "features/melodies/ui/melody_page.h"
#include "melody/sound/tone_output_factory.h"
#include "resources/resource_ids.h"

#include <QCoreApplication>

namespace pdx::pelodex {
using namespace core;

namespace {

// Each editor keeps a single instance: a second start only brings the
// running one to the front.
class EditorStarter : public features::ProgramStarter {
public:
  std::string start(const std::string &program, const std::string &displayName) override {
    return runProgram(program, {}, QCoreApplication::applicationDirPath().toStdString(), displayName);
  }
};

} // namespace

MediaPages::MediaPages(PelodexApp &app)
    : app_(app), phone_(std::make_unique<TransfersMediaPhone>(app.Transfers())),
      starter_(std::make_unique<EditorStarter>()) {}

MediaPages::~MediaPages() = default;

std::shared_ptr<melody::ToneOutput> MediaPages::Tones() {
  if (!tones_) {
    tones_ = melody::openToneOutput();
  }
  return tones_;
}

void MediaPages::OpenMelodies() {
  features::MediaPageContext context{app_.Store().melodyDir, *phone_, *starter_, loop_,
                                     app_.PageContextFor(2108)};
  app_.ShowPage(new features::CMelodyPage(context, [this] { return Tones(); }), resources::kPageMelody);
}

void MediaPages::OpenAnimations() {
  features::MediaPageContext context{app_.Store().animationDir, *phone_, *starter_, loop_,
                                     app_.PageContextFor(2109)};
  app_.ShowPage(new features::CAnimationPage(context), resources::kPageAnimation);
}

} // namespace pdx::pelodex
