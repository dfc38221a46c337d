// CImportDialog: the file picker enlarged to 550 x 465 with the picture
// import's controls: the file type list, fit and position radios, the
// original and the converted picture, and brightness and contrast sliders.
// The conversion is redone from the image already in memory whenever a
// setting changes, but not while a slider is being dragged.
#pragma once

#include "animation/image/conversion.h"
#include "winlib/picker/ui/file_picker_dlg.h"

#include <QImage>
#include <array>

class QButtonGroup;
class QComboBox;
class QRadioButton;
class QSlider;

namespace pdx::velluto {
using namespace animation;

class CImportDialog : public winlib::CFilePickerDlg {
  Q_OBJECT

public:
  static constexpr QSize kSize{550, 465};

  CImportDialog();
  ~CImportDialog() override;

  // Runs the dialog at the owner's corner plus 100; true on OK.
  bool Run(QWidget *owner);

  // The image loaded from the selected file (empty when none or unreadable)
  // and the path it came from.
  const CImportImage &Image() const { return image_; }
  const QString &ImagePath() const { return imagePath_; }
  ImportSettings Settings() const;

  // Loads `path` unless it is the image already loaded, and shows it.
  void LoadPreview(const QString &path);
  // Redoes the conversion preview from the image in memory.
  void Reconvert();
  // The two previews as drawn now.
  const QImage &OriginalPreview() const { return original_; }
  const QImage &ConvertedPreview() const { return converted_; }

  QComboBox *TypeList() const { return types_; }
  QRadioButton *FitRadio(int mode) const { return fit_[static_cast<size_t>(mode)]; }
  QRadioButton *PositionRadio(int position) const { return position_[static_cast<size_t>(position)]; }
  QSlider *Brightness() const { return brightness_; }
  QSlider *Contrast() const { return contrast_; }

  // The folder of the last import and the file type, kept for the run.
  static void ForgetRunState();

protected:
  void OnInitDialog() override;
  void OnItemSelected(const QString &item) override;
  void paintEvent(QPaintEvent *event) override;

private:
  void addTypeList();
  void addRadios();
  QSlider *addSlider(const QString &name, int y);
  void updateEnabling();
  void chooseType(int type);

  CImportImage image_;
  QString imagePath_;
  QImage original_;
  QImage converted_;
  QComboBox *types_ = nullptr;
  std::array<QRadioButton *, 3> fit_{};
  std::array<QRadioButton *, 3> position_{};
  QButtonGroup *fitGroup_ = nullptr;
  QButtonGroup *positionGroup_ = nullptr;
  QSlider *brightness_ = nullptr;
  QSlider *contrast_ = nullptr;
};

// Runs the import over `owner` and lays the result onto `picture`; shows
// the import's message on failure. True when the picture changed.
bool runImport(QWidget *owner, CAnimation &picture);

} // namespace pdx::velluto
