// CFilePickerDlg: the suite's own skinned dialog for choosing a file to open
// or a name to save under: a name field, the folder's list and the drives.
#pragma once

#include "winlib/bmp_dialog.h"
#include "winlib/picker/picker_session.h"

#include <memory>

namespace pdx::winlib {

class CBmpButton;
class PickerControls;

class CFilePickerDlg : public CBmpDialog {
  Q_OBJECT

public:
  static constexpr int kOpen = kPickerOpen;
  static constexpr int kSave = kPickerSave;

  CFilePickerDlg();
  ~CFilePickerDlg() override;

  // The program-wide start folders (options bit 0 picks the alternate one).
  static void SetStartFolder(const QString &folder);
  static void SetAlternateStartFolder(const QString &folder);
  // The root, the home folder and the mounted removable volumes.
  static std::vector<PickerDrive> SystemDrives();

  // Runs the picker with its top-left corner at (x, y) on the screen;
  // `pattern` such as "*.pcm" (everything when empty), `options` the
  // kPicker... bits, `skinId` the caption (0: 5301 to open, 5302 to save).
  // Returns 1 when a file was chosen, else the identifier that ended it.
  int DoModal(int x, int y, QWidget *owner, int mode, const QString &pattern = QString(), int options = 0,
              int skinId = 0);

  // The chosen file's full path and name, with the pattern's extension
  // added when the typed name had none; the folder shown, ending in '/'.
  QString ChosenPath() const;
  QString FileName() const;
  QString Folder() const;

protected:
  void OnInitDialog() override;
  void OnOK() override;
  // A list item became current; dialogs built on the picker preview it.
  virtual void OnItemSelected(const QString &item);

  PickerSession &Session() { return *session_; }
  PickerControls &Controls() { return *controls_; }
  // Acts on what the session made of a choice: refills, asks, or ends.
  void Handle(PickerOutcome outcome);

private:
  int notify(const char *text, uint32_t type);

  int mode_ = kOpen;
  int options_ = 0;
  QString pattern_;
  std::unique_ptr<PickerSession> session_;
  PickerControls *controls_ = nullptr;
  CBmpButton *ok_ = nullptr;
  CBmpButton *cancel_ = nullptr;
};

} // namespace pdx::winlib
