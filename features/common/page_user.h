// What every page's logic needs from the user: messages, questions, the
// cancel key and progress. The page implements it; tests script it.
#pragma once

#include <string>

namespace pdx::features {

class PageUser {
public:
  virtual ~PageUser() = default;
  // A message box with OK (UTF-8 text).
  virtual void tell(const std::string &message) = 0;
  // An OK/Cancel question: true for OK.
  virtual bool ask(const std::string &question) = 0;
  // Whether Esc was pressed since the operation began; pending input is
  // handled first.
  virtual bool cancelRequested() { return false; }
  // A change of several rows: told before each row (`done` rows of
  // `total` finished) and once at the end, with done = total, also when it
  // stopped early.
  virtual void progress(int /*done*/, int /*total*/) {}
};

} // namespace pdx::features
