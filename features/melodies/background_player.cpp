#include "features/melodies/background_player.h"

#include "melody/player/melody_player.h"

namespace pdx::features {

namespace {

class Silence : public melody::ToneOutput {
public:
  void toneOn(unsigned) override {}
  void toneOff() override {}
};

} // namespace

struct BackgroundPlayer::Session {
  Session(EventLoop &loop, std::shared_ptr<melody::ToneOutput> out, const melody::CMelody &tune)
      : output(std::move(out)), melody(tune), player(loop, *output) {}

  std::shared_ptr<melody::ToneOutput> output;
  melody::CMelody melody;
  melody::CMelodyPlayer player;
  bool over = false;
};

BackgroundPlayer::BackgroundPlayer(EventLoop &loop, OutputSource output)
    : loop_(loop), source_(std::move(output)) {}

BackgroundPlayer::~BackgroundPlayer() {
  stop();
}

void BackgroundPlayer::play(const melody::CMelody &melody, std::function<void()> ended) {
  stop();
  if (!output_) {
    output_ = source_ ? source_() : nullptr;
    if (!output_) {
      output_ = std::make_shared<Silence>();
    }
  }
  auto session = std::make_shared<Session>(loop_, output_, melody);
  session_ = session;
  loop_.post([session, ended = std::move(ended)] {
    if (session->over) {
      return;
    }
    session->player.SetMelody(&session->melody);
    (void)session->player.Play(0, -1);
    if (!session->over) {
      session->over = true;
      ended();
    }
  });
}

void BackgroundPlayer::stop() {
  if (session_) {
    session_->over = true;
    session_->player.Stop();
    session_.reset();
  }
}

bool BackgroundPlayer::playing() const {
  return session_ && !session_->over;
}

} // namespace pdx::features
