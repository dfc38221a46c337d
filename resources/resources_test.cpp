#include "platform/settings/settings.h"
#include "resources/resource_ids.h"
#include "resources/resource_store.h"
#include "resources/resource_table.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>

namespace pdx::resources {
namespace {

class Resources : public ::testing::Test {
protected:
  void SetUp() override { ResourceStore::instance().setOverrideFolder({}); }
};

int distinctColours(const QImage &image, const QRect &area) {
  std::set<QRgb> colours;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      colours.insert(image.pixel(x, y));
    }
  }
  return static_cast<int>(colours.size());
}

TEST(ResourceTable, HoldsEveryNamedResource) {
  std::vector<int> named = {128,  1100, 1101, 1102, 1103, 3001, 3002, 3003, 3004, 3005, 3008,
                            3009, 3010, 3011, 3012, 3014, 3050, 5303, 5321, 5400, 5401, 5402};
  for (int id = 5000; id <= 5004; ++id) {
    named.push_back(id);
  }
  for (int id = 5200; id <= 5217; ++id) {
    named.push_back(id);
  }
  for (int id = 5300; id <= 5305; ++id) {
    named.push_back(id);
  }
  for (int id : named) {
    EXPECT_NE(findResource(id), nullptr) << id;
  }
  EXPECT_EQ(findResource(9999), nullptr);
}

TEST(ResourceTable, ButtonStripsCarryTheFramesOfTheirStyle) {
  // A message box's first button (OK, Yes or Retry) has style 6952 and
  // four frames, the others style 6440 and three.
  for (int id : {kButtonOk, kButtonYes, kButtonRetry}) {
    EXPECT_EQ(findResource(id)->frames, 4) << id;
  }
  for (int id : {kButtonCancel, kButtonNo}) {
    EXPECT_EQ(findResource(id)->frames, 3) << id;
  }
  EXPECT_EQ(findResource(3120)->frames, 4); // the log-on OK button
  EXPECT_EQ(findResource(4628)->frames, 2); // drawing tools: style 4448, two frames
  EXPECT_TRUE(findResource(4431)->sticky);
  EXPECT_FALSE(findResource(4451)->sticky);
}

TEST_F(Resources, EveryEntryHasItsOwnNumberAndRendersAtItsSizeWithAPicture) {
  std::set<int> ids;
  for (const ResourceSpec &spec : resourceTable()) {
    EXPECT_TRUE(ids.insert(spec.id).second) << "duplicate " << spec.id;
    EXPECT_GE(spec.frames, 1) << spec.id;
    const QImage image = ResourceStore::instance().image(spec.id);
    ASSERT_FALSE(image.isNull()) << spec.id;
    EXPECT_EQ(image.width(), spec.frameWidth * spec.frames) << spec.id;
    EXPECT_EQ(image.height(), spec.frameHeight) << spec.id;
    EXPECT_GT(distinctColours(image, image.rect()), 1) << spec.id << " is blank";
  }
}

TEST_F(Resources, ButtonFramesDifferFromEachOther) {
  const QImage ok = ResourceStore::instance().image(kButtonOk);
  const int w = findResource(kButtonOk)->frameWidth;
  for (int a = 0; a < 4; ++a) {
    for (int b = a + 1; b < 4; ++b) {
      EXPECT_NE(ok.copy(a * w, 0, w, ok.height()), ok.copy(b * w, 0, w, ok.height()))
          << "frames " << a << " and " << b;
    }
  }
}

TEST_F(Resources, SymbolStripShowsTenDifferentSymbols) {
  const QImage strip = ResourceStore::instance().image(kSymbolStrip);
  std::set<QByteArray> cells;
  for (int i = 0; i < 10; ++i) {
    const QImage cell = strip.copy(i * 27, 0, 27, 27);
    int ink = 0;
    for (int y = 0; y < 27; ++y) {
      for (int x = 0; x < 27; ++x) {
        ink += qGray(cell.pixel(x, y)) < 128 ? 1 : 0;
      }
    }
    EXPECT_GT(ink, 40) << "symbol " << i << " is nearly empty";
    cells.insert(QByteArray(reinterpret_cast<const char *>(cell.constBits()), cell.sizeInBytes()));
  }
  EXPECT_EQ(cells.size(), 10u);
}

TEST_F(Resources, EditorSkinsSetTheStatusLineInAWell) {
  for (const int id : {kMelodyEditorSkin, kAnimationEditorSkin}) {
    const QImage skin = ResourceStore::instance().image(id);
    const QRect ring(3, 441, 498, 17); // around the line the window fills black
    for (int y = ring.top(); y <= ring.bottom(); ++y) {
      for (int x = ring.left(); x <= ring.right(); ++x) {
        if (y == ring.top() || y == ring.bottom() || x == ring.left() || x == ring.right()) {
          // The page's own colour of that row stands at x = 2.
          ASSERT_NE(skin.pixel(x, y), skin.pixel(2, y)) << id << " at " << x << ", " << y;
        }
      }
    }
  }
}

TEST_F(Resources, SkinFolderOverridesByNumber) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  QImage replacement(30, 20, QImage::Format_RGB32);
  replacement.fill(Qt::red);
  ASSERT_TRUE(replacement.save(QDir(dir.path()).filePath(QStringLiteral("5001.png"))));
  QImage extra(10, 10, QImage::Format_RGB32);
  extra.fill(Qt::green);
  ASSERT_TRUE(extra.save(QDir(dir.path()).filePath(QStringLiteral("7777.png"))));

  ResourceStore &store = ResourceStore::instance();
  const QImage builtIn = store.image(kButtonCancel);
  store.setOverrideFolder(dir.path().toStdString());
  EXPECT_EQ(store.image(kButtonCancel).size(), QSize(30, 20));
  EXPECT_EQ(store.image(kButtonCancel).pixel(3, 3), QColor(Qt::red).rgb());
  EXPECT_EQ(store.image(7777).size(), QSize(10, 10)) << "numbers outside the table too";
  EXPECT_EQ(store.image(kButtonOk).size(), QSize(168, 22)) << "others stay built in";

  store.setOverrideFolder({});
  EXPECT_EQ(store.image(kButtonCancel), builtIn);
  EXPECT_TRUE(store.image(7777).isNull());
}

TEST_F(Resources, SkinFolderComesFromTheSettings) {
  QTemporaryDir dir;
  QImage replacement(7, 7, QImage::Format_RGB32);
  replacement.fill(Qt::blue);
  ASSERT_TRUE(replacement.save(QDir(dir.path()).filePath(QStringLiteral("3002.png"))));
  platform::Settings settings =
      platform::Settings::atFile((dir.path() + QStringLiteral("/p.conf")).toStdString());
  settings.setText("General", "SkinDir", dir.path().toStdString());
  ResourceStore::instance().applySettings(settings);
  EXPECT_EQ(ResourceStore::instance().image(kPageMenu).size(), QSize(7, 7));
  settings.setText("General", "SkinDir", "");
  ResourceStore::instance().applySettings(settings);
  EXPECT_EQ(ResourceStore::instance().image(kPageMenu).size(), QSize(600, 460));
}

TEST_F(Resources, BrokenOverrideFileFallsBackToTheBuiltInPicture) {
  QTemporaryDir dir;
  QFile bad(QDir(dir.path()).filePath(QStringLiteral("5002.png")));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("not a png");
  bad.close();
  // A FIFO nobody writes: refused at once, never waited on.
  const QByteArray fifo = QFile::encodeName(QDir(dir.path()).filePath(QString::number(kButtonOk) + ".png"));
  ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
  ResourceStore::instance().setOverrideFolder(dir.path().toStdString());
  EXPECT_EQ(ResourceStore::instance().image(kButtonYes).size(), QSize(168, 22));
  EXPECT_EQ(ResourceStore::instance().image(kButtonOk).size(), QSize(168, 22));
  ResourceStore::instance().setOverrideFolder({});
}

} // namespace
} // namespace pdx::resources
