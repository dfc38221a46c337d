#include "apps/carrowin/carrowin_app.h"

#include "apps/carrowin/melody_window.h"
#include "apps/carrowin/name_dialog.h"
#include "melody/sound/tone_output_factory.h"
#include "platform/settings/folders.h"
#include "resources/fonts.h"
#include "resources/help/help_tables.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_message_box.h"
#include "winlib/help/help_topics.h"
#include "winlib/help/ui/help_dialog.h"
#include "winlib/marker/pelodex_notice.h"
#include "winlib/picker/ui/file_picker_dlg.h"
#include "winlib/program_main.h"

#include <QCoreApplication>

namespace pdx::carrowin {
using namespace melody;
using namespace melody::ui;

namespace {

constexpr int kHelpTopic = 2112;
constexpr int kDialogOffset = 100;

std::unique_ptr<ToneOutput> chosenOutput(std::unique_ptr<ToneOutput> output) {
  return output ? std::move(output) : openToneOutput();
}

std::optional<std::string> pick(QWidget *owner, bool save) {
  winlib::CFilePickerDlg picker;
  const int result = picker.DoModal(owner->x() + kDialogOffset, owner->y() + kDialogOffset, owner,
                                    save ? winlib::CFilePickerDlg::kSave : winlib::CFilePickerDlg::kOpen,
                                    QStringLiteral("*.pcm"), winlib::kPickerFolderOnly);
  if (result != 1) {
    return std::nullopt;
  }
  return (save ? picker.FileName() : picker.ChosenPath()).toStdString();
}

} // namespace

std::filesystem::path melodyFolder() {
  return platform::documentFolder(kProfile, "MelodyDir", "melody");
}

std::optional<std::string> fileArgument(const QStringList &arguments) {
  for (const QString &a : arguments.mid(1)) {
    if (!a.startsWith(QLatin1Char('-'))) {
      return winlib::argumentPath(a);
    }
  }
  return std::nullopt;
}

CarrowinApp::CarrowinApp(std::unique_ptr<ToneOutput> output)
    : base_(QString::fromLatin1(kProfile), QString::fromUtf8(kWindowTitle)),
      output_(chosenOutput(std::move(output))), player_(loop_, *output_) {}

CarrowinApp::~CarrowinApp() {
  // The window borrows the document and the player: it goes first.
  delete Window();
}

MelodyWindow *CarrowinApp::Window() const {
  return qobject_cast<MelodyWindow *>(base_.MainWindow());
}

bool CarrowinApp::InitInstance(const std::optional<std::string> &file) {
  resources::installFonts();
  winlib::setHelpTopics(resources::carrowinHelpTopics());
  (void)base_.RegisterFileTypes(winlib::SuiteProgram::Carrowin);
  const std::filesystem::path folder = melodyFolder();
  doc_.setFolder(folder);
  winlib::CFilePickerDlg::SetStartFolder(QString::fromStdString(folder.string()));
  // Messages from other programs are answered (the marker) but not used.
  base_.SetMessageHandler([](uint32_t, uint64_t, uint64_t) -> int64_t { return 0; });
  base_.SetOpenHandler([this](const std::string &path) {
    if (MelodyWindow *window = Window()) {
      window->Commands().Open(path);
    }
  });
  (void)base_.ClaimSingleInstance();
  base_.SetExitCommand([this] { askExit(); });

  EditorServices services;
  services.doc = &doc_;
  services.player = &player_;
  services.output = output_.get();
  services.exit = [this] { askExit(); };
  services.saved = [](bool outside, const std::string &) {
    (void)winlib::notifyPelodex(kMsgMelodySaved, outside);
  };
  auto *window = new MelodyWindow(services);
  EditorServices &dialogs = window->Services();
  dialogs.ask = [window](const QString &text, uint32_t box, int captionId) {
    return winlib::CBmpMessageBox::Show(window, text, QString(), box, captionId);
  };
  dialogs.pickFile = [window](bool save) { return pick(window, save); };
  dialogs.askName = [window](int captionId, const QString &initial) {
    return askNameAt(window, window->x() + kDialogOffset, window->y() + kDialogOffset, captionId, initial);
  };
  dialogs.help = [window] {
    winlib::ShowHelpDialog(window, window->x() + kDialogOffset, window->y() + kDialogOffset, kHelpTopic);
  };
  if (!base_.CreateMainWindow(window, resources::kMelodyEditorSkin)) {
    return false;
  }
  window->setWindowTitle(QCoreApplication::translate("WindowTitle", kWindowTitle));
  window->Commands().Open(file);
  return true;
}

void CarrowinApp::askExit() {
  MelodyWindow *window = Window();
  if (window == nullptr || window->Commands().Exit()) {
    base_.Exit();
  }
}

void CarrowinApp::ExitInstance() {
  player_.Stop();
  ToneOff(*output_);
}

} // namespace pdx::carrowin
