#include "resources/help/help_tables.h"
#include "winlib/help/help_topics.h"
#include "winlib/help/rtf_reader.h"
#include "winlib/help/ui/help_view.h"
#include "winlib/help/ui/rtf_to_qt.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace pdx::winlib {
namespace {

class RtfToQt : public testing::Test {
protected:
  QTextDocument document_;
};

QTextCharFormat formatAt(const QTextDocument &document, int position) {
  QTextCursor cursor(const_cast<QTextDocument *>(&document));
  cursor.setPosition(position + 1);
  return cursor.charFormat();
}

TEST_F(RtfToQt, ParagraphsBecomeBlocks) {
  fillTextDocument(
      document_,
      readRtf("{\\rtf1\\pard\\qc\\sa300 Title\\par\\pard\\li450 Body\\line second line\\par\\qr End}"));
  ASSERT_EQ(document_.blockCount(), 3);
  const QTextBlock title = document_.firstBlock();
  EXPECT_EQ(title.text(), QString("Title"));
  EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_DOUBLE_EQ(title.blockFormat().bottomMargin(), 20.0);
  const QTextBlock body = title.next();
  EXPECT_EQ(body.text(), QString("Body") + QChar::LineSeparator + QString("second line"));
  EXPECT_DOUBLE_EQ(body.blockFormat().leftMargin(), 30.0);
  EXPECT_EQ(body.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

TEST_F(RtfToQt, RunsKeepTheirCharacterFormat) {
  fillTextDocument(document_,
                   readRtf("{\\rtf1{\\colortbl;\\red0\\green51\\blue153;}a{\\b\\fs32\\cf1 b}{\\i\\ul c}d}"));
  EXPECT_EQ(document_.toPlainText(), QString("abcd"));
  EXPECT_EQ(formatAt(document_, 0).fontWeight(), QFont::Normal);
  EXPECT_DOUBLE_EQ(formatAt(document_, 0).fontPointSize(), 12.0);
  EXPECT_EQ(formatAt(document_, 1).fontWeight(), QFont::Bold);
  EXPECT_DOUBLE_EQ(formatAt(document_, 1).fontPointSize(), 16.0);
  EXPECT_EQ(formatAt(document_, 1).foreground().color(), QColor(0, 51, 153));
  EXPECT_TRUE(formatAt(document_, 2).fontItalic());
  EXPECT_TRUE(formatAt(document_, 2).fontUnderline());
  EXPECT_FALSE(formatAt(document_, 3).fontItalic());
}

TEST_F(RtfToQt, RefillingReplacesTheOldContent) {
  fillTextDocument(document_, readRtf("{\\rtf1 old\\par old}"));
  fillTextDocument(document_, readRtf("{\\rtf1 new}"));
  EXPECT_EQ(document_.toPlainText(), QString("new"));
  fillTextDocument(document_, RtfDocument{});
  EXPECT_TRUE(document_.isEmpty());
}

TEST(HelpView, ReadOnlyWhiteViewWithTheTopic) {
  setHelpTopics(resources::pelodexHelpTopics());
  QWidget dialog;
  dialog.resize(400, 300);
  QTextEdit *view = createHelpView(dialog, QRect(30, 50, 350, 187), 2106);
  EXPECT_EQ(dialog.findChild<QTextEdit *>("4300"), view);
  EXPECT_TRUE(view->isReadOnly());
  EXPECT_EQ(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(view->palette().color(QPalette::Base), QColor(Qt::white));
  EXPECT_TRUE(view->toPlainText().startsWith(QString("다이어리 전화번호부")));
  EXPECT_EQ(view->textCursor().position(), 0);
  QTextEdit *empty = createHelpView(dialog, QRect(30, 50, 350, 187), 2111);
  EXPECT_TRUE(empty->document()->isEmpty());
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  setHelpTopics({});
}

} // namespace
} // namespace pdx::winlib
