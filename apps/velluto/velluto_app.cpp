#include "apps/velluto/velluto_app.h"

#include "animation/editor/editor_commands.h"
#include "apps/velluto/import_dialog.h"
#include "apps/velluto/velluto_window.h"
#include "platform/settings/folders.h"
#include "resources/help/help_tables.h"
#include "resources/resource_ids.h"
#include "winlib/help/help_topics.h"
#include "winlib/picker/ui/file_picker_dlg.h"
#include "winlib/program_main.h"

namespace pdx::velluto {
using namespace animation;

std::filesystem::path animationFolder() {
  return platform::documentFolder(kVellutoProfile, "AnimateDir", "animate");
}

VellutoApp::VellutoApp(std::unique_ptr<DialogPorts> ports)
    : base_(QString::fromLatin1(kVellutoProfile), QString::fromUtf8(kVellutoTitle)),
      ports_(ports ? std::move(ports) : std::make_unique<DialogPorts>()) {}

VellutoApp::~VellutoApp() {
  // The window borrows the document and the ports: it goes first.
  delete window_.data();
}

CVellutoWnd *VellutoApp::Window() const {
  return window_.data();
}

bool VellutoApp::InitInstance(const std::optional<std::string> &file) {
  (void)base_.RegisterFileTypes(winlib::SuiteProgram::Velluto);
  // Answering under the title lets Pelodex find the editor and a later
  // start hand over its file (velluto_main.cpp).
  (void)base_.ClaimSingleInstance();
  winlib::setHelpTopics(resources::vellutoHelpTopics());
  const std::filesystem::path folder = animationFolder();
  document_.setFolder(folder);
  ports_->SetFolder(QString::fromStdString(folder.string()));
  winlib::CFilePickerDlg::SetStartFolder(QString::fromStdString(folder.string()));

  window_ = new CVellutoWnd(document_, *ports_);
  ports_->SetOwner(window_);
  window_->SetImportRunner(runImport);
  window_->SetExitAction([this] {
    base_.SaveWindowPosition();
    base_.Exit();
  });
  base_.SetExitCommand([this] { window_->OnCommand(kCmdExit, winlib::kNotifyCommand); });
  base_.CreateMainWindow(window_, resources::kAnimationEditorSkin);
  base_.SetOpenHandler([this](const std::string &path) { (void)window_->Session().Open(path); });
  (void)window_->Session().Open(file ? std::optional(winlib::argumentPath(QString::fromStdString(*file)))
                                     : std::nullopt);
  return true;
}

} // namespace pdx::velluto
