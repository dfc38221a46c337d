// Renders the melody and animation pages to PNG files, offscreen, with
// sample files in a temporary folder and one slot preview filled:
// pdx_media_shots OUTPUT_FOLDER.
#include "core/base/virtual_event_loop.h"
#include "features/animations/animation_test_files.h"
#include "features/animations/ui/animation_page.h"
#include "features/common/media_fakes.h"
#include "features/melodies/melody_test_files.h"
#include "features/melodies/ui/melody_page.h"
#include "resources/fonts.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

namespace {

using namespace pdx;
using namespace pdx::features;

// A file of three pictures: a ring, a cross and a stripe pattern.
bool writePictures(const std::filesystem::path &folder) {
  animation::CAnimationFile doc;
  doc.setFolder(folder);
  doc.New(text::fromUtf8("내 그림"), "그림모음.pca");
  const char *names[] = {"동그라미", "엑스", "줄무늬"};
  for (int i = 0; i < 3; ++i) {
    const int at = i == 0 ? doc.RenameAnimation(0, text::fromUtf8(names[0]))
                          : doc.AddAnimation(text::fromUtf8(names[i]));
    animation::CAnimation *picture = doc.at(at);
    picture->setEffect(static_cast<uint16_t>(i * 4));
    for (int y = 0; y < animation::CMonoPicture::kHeight; ++y) {
      for (int x = 0; x < animation::CMonoPicture::kWidth; ++x) {
        const double r = std::hypot(x - 48.0, (y - 25.0) * 1.1);
        const bool ink = i == 0   ? (r > 16 && r < 22)
                         : i == 1 ? (std::abs((x - 23) - y) < 2 || std::abs((72 - x) - y) < 2)
                                  : (x / 6) % 2 == 0;
        picture->setPixel(x, y, ink);
      }
    }
  }
  return doc.Save() == DocResult::Ok;
}

// Makes `page` the active window with `list` focused, as a user sees it.
void showFocused(QWidget &page, QWidget *list) {
  page.activateWindow();
  QApplication::setActiveWindow(&page);
  list->setFocus();
  QApplication::processEvents();
}

bool writeSamples(const std::filesystem::path &dir) {
  const std::vector<melody::NoteEntry> &tune = testing::kDoReMi;
  const std::vector<std::pair<std::string, std::vector<testing::Tune>>> melodies = {
      {"동요.pcm", {{"학교종", tune}, {"나비야", tune}, {"산토끼", tune}}},
      {"가요.pcm", {{"아리랑", tune}}},
      {"벨소리.pcm", {{"따르릉", tune}}}};
  for (const auto &[file, tunes] : melodies) {
    if (!testing::writeMelodyFile(dir, file, tunes)) {
      return false;
    }
  }
  return writePictures(dir) && testing::writeAnimationFile(dir, "점.pca", 2, 9);
}

} // namespace

int main(int argc, char **argv) {
  if (argc != 2) {
    std::fprintf(stderr, "사용법: pdx_media_shots OUTPUT_FOLDER\n");
    return 64;
  }
  QApplication app(argc, argv);
  resources::installFonts();
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QTemporaryDir folder;
  const std::filesystem::path dir = folder.path().toStdString();
  if (!writeSamples(dir)) {
    std::fprintf(stderr, "예제 파일을 만들 수 없습니다.\n");
    return 73;
  }
  VirtualEventLoop loop;
  testing::FakeMediaPhone phone;
  testing::FakeMediaUser user;
  testing::FakeStarter starter;
  const MediaPageContext context{dir, phone, starter, loop, {}, {}, {}, &user};

  CMelodyPage melodies(context, [] { return nullptr; });
  melodies.files()->selectRow(1);
  melodies.show();
  showFocused(melodies, melodies.melodies());
  melodies.grab().save(out.filePath("melody-page.png"));
  melodies.OnCommand(CMelodyPage::kPlay, 0);
  melodies.grab().save(out.filePath("melody-page-playing.png"));
  melodies.logic().stop();

  CAnimationPage animations(context);
  animations.animations()->selectRow(0);
  animations.OnCommand(CAnimationPage::kSlot2, 0);
  animations.animations()->selectRow(2);
  animations.OnCommand(CAnimationPage::kPreview, 0);
  loop.advance(pdx::Millis(150 * 3));
  animations.show();
  showFocused(animations, animations.animations());
  animations.grab().save(out.filePath("animation-page.png"));
  return 0;
}
