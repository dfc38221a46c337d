// Velluto, the animation editor program: start-up (settings profile
// "Tesselin", the animation folder, file types, the marked owner window),
// the main window, the file named on the command line, and the exit.
#pragma once

#include "animation/file/animation_file.h"
#include "apps/velluto/dialog_ports.h"
#include "winlib/bmp_wnd_based_app.h"

#include <QPointer>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace pdx::velluto {
using namespace animation;

class CVellutoWnd;

inline constexpr const char *kVellutoProfile = "Tesselin";
inline constexpr const char *kVellutoTitle = QT_TRANSLATE_NOOP("WindowTitle", "애니메이션 편집기");

// The animation folder: "AnimateDir" of section "General", else the
// per-user data folder's "animate"; created when missing.
std::filesystem::path animationFolder();

class VellutoApp {
public:
  // `ports` answers the editor's questions; null: the suite's dialogs.
  explicit VellutoApp(std::unique_ptr<DialogPorts> ports = nullptr);
  ~VellutoApp();
  VellutoApp(const VellutoApp &) = delete;
  VellutoApp &operator=(const VellutoApp &) = delete;

  // Builds and shows the main window with its controls; then opens `file`,
  // or asks for one.
  bool InitInstance(const std::optional<std::string> &file);

  CVellutoWnd *Window() const;
  CAnimationFile &Document() { return document_; }
  DialogPorts &Ports() { return *ports_; }

private:
  winlib::CBmpWndBasedApp base_;
  CAnimationFile document_;
  std::unique_ptr<DialogPorts> ports_;
  QPointer<CVellutoWnd> window_;
};

} // namespace pdx::velluto
