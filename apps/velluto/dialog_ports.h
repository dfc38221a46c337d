// The editor's questions answered on screen: the suite's message box, file
// picker and name dialogs; and the save notice to a running Pelodex through
// the window marker.
#pragma once

#include "animation/editor/editor_ports.h"

#include <QPointer>
#include <QString>
#include <QWidget>

namespace pdx::velluto {
using namespace animation;

class DialogPorts : public EditorPorts {
public:
  // Dialogs open over `owner` (set once the main window exists).
  void SetOwner(QWidget *owner) { owner_ = owner; }
  // The animation folder: the open and save pickers keep to it.
  void SetFolder(const QString &folder) { folder_ = folder; }

  int Ask(const std::string &text, uint32_t type, AskCaption caption) override;
  std::optional<std::string> PickSaveName() override;
  std::optional<std::string> PickOpenPath() override;
  std::optional<std::string> AskFileName() override;
  std::optional<std::string> AskAnimationName(const std::string &initial, bool rename) override;
  void Saved(bool outsideFolder, const std::string &path) override;

private:
  std::optional<std::string> pick(int mode);
  QPoint corner() const;

  QPointer<QWidget> owner_;
  QString folder_;
};

} // namespace pdx::velluto
