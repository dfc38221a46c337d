// Renders the animation editor to PNG files, offscreen, for looking at
// them: pdx_velluto_shots OUTPUT_FOLDER [PHOTOGRAPH]. Pictures: the editor
// with a drawing, the preview in the middle of an effect, the import dialog
// with the photograph (or a made-up picture) loaded.
#include "animation/editor/editor_commands.h"
#include "animation/ui/dialog_ports.h"
#include "animation/ui/effect_preview.h"
#include "animation/ui/import_dialog.h"
#include "animation/ui/picture_canvas.h"
#include "animation/ui/velluto_window.h"
#include "resources/fonts.h"
#include "resources/resource_ids.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <QTimer>
#include <cstdio>

namespace {

using namespace pdx::animation;

void draw(CVellutoWnd &window) {
  CanvasModel &model = window.Canvas()->Model();
  const auto stroke = [&model](int tool, Point from, Point to) {
    model.SetTool(tool);
    model.ButtonDown(from, true);
    model.MouseMove(to);
    model.ButtonUp(to, true);
  };
  stroke(3, {4, 4}, {40, 46});
  stroke(4, {48, 6}, {90, 44});
  stroke(2, {4, 46}, {90, 6});
  stroke(9, {69, 25}, {69, 25});
  stroke(1, {10, 10}, {30, 30});
  stroke(0, {46, 3}, {92, 47});
  // The pointer over pixel (60, 20) shows its position.
  const QPoint at = window.Canvas()->CanvasPointOf({60, 20}) + QPoint(1, 1);
  QMouseEvent move(QEvent::MouseMove, at, window.Canvas()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QCoreApplication::sendEvent(window.Canvas(), &move);
  window.Canvas()->update();
}

// A picture with a gradient and shapes, for when no photograph is given.
QString madeUpPhotograph(const QString &folder) {
  QImage image(640, 480, QImage::Format_RGB32);
  QPainter painter(&image);
  QLinearGradient sky(0, 0, 0, 480);
  sky.setColorAt(0, QColor(40, 80, 200));
  sky.setColorAt(1, QColor(240, 220, 180));
  painter.fillRect(image.rect(), sky);
  painter.setBrush(QColor(250, 240, 90));
  painter.drawEllipse(QPoint(480, 120), 70, 70);
  painter.setBrush(QColor(30, 90, 40));
  painter.drawPolygon(QPolygon({QPoint(0, 480), QPoint(200, 220), QPoint(420, 480)}));
  painter.end();
  const QString path = QDir(folder).filePath(QStringLiteral("photo.bmp"));
  image.save(path, "BMP");
  return path;
}

void shootImport(const QString &out, const QString &photo) {
  CImportDialog dialog;
  QTimer::singleShot(100, [&dialog, out, photo] {
    dialog.LoadPreview(photo);
    dialog.Brightness()->setValue(20);
    dialog.grab().save(QDir(out).filePath(QStringLiteral("velluto-import.png")));
    dialog.EndDialog(pdx::winlib::kIdCancelCommand);
  });
  (void)dialog.Run(nullptr);
}

} // namespace

int main(int argc, char **argv) {
  QApplication qt(argc, argv);
  pdx::resources::installFonts();
  if (argc < 2) {
    std::fprintf(stderr, "사용법: pdx_velluto_shots 출력폴더 [사진]\n");
    return 64;
  }
  const QString out = QString::fromLocal8Bit(argv[1]);
  CAnimationFile document;
  document.setFolder(out.toStdString());
  document.New(std::nullopt, std::nullopt);
  DialogPorts ports;
  CVellutoWnd window(document, ports);
  window.Create(QStringLiteral("애니메이션 편집기"), pdx::resources::kAnimationEditorSkin);
  window.Refresh();
  window.show();
  draw(window);
  window.OnCommand(kCmdToolEllipse, pdx::winlib::kNotifyEnter);
  window.grab().save(QDir(out).filePath(QStringLiteral("velluto-drawing.png")));

  window.EffectList()->setCurrentIndex(2);
  Q_EMIT window.EffectList()->activated(2);
  for (int i = 0; i < 6; ++i) {
    (void)window.Preview()->Tick();
  }
  window.grab().save(QDir(out).filePath(QStringLiteral("velluto-preview.png")));
  window.Preview()
      ->grab()
      .scaled(window.Preview()->size() * 4)
      .save(QDir(out).filePath(QStringLiteral("velluto-preview-zoom.png")));

  shootImport(out, argc > 2 ? QString::fromLocal8Bit(argv[2]) : madeUpPhotograph(out));
  return 0;
}
