// The help dialog with the overview topic, and the main window's help page
// controls on a plain page.
#include "resources/help/help_tables.h"
#include "winlib/gallery/gallery.h"
#include "winlib/help/help_topics.h"
#include "winlib/help/ui/help_dialog.h"

#include <QApplication>
#include <QTimer>

namespace pdx::winlib::gallery {

void renderHelp(Output &out) {
  setHelpTopics(resources::pelodexHelpTopics());
  for (const int topic : {2100, 2106, 2111}) {
    CHelpDialog dialog(topic);
    QTimer::singleShot(0, &dialog, [&] {
      out.save(QStringLiteral("help-dialog-%1").arg(topic), dialog.grab().toImage());
      dialog.EndDialog(kIdOkCommand);
    });
    (void)dialog.DoModal(nullptr, QRect(100, 100, kHelpDialogWidth, kHelpDialogHeight), 5303);
  }
  setHelpTopics({});
}

} // namespace pdx::winlib::gallery
