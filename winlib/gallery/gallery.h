// The gallery renders the library's windows offscreen into PNG files, so
// that their look can be checked without a display. Each page is one
// function in its own file, listed in gallery.cpp.
#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace pdx::winlib::gallery {

class Output {
public:
  explicit Output(QDir dir) : dir_(std::move(dir)) {}
  // Writes `image` as `name`.png; false when it cannot be written.
  bool save(const QString &name, const QImage &image);
  int written() const { return written_; }
  int failed() const { return failed_; }

private:
  QDir dir_;
  int written_ = 0;
  int failed_ = 0;
};

struct Page {
  const char *name;
  std::function<void(Output &)> render;
};

// Every page, in order. To add one, write its function in a file of its own
// and list it in gallery.cpp.
const std::vector<Page> &pages();

// A sheet of labelled pictures side by side, each label under its picture.
QImage sheet(const std::vector<std::pair<QString, QImage>> &items, int columns);

void renderMessageBoxes(Output &out);
void renderButtons(Output &out);
void renderDialogFrames(Output &out);
void renderSkins(Output &out);
void renderProgramIcons(Output &out);
void renderFilePickers(Output &out);
void renderHelp(Output &out);
void renderCalendars(Output &out);
void renderWaitWindows(Output &out);

} // namespace pdx::winlib::gallery
