#include "apps/velluto/import_dialog.h"

#include "animation/editor/import_preview.h"
#include "animation/ui/picture_image.h"
#include "resources/fonts.h"
#include "resources/render_util.h"
#include "resources/resource_ids.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_message_box.h"
#include "winlib/picker/ui/picker_controls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QRadioButton>
#include <QSlider>

namespace pdx::velluto {
using namespace animation;

namespace {

constexpr const char *kPatterns[] = {"*.bmp", "*.gif", "*.jpg"};
constexpr QRect kOriginalView(300, 70, 225, 135);
constexpr int kSliderLeft = 330;

// A slider's label at x = 300 on its row; a label longer than the room before
// the slider ends at the slider, reaching left into the gap between the
// columns, and is drawn smaller if it still does not fit.
void drawSliderLabel(QPainter &painter, int y, const QString &text) {
  const int ascent = painter.fontMetrics().ascent();
  if (painter.fontMetrics().horizontalAdvance(text) <= kSliderLeft - 2 - 300) {
    painter.drawText(300, y + ascent, text);
    return;
  }
  const QRect room(280, y, kSliderLeft - 2 - 280, painter.fontMetrics().height());
  painter.save();
  painter.setFont(resources::fitText(text, painter.font(), room.size(), false).font);
  painter.drawText(room, Qt::AlignRight | Qt::AlignVCenter, text);
  painter.restore();
}
constexpr QRect kConvertedView(300, 230, 225, 115);
constexpr int kOriginalMargin = 7;
constexpr int kSliderRange = 100;
constexpr int kSliderPage = 20;
constexpr int kSliderTicks = 50;

// Kept for the program run.
struct RunState {
  int type = 0;
  QString folder;
};

RunState &runState() {
  static RunState state;
  return state;
}

QRadioButton *addRadio(QWidget *parent, const QString &text, const QRect &place) {
  auto *radio = new QRadioButton(text, parent);
  radio->setGeometry(place);
  radio->setFont(resources::dialogFont());
  radio->setAccessibleName(text);
  return radio;
}

} // namespace

CImportDialog::CImportDialog() {
  SetDialogSize(kSize);
}

CImportDialog::~CImportDialog() = default;

void CImportDialog::ForgetRunState() {
  runState() = RunState();
}

bool CImportDialog::Run(QWidget *owner) {
  const RunState &state = runState();
  SetAlternateStartFolder(state.folder);
  const QPoint at = owner ? owner->pos() + QPoint(100, 100) : QPoint(100, 100);
  const int options = state.folder.isEmpty() ? 0 : winlib::kPickerAlternateFolder;
  const bool chosen =
      DoModal(at.x(), at.y(), owner, kOpen, QString::fromLatin1(kPatterns[state.type]), options) == 1;
  if (chosen) {
    runState().folder = Folder();
  }
  return chosen;
}

void CImportDialog::OnInitDialog() {
  CFilePickerDlg::OnInitDialog();
  // The picker's own buttons move below the added controls.
  for (auto *button : findChildren<winlib::CBmpButton *>()) {
    if (button->CommandId() == winlib::kIdOkCommand || button->CommandId() == winlib::kIdCancelCommand) {
      button->move(button->CommandId() == winlib::kIdOkCommand ? 385 : 455, 415);
      button->setAccessibleName(button->CommandId() == winlib::kIdOkCommand
                                    ? QCoreApplication::translate("pdx::velluto::ImportDialog", "확인")
                                    : QCoreApplication::translate("pdx::velluto::ImportDialog", "취소"));
    }
  }
  addTypeList();
  addRadios();
  brightness_ = addSlider(QCoreApplication::translate("pdx::velluto::ImportDialog", "밝기"), 355);
  contrast_ = addSlider(QCoreApplication::translate("pdx::velluto::ImportDialog", "명암"), 380);
  updateEnabling();
  Reconvert();
}

void CImportDialog::addTypeList() {
  types_ = new QComboBox(this);
  types_->setGeometry(120, 290, 155, 22);
  types_->setFont(resources::dialogFont());
  types_->setAccessibleName(QCoreApplication::translate("pdx::velluto::ImportDialog", "파일형식"));
  for (const char *pattern : kPatterns) {
    types_->addItem(QString::fromLatin1(pattern));
  }
  types_->setCurrentIndex(runState().type);
  connect(types_, &QComboBox::activated, this, [this](int type) { chooseType(type); });
}

void CImportDialog::chooseType(int type) {
  runState().type = type;
  Session().setPattern(kPatterns[type]);
  Controls().refresh();
}

void CImportDialog::addRadios() {
  const QString fits[] = {QCoreApplication::translate("pdx::velluto::ImportDialog", "큰쪽에 맞춤"),
                          QCoreApplication::translate("pdx::velluto::ImportDialog", "작은쪽에 맞춤"),
                          QCoreApplication::translate("pdx::velluto::ImportDialog", "네모크기에 맞춤")};
  const QString positions[] = {QCoreApplication::translate("pdx::velluto::ImportDialog", "왼쪽/위쪽"),
                               QCoreApplication::translate("pdx::velluto::ImportDialog", "가운데"),
                               QCoreApplication::translate("pdx::velluto::ImportDialog", "오른쪽/아래쪽")};
  fitGroup_ = new QButtonGroup(this);
  positionGroup_ = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    fit_[static_cast<size_t>(i)] = addRadio(this, fits[i], QRect(25, 340 + 20 * i, 135, 20));
    fitGroup_->addButton(fit_[static_cast<size_t>(i)], i);
    position_[static_cast<size_t>(i)] = addRadio(this, positions[i], QRect(165, 340 + 20 * i, 125, 20));
    positionGroup_->addButton(position_[static_cast<size_t>(i)], i);
  }
  // Every opening starts with the whole image, centred.
  fit_[0]->setChecked(true);
  position_[1]->setChecked(true);
  connect(fitGroup_, &QButtonGroup::idClicked, this, [this] {
    updateEnabling();
    Reconvert();
  });
  connect(positionGroup_, &QButtonGroup::idClicked, this, [this] { Reconvert(); });
}

QSlider *CImportDialog::addSlider(const QString &name, int y) {
  auto *slider = new QSlider(Qt::Horizontal, this);
  slider->setGeometry(kSliderLeft, y, 195, 20);
  slider->setRange(-kSliderRange, kSliderRange);
  slider->setPageStep(kSliderPage);
  slider->setTickInterval(kSliderTicks);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setAccessibleName(name);
  slider->setToolTip(name);
  // Steps, pages and ends convert at once; a drag converts when released.
  connect(slider, &QSlider::valueChanged, this, [this, slider] {
    if (!slider->isSliderDown()) {
      Reconvert();
    }
  });
  connect(slider, &QSlider::sliderReleased, this, [this] { Reconvert(); });
  return slider;
}

void CImportDialog::updateEnabling() {
  const bool positions = !fit_[2]->isChecked();
  for (QRadioButton *radio : position_) {
    radio->setEnabled(positions);
  }
  brightness_->setEnabled(!image_.empty());
  contrast_->setEnabled(!image_.empty());
}

ImportSettings CImportDialog::Settings() const {
  ImportSettings settings;
  settings.fit = static_cast<FitMode>(std::max(0, fitGroup_->checkedId()));
  settings.position = static_cast<Position>(std::max(0, positionGroup_->checkedId()));
  settings.brightness = brightness_->value();
  settings.contrast = contrast_->value();
  return settings;
}

void CImportDialog::OnItemSelected(const QString &item) {
  LoadPreview(QDir(Folder()).filePath(item));
}

void CImportDialog::LoadPreview(const QString &path) {
  if (path == imagePath_) {
    return;
  }
  imagePath_ = path;
  image_ = CImportImage();
  if (image_.LoadImage(path.toStdString()) != LoadResult::Ok) {
    image_ = CImportImage();
  }
  const PreviewSize size =
      fitInside(image_.width(), image_.height(), kOriginalView.width() - 2 * kOriginalMargin,
                kOriginalView.height() - 2 * kOriginalMargin);
  const std::vector<uint32_t> pixels = sampleImage(image_, size);
  original_ = pixels.empty() ? QImage()
                             : QImage(reinterpret_cast<const uchar *>(pixels.data()), size.width, size.height,
                                      QImage::Format_ARGB32)
                                   .copy();
  updateEnabling();
  Reconvert();
}

void CImportDialog::Reconvert() {
  converted_ = pictureImage(convertedScreen(image_, Settings()));
  update(kConvertedView);
  update(kOriginalView);
}

void CImportDialog::paintEvent(QPaintEvent *event) {
  CFilePickerDlg::paintEvent(event);
  QPainter painter(this);
  painter.setFont(resources::dialogFont());
  painter.setPen(Qt::black);
  const int ascent = painter.fontMetrics().ascent();
  painter.drawText(25, 293 + ascent, QCoreApplication::translate("pdx::velluto::ImportDialog", "파일형식"));
  painter.drawText(25, 320 + ascent,
                   QCoreApplication::translate("pdx::velluto::ImportDialog", "크기 맞춤 :"));
  painter.drawText(165, 320 + ascent, QCoreApplication::translate("pdx::velluto::ImportDialog", "위치 :"));
  painter.drawText(300, 50 + ascent, QCoreApplication::translate("pdx::velluto::ImportDialog", "원본 그림"));
  painter.drawText(300, 210 + ascent,
                   QCoreApplication::translate("pdx::velluto::ImportDialog", "변환된 그림"));
  drawSliderLabel(painter, 357, QCoreApplication::translate("pdx::velluto::ImportDialog", "밝기"));
  drawSliderLabel(painter, 382, QCoreApplication::translate("pdx::velluto::ImportDialog", "명암"));
  painter.fillRect(kOriginalView, Qt::white);
  painter.drawRect(kOriginalView.adjusted(0, 0, -1, -1));
  if (!original_.isNull()) {
    painter.drawImage(kOriginalView.x() + (kOriginalView.width() - original_.width()) / 2,
                      kOriginalView.y() + (kOriginalView.height() - original_.height()) / 2, original_);
  }
  // The screen at twice its size, framed, centred in its view.
  const QSize doubled(CMonoPicture::kWidth * 2, CMonoPicture::kHeight * 2);
  const QRect screen(kConvertedView.center() - QPoint(doubled.width() / 2, doubled.height() / 2), doubled);
  painter.drawRect(screen.adjusted(-1, -1, 0, 0));
  painter.drawImage(screen, converted_);
}

bool runImport(QWidget *owner, CAnimation &picture) {
  CImportDialog dialog;
  if (!dialog.Run(owner)) {
    return false;
  }
  const std::string path = dialog.ChosenPath().toStdString();
  CImportImage loaded;
  const CImportImage *image = &dialog.Image();
  LoadResult load = LoadResult::Ok;
  if (dialog.ImagePath() != dialog.ChosenPath() || image->empty()) {
    load = loaded.LoadImage(path);
    image = &loaded;
  }
  for (const ImportNotice &notice : importNotices(path, load, image->status())) {
    winlib::CBmpMessageBox::Show(owner, QString::fromStdString(notice.text), QString(), notice.type);
  }
  return load == LoadResult::Ok && ImportIntoPicture(picture, *image, dialog.Settings()) == ImportResult::Ok;
}

} // namespace pdx::velluto
