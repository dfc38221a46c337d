#include "winlib/help/ui/stream_topic.h"

#include "winlib/help/help_topics.h"
#include "winlib/help/rtf_reader.h"
#include "winlib/help/ui/rtf_to_qt.h"

#include <QGuiApplication>
#include <QTextEdit>
#include <string>
#include <vector>

namespace pdx::winlib {

bool StreamTopic(QTextEdit &view, int topic, int pieceSize) {
  QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  TopicStream stream(topic);
  std::string rtf;
  std::vector<char> piece(static_cast<size_t>(std::max(pieceSize, 1)));
  while (const size_t count = stream.read(piece)) {
    rtf.append(piece.data(), count);
  }
  fillTextDocument(*view.document(), readRtf(rtf));
  view.moveCursor(QTextCursor::Start);
  QGuiApplication::restoreOverrideCursor();
  return stream.found();
}

} // namespace pdx::winlib
