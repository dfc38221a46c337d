// A score host for tests: records messages, questions, silencing and
// rewinds, and answers questions as told.
#pragma once

#include "melody/score/score_editor.h"

#include <string>
#include <vector>

namespace pdx::melody::testing {

class FakeScoreHost : public ScoreHost {
public:
  bool isPlaying() const override { return playing; }
  void silence() override { ++silenced; }
  void rewindPlayer() override { ++rewinds; }
  void showMessage(std::string_view text) override { messages.emplace_back(text); }
  bool askYesNo(std::string_view text) override {
    questions.emplace_back(text);
    return answer;
  }

  bool playing = false;
  bool answer = true;
  int silenced = 0;
  int rewinds = 0;
  std::vector<std::string> messages;
  std::vector<std::string> questions;
};

} // namespace pdx::melody::testing
