#include "core/base/cp949.h"
#include "core/base/test_support.h"
#include "features/common/ui/text_fields.h"
#include "features/groups/ui/dialog_testing.h"
#include "features/groups/ui/group_list_dlg.h"
#include "features/phonebook/phonebook_fakes.h"
#include "features/phonebook/ui/entry_dlg.h"
#include "features/phonebook/ui/find_dlg.h"
#include "features/phonebook/ui/phonebook_page.h"
#include "platform/settings/settings.h"
#include "winlib/bmp_button.h"
#include "winlib/testing/accessibility_check.h"
#include "winlib/testing/type_text.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gmock/gmock.h>

namespace pdx::features {
namespace {

using core::PhoneBookEntry;
using testing::whenOpen;
using text::fromUtf8;
using winlib::ButtonState;
using Page = CPhonebookPage;

PhoneBookEntry entry(const char *name, const char *home, int slot = 65535, int group = 0) {
  PhoneBookEntry e;
  e.name.set(fromUtf8(name));
  e.numbers[0].set(home);
  e.group = static_cast<uint16_t>(group);
  e.phoneSlot = static_cast<uint16_t>(slot);
  e.phoneState = slot == 65535 ? 1 : 0;
  return e;
}

// Records whether the page was disabled under the wait cursor while the
// phone was written.
struct WatchingPhone : testing::FakePhone {
  QWidget *page = nullptr;
  std::vector<bool> busyDuringWrites;
  bool writeEntry(int slot, const PhoneBookEntry &e) override {
    busyDuringWrites.push_back(!page->isEnabled() && QApplication::overrideCursor() &&
                               QApplication::overrideCursor()->shape() == Qt::WaitCursor);
    return FakePhone::writeEntry(slot, e);
  }
};

class PageTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    store_.phonePhonebook.resetSlots(200);
    store_.phoneGroups.ensureDefaultGroup();
    store_.phoneGroups.addGroup(fromUtf8("친구"), 0);
  }
  std::unique_ptr<Page> open(bool connected) {
    PhonebookPageContext context{store_, phone_, connected,  settings_,           {},
                                 {},     &user_, &resolver_, [this] { ++saves_; }};
    auto page = std::make_unique<Page>(std::move(context));
    phone_.page = page.get();
    page->show();
    return page;
  }
  std::string cell(Page &page, int row, int column) const {
    std::string text = page.list()->rowText(row);
    for (int i = 0; i < column; ++i) {
      text = text.substr(text.find('\t') + 1);
    }
    return text::toUtf8(text.substr(0, text.find('\t')));
  }
  QPoint cellCentre(Page &page, int row, int column) const {
    CDragDropListBox *list = page.list();
    const QPoint local(list->columnLeft(column) + list->columnWidth(column) / 2,
                       row * list->rowHeight() + list->rowHeight() / 2);
    return list->viewport()->mapToGlobal(local);
  }
  static QPoint centreOf(QWidget *w) { return w->mapToGlobal(w->rect().center()); }

  QTemporaryDir dir_;
  platform::Settings settings_ = platform::Settings::atFile(dir_.filePath("p.ini").toStdString());
  core::CDataStore store_;
  WatchingPhone phone_;
  testing::FakeUser user_;
  testing::ScriptedResolver resolver_;
  int saves_ = 0;
};

TEST_F(PageTest, AScreenReaderHearsTheRowsAndButtonsFollowTheSelection) {
  store_.pcPhonebook.append(entry("나", "02", 65535, 0));
  store_.pcPhonebook.append(entry("가", "01", 4, 1));
  auto page = open(false);
  EXPECT_THAT(winlib::testing::accessibilityProblems(page.get()), ::testing::IsEmpty());
  QAccessibleInterface *list = QAccessible::queryAccessibleInterface(page->list());
  ASSERT_EQ(list->childCount(), 2);
  EXPECT_EQ(list->child(0)->text(QAccessible::Name), QStringLiteral("휴대폰 저장, 친구, 가, 01"));
  EXPECT_EQ(list->child(0)->text(QAccessible::Description),
            QStringLiteral("상태: 휴대폰 저장, 그룹: 친구, 이름: 가, 집: 01"));
  EXPECT_EQ(page->button(Page::kDelete)->State(), ButtonState::Disabled);
  EXPECT_EQ(page->button(Page::kSpeedDial)->State(), ButtonState::Disabled) << "offline";
  page->list()->selectRow(0);
  EXPECT_TRUE(list->child(0)->state().selected);
  EXPECT_NE(page->button(Page::kModify)->State(), ButtonState::Disabled);
}

TEST_F(PageTest, InsertAddsAnEntryThatGoesToThePhoneWithThePageDisabled) {
  auto page = open(true);
  whenOpen<CEntryDlg>([](CEntryDlg &d) {
    EXPECT_TRUE(d.phoneBox()->isEnabled());
    winlib::testing::typeText(d.nameEdit(), QStringLiteral("홍길동"));
    QTest::keyClicks(d.numberEdit(2), "0111234567");
    d.OnCommand(winlib::kIdOkCommand, winlib::kNotifyCommand);
  });
  QTest::keyClick(page->list(), Qt::Key_Insert);
  ASSERT_EQ(page->list()->rowCount(), 1);
  EXPECT_EQ(page->list()->currentRow(), 0);
  EXPECT_EQ(page->list()->rowText(0)[1], '\x01') << "state 0: on the phone";
  ASSERT_EQ(phone_.entryWrites.size(), 1u);
  EXPECT_EQ(phone_.entryWrites[0].first, 0);
  EXPECT_EQ(phone_.busyDuringWrites, std::vector<bool>{true});
  EXPECT_TRUE(page->isEnabled());
  EXPECT_TRUE(store_.modified);
}

TEST_F(PageTest, ASeveralRowChangeKeepsItsSelectionThroughSortingAndCannotBeRestarted) {
  store_.pcPhonebook.append(entry("가", "03", 65535, 0));
  store_.pcPhonebook.append(entry("나", "01", 65535, 1));
  store_.pcPhonebook.append(entry("다", "02", 65535, 0));
  auto page = open(false);
  page->list()->selectRows({0, 2});
  whenOpen<CEntryDlg>([&page](CEntryDlg &d) {
    EXPECT_TRUE(d.groupOnly());
    EXPECT_EQ(d.phoneBox()->checkState(), Qt::Unchecked) << "neither entry is on the phone";
    page->OnCommand(Page::kDelete, winlib::kNotifyCommand); // ignored while the change runs
    d.groupBox()->setEditText(QStringLiteral("친구"));
    d.OnCommand(winlib::kIdOkCommand, winlib::kNotifyCommand);
  });
  const int savesBefore = saves_;
  QTest::keyClick(page->list(), Qt::Key_Return);
  EXPECT_TRUE(user_.asked.empty()) << "no delete started inside the change";
  EXPECT_EQ(saves_, savesBefore + 1) << "the data file is written once the change is complete";
  EXPECT_EQ(cell(*page, 0, kGroupColumn), "친구");
  EXPECT_EQ(cell(*page, 1, kGroupColumn), "친구");
  EXPECT_EQ(cell(*page, 2, kGroupColumn), "친구");
  EXPECT_EQ(page->list()->selectedRows(), (std::set<int>{0, 2})) << "both changed rows stay selected";
  auto *header = page->findChild<QHeaderView *>();
  ASSERT_NE(header, nullptr);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                    QPoint(header->sectionViewportPosition(kHomeColumn) + 5, header->height() / 2));
  EXPECT_EQ(page->editor().sortColumn(), kHomeColumn);
  ASSERT_EQ(cell(*page, 0, kNameColumn), "나");
  EXPECT_EQ(cell(*page, 2, kNameColumn), "가");
  EXPECT_EQ(page->list()->selectedRows(), (std::set<int>{1, 2})) << "가 and 다 stay selected where they land";
  EXPECT_TRUE(phone_.entryWrites.empty()) << "offline";
  QTest::keyClick(page.get(), Qt::Key_3, Qt::ControlModifier); // Ctrl+3: the third column, the names
  EXPECT_EQ(page->editor().sortColumn(), kNameColumn);
  EXPECT_EQ(cell(*page, 0, kNameColumn), "가");
}

TEST_F(PageTest, SpeedDialNeedsAConnectionAndThePage) {
  bool switched = false;
  PhonebookPageContext context{store_, phone_,     true, settings_, {}, [&switched] { switched = true; },
                               &user_, &resolver_, {}};
  CPhonebookPage connected(std::move(context));
  ASSERT_NE(connected.button(Page::kSpeedDial)->State(), ButtonState::Disabled);
  connected.OnCommand(Page::kSpeedDial, winlib::kNotifyCommand);
  EXPECT_TRUE(switched);
  auto withoutPage = open(true);
  EXPECT_EQ(withoutPage->button(Page::kSpeedDial)->State(), ButtonState::Disabled);
}

TEST_F(PageTest, DeleteKeyAsksOnceAndSelectsTheNextRow) {
  for (const char *name : {"가", "나", "다"}) {
    store_.pcPhonebook.append(entry(name, "01"));
  }
  auto page = open(false);
  page->list()->selectRow(1);
  QTest::keyClick(page->list(), Qt::Key_Delete);
  EXPECT_EQ(user_.asked, std::vector<std::string>{"\"나\" 전화번호를 삭제하시겠습니까?"});
  ASSERT_EQ(page->list()->rowCount(), 2);
  EXPECT_EQ(cell(*page, page->list()->currentRow(), 2), "다");
  page->list()->selectRange(0, 1);
  user_.answer = false;
  QTest::keyClick(page->list(), Qt::Key_Delete);
  EXPECT_EQ(user_.asked.back(), "선택한 전화번호를 모두 삭제하시겠습니까?");
  EXPECT_EQ(page->list()->rowCount(), 2) << "Cancel deletes nothing";
}

TEST_F(PageTest, DraggingANumberMovesItAndCtrlCopiesIt) {
  store_.pcPhonebook.append(entry("가", "0211"));
  PhoneBookEntry na = entry("나", "");
  na.numbers[2].set("0119");
  store_.pcPhonebook.append(na);
  auto page = open(false);
  EXPECT_FALSE(page->isValidDropTarget(cellCentre(*page, 0, kHomeColumn), 0, kHomeColumn)) << "its own cell";
  EXPECT_FALSE(page->isValidDropTarget(cellCentre(*page, 1, kNameColumn), 0, kHomeColumn)) << "not a number";
  ASSERT_TRUE(page->isValidDropTarget(cellCentre(*page, 1, kOfficeColumn), 0, kHomeColumn));
  page->dropAt(cellCentre(*page, 1, kOfficeColumn), 0, kHomeColumn, Qt::ControlModifier);
  EXPECT_EQ(cell(*page, 1, kOfficeColumn), "0211");
  EXPECT_EQ(cell(*page, 0, kHomeColumn), "0211") << "Ctrl copies";
  page->dropAt(cellCentre(*page, 0, kPagerColumn), 1, kMobileColumn, Qt::NoModifier);
  EXPECT_EQ(cell(*page, 0, kPagerColumn), "0119");
  EXPECT_EQ(cell(*page, 1, kMobileColumn), "") << "a move clears the source";
  page->list()->selectRow(0); // a drop on 삭제 deletes the selection
  const QPoint deleteButton = centreOf(page->button(Page::kDelete));
  ASSERT_TRUE(page->isValidDropTarget(deleteButton, 0, kNameColumn));
  page->dropAt(deleteButton, 0, kNameColumn, Qt::NoModifier);
  EXPECT_EQ(page->list()->rowCount(), 1);
}

TEST_F(PageTest, MergeOnOpenAsksTheResolverAndShowsTheResult) {
  store_.pcPhonebook.append(entry("가", "021"));
  store_.phonePhonebook.replaceAt(3, entry("가", "022", 3));
  store_.phonePhonebook.replaceAt(5, entry("나", "023", 5));
  resolver_.answers = {MergeChoice::PhoneToPc};
  auto page = open(true);
  page->mergeOnOpen();
  EXPECT_EQ(resolver_.seen.size(), 1u);
  ASSERT_EQ(page->list()->rowCount(), 2);
  EXPECT_EQ(cell(*page, 0, kHomeColumn), "022");
  EXPECT_EQ(page->list()->rowText(1)[1], '\x01') << "the phone's own entry is on the phone";
}

TEST_F(PageTest, FindAndFindNextSelectRowsAndReportTheEnd) {
  for (const char *name : {"김철수", "김영희", "박민수"}) {
    store_.pcPhonebook.append(entry(name, "02"));
  }
  auto page = open(false);
  whenOpen<CFindDlg>([](CFindDlg &d) {
    winlib::testing::typeText(d.nameEdit(), QStringLiteral("김"));
    d.OnCommand(winlib::kIdOkCommand, winlib::kNotifyCommand);
  });
  QTest::keyClick(page->list(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(page->list()->currentRow(), 0);
  QTest::keyClick(page->list(), Qt::Key_F3);
  EXPECT_EQ(page->list()->currentRow(), 1);
  QTest::keyClick(page->list(), Qt::Key_L, Qt::ControlModifier);
  EXPECT_EQ(user_.told, std::vector<std::string>{"더 이상 찾을 수 없습니다."});
  QTest::keyClick(page->list(), Qt::Key_F3, Qt::ShiftModifier);
  EXPECT_EQ(page->list()->currentRow(), 0);
}

TEST_F(PageTest, EscSetsTheCancelFlagAndLettersNeedCtrl) {
  auto page = open(false);
  bool opened = false;
  QTimer::singleShot(0, [&opened] {
    opened = testing::openDialog<CEntryDlg>() != nullptr;
    winlib::CBmpDialog::CloseAll();
  });
  QTest::keyClick(page->list(), Qt::Key_N);
  QCoreApplication::processEvents();
  EXPECT_FALSE(opened) << "N without Ctrl is no command";
  QTest::keyClick(page->list(), Qt::Key_Escape);
  EXPECT_TRUE(page->cancelFlag());
  whenOpen<CGroupListDlg>([](CGroupListDlg &d) { d.EndDialog(winlib::kIdOkCommand); });
  QTest::keyClick(page->list(), Qt::Key_G, Qt::ControlModifier);
}

TEST_F(PageTest, StoredColumnBoundariesAreCorrectedAndResizingStoresThem) {
  settings_.setText("General", Page::kColumnKey, "5,5,5,5,5,5");
  auto page = open(false);
  EXPECT_EQ(page->list()->boundaries(), (std::vector<int>{10, 20, 30, 40, 50, 60}));
  auto *header = page->findChild<QHeaderView *>();
  ASSERT_NE(header, nullptr);
  header->resizeSection(2, 50);
  EXPECT_EQ(settings_.text("General", Page::kColumnKey), "10,20,70,80,90,100");
}

TEST_F(PageTest, ImportReadsUtf8AndReportsBadLinesKeepingWhatCameBefore) {
  auto page = open(false);
  const QString good = dir_.filePath("a.txt");
  writeWholeFile(good.toStdString(),
                 "홍길동 친구 0212345678 0111234567\n" + std::string(1200, 'x') + "\n김 0151\n");
  page->importFrom(good);
  EXPECT_EQ(user_.told,
            std::vector<std::string>{"파일 형식이 잘못되어 있습니다.\n1건을 추가했고 0건을 건너뛰었습니다."});
  EXPECT_EQ(saves_, 1);
  ASSERT_EQ(page->list()->rowCount(), 1);
  EXPECT_EQ(cell(*page, 0, kGroupColumn), "친구");
  EXPECT_EQ(cell(*page, 0, kMobileColumn), "0111234567");
  page->importFrom(dir_.filePath("missing.txt"));
  EXPECT_EQ(user_.told.back(), "전화번호부를 읽어들일 수 없습니다.");

  phone_.acceptGroups = false;
  auto connected = open(true);
  writeWholeFile(dir_.filePath("b.txt").toStdString(), "박 동창 0111\n최 동창 0112\n");
  user_.told.clear();
  connected->importFrom(dir_.filePath("b.txt"));
  EXPECT_EQ(phone_.groupWrites.size(), 1u) << "a group the phone refused is not written again";
  ASSERT_EQ(user_.told.size(), 2u);
  EXPECT_EQ(user_.told[0], "휴대폰에 그룹을 추가할 수 없습니다.");
  EXPECT_EQ(user_.told[1].substr(0, user_.told[1].find('\n')), "2건을 추가했고 0건을 건너뛰었습니다.");
}

TEST_F(PageTest, ExportWritesCsvOrVcardAndPrintWritesAPdf) {
  store_.pcPhonebook.append(entry("홍길동", "0212345678", 65535, 1));
  auto page = open(false);
  const auto written = [this](const char *name) { return readWholeFile(dir_.filePath(name).toStdString()); };
  page->exportTo(dir_.filePath("out.csv"));
  EXPECT_THAT(written("out.csv"), ::testing::HasSubstr("홍길동"));
  page->exportTo(dir_.filePath("out.vcf"));
  EXPECT_THAT(written("out.vcf"), ::testing::StartsWith("BEGIN:VCARD"));
  page->exportTo(dir_.filePath("no/such/folder/out.vcf"));
  ASSERT_EQ(user_.told.size(), 1u);
  EXPECT_EQ(user_.told[0].substr(0, user_.told[0].find('\n')), "전화번호부를 내보낼 수 없습니다.");

  PrintOptions options;
  options.pdfPath = dir_.filePath("pb.pdf");
  page->printWith(options);
  EXPECT_THAT(written("pb.pdf"), ::testing::StartsWith("%PDF"));
  options.pdfPath = dir_.filePath("no/such/folder/pb.pdf");
  page->printWith(options);
  EXPECT_EQ(user_.told.back(), "프린터를 열 수 없습니다.");
}

} // namespace
} // namespace pdx::features
