// Fills a rich-text view with a help topic of the program.
#pragma once

class QTextEdit;

namespace pdx::winlib {

// Replaces the view's content with the topic's document, read in pieces of
// `pieceSize` bytes under the wait cursor. A missing topic leaves the view
// empty, without a message. Returns whether the topic exists.
bool StreamTopic(QTextEdit &view, int topic, int pieceSize = 4096);

} // namespace pdx::winlib
