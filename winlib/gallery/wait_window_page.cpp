// The wait window of a long phone read: before the count is known, part
// way, and after Esc.
#include "winlib/gallery/gallery.h"
#include "winlib/wait_window.h"

#include <QKeyEvent>
#include <QTest>

namespace pdx::winlib::gallery {

void renderWaitWindows(Output &out) {
  const QString text = QStringLiteral("휴대폰에서 전화번호부를 읽고 있습니다.");
  std::vector<std::pair<QString, QImage>> items;
  for (int done : {-1, 0, 37}) {
    CWaitWindow wait(nullptr, text, {});
    if (done >= 0) {
      wait.SetProgress(0, 200);
      QTest::qWait(done == 0 ? 0 : 40);
      wait.SetProgress(done, 200);
    }
    items.emplace_back(done < 0 ? QStringLiteral("count unknown") : QStringLiteral("%1 / 200").arg(done),
                       wait.grab().toImage());
  }
  CWaitWindow cancelled(nullptr, text, {});
  cancelled.SetProgress(12, 200);
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&cancelled, &esc);
  items.emplace_back(QStringLiteral("Esc"), cancelled.grab().toImage());
  out.save(QStringLiteral("wait-windows"), sheet(items, 2));
}

} // namespace pdx::winlib::gallery
