#include "core/base/cp949.h"
#include "features/common/ui/drag_drop_list_box.h"
#include "features/common/ui/symbol_palette.h"
#include "features/common/ui/text_fields.h"
#include "features/groups/ui/dialog_testing.h"
#include "features/groups/ui/dialog_user.h"
#include "features/groups/ui/group_edit_dlg.h"
#include "features/groups/ui/group_list_dlg.h"
#include "features/phonebook/phonebook_fakes.h"
#include "winlib/bmp_button.h"
#include "winlib/bmp_message_box.h"
#include "winlib/testing/accessibility_check.h"
#include "winlib/testing/type_text.h"
#include "winlib/wait_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <gmock/gmock.h>

namespace pdx::features {
namespace {

using testing::clickSymbol;
using testing::whenOpen;
using text::fromUtf8;
using winlib::ButtonState;

core::PhoneGroup named(const char *utf8, int id = core::PhoneGroup::kNewId) {
  core::PhoneGroup g;
  g.id = static_cast<uint16_t>(id);
  g.name.set(fromUtf8(utf8));
  return g;
}

TEST(GroupEditDialog, OkNeedsANameAndSymbolsCountTwoBytesAgainstTwelve) {
  CGroupEditDlg dialog(CGroupEditDlg::Mode::Add, core::PhoneGroup());
  whenOpen<CGroupEditDlg>([](CGroupEditDlg &d) {
    EXPECT_THAT(winlib::testing::accessibilityProblems(&d), ::testing::IsEmpty());
    EXPECT_EQ(d.okButton()->State(), ButtonState::Disabled);
    EXPECT_EQ(d.bellBox()->count(), core::kBellNameCount);
    QTest::keyClick(&d, Qt::Key_Return);
    EXPECT_TRUE(d.IsRunning()) << "Enter with an empty name is refused";
    clickSymbol(d.palette(), 3);
    EXPECT_EQ(d.nameEdit()->bytes(), "\xC9\xA4");
    EXPECT_NE(d.okButton()->State(), ButtonState::Disabled);
    for (int i = 0; i < 6; ++i) {
      clickSymbol(d.palette(), i);
    }
    EXPECT_EQ(d.nameEdit()->bytes().size(), 12u) << "the seventh symbol does not fit";
    d.secretBox()->setChecked(true);
    d.bellBox()->setCurrentIndex(50);
    QTest::keyClick(d.nameEdit(), Qt::Key_Return);
  });
  ASSERT_EQ(dialog.DoModal(nullptr, std::nullopt, 0), winlib::kIdOkCommand);
  EXPECT_EQ(dialog.group().name.view().size(), 12u);
  EXPECT_EQ(dialog.group().name.view().substr(0, 2), "\xC9\xA4");
  EXPECT_TRUE(dialog.group().isSecret());
  EXPECT_EQ(dialog.group().melody, 50);
}

TEST(GroupEditDialog, ModifyStartsFromTheGroupWithItsNameSelected) {
  core::PhoneGroup g = named("친구", 3);
  g.melody = 7;
  CGroupEditDlg dialog(CGroupEditDlg::Mode::Modify, g);
  whenOpen<CGroupEditDlg>([](CGroupEditDlg &d) {
    EXPECT_EQ(d.nameEdit()->text(), QStringLiteral("친구"));
    EXPECT_EQ(d.nameEdit()->selectedText(), QStringLiteral("친구"));
    EXPECT_EQ(d.focusWidget(), d.nameEdit());
    EXPECT_EQ(d.bellBox()->currentIndex(), 7);
    EXPECT_TRUE(winlib::testing::typeText(d.nameEdit(), QStringLiteral("가족")));
    d.EndDialog(winlib::kIdCancelCommand);
  });
  EXPECT_EQ(dialog.DoModal(nullptr, std::nullopt, 0), winlib::kIdCancelCommand);
  EXPECT_EQ(dialog.group().name.utf8(), "친구") << "Cancel keeps the group";
}

class GroupListTest : public ::testing::Test {
protected:
  void SetUp() override {
    store_.phoneGroups.ensureDefaultGroup();
    store_.phoneGroups.insert(named("회사", 2));
    store_.phoneGroups.insert(named("가족", 1));
  }
  std::vector<std::string> rows(const CGroupListDlg &d) const {
    std::vector<std::string> out;
    for (int i = 0; i < d.list()->rowCount(); ++i) {
      out.push_back(text::toUtf8(d.list()->rowText(i)));
    }
    return out;
  }
  core::CDataStore store_;
  testing::FakePhone phone_;
  testing::FakeUser user_;
};

TEST_F(GroupListTest, InsertAddsAGroupUnderTheLowestFreeIdAndSelectsIt) {
  CGroupListDlg dialog(store_, phone_, user_, true);
  whenOpen<CGroupListDlg>([this](CGroupListDlg &d) {
    EXPECT_EQ(rows(d), (std::vector<std::string>{"가족", "회사"})) << "the default group is not listed";
    whenOpen<CGroupEditDlg>([](CGroupEditDlg &edit) {
      winlib::testing::typeText(edit.nameEdit(), QStringLiteral("동창"));
      edit.OnCommand(winlib::kIdOkCommand, winlib::kNotifyCommand);
    });
    QTest::keyClick(d.list(), Qt::Key_Insert);
    EXPECT_EQ(rows(d), (std::vector<std::string>{"가족", "동창", "회사"}));
    EXPECT_EQ(d.list()->currentRow(), 1);
    EXPECT_TRUE(d.changed());
    d.EndDialog(winlib::kIdOkCommand);
  });
  dialog.DoModal(nullptr, std::nullopt, 0);
  ASSERT_EQ(phone_.groupWrites.size(), 1u);
  EXPECT_EQ(phone_.groupWrites[0].first, 3) << "ids 0, 1 and 2 are taken";
}

TEST_F(GroupListTest, RefusedWritesAndUsedGroupsChangeNothing) {
  core::PhoneBookEntry e;
  e.name.set("a");
  e.group = 1;
  store_.pcPhonebook.append(e);
  phone_.acceptGroups = false;
  CGroupListDlg dialog(store_, phone_, user_, true);
  whenOpen<CGroupListDlg>([this](CGroupListDlg &d) {
    d.list()->selectRow(0); // 가족, used by the entry
    QTest::keyClick(d.list(), Qt::Key_Delete);
    d.list()->selectRow(1); // 회사: asked, then refused by the phone
    QTest::keyClick(d.list(), Qt::Key_Delete);
    EXPECT_EQ(rows(d).size(), 2u);
    d.EndDialog(winlib::kIdOkCommand);
  });
  dialog.DoModal(nullptr, std::nullopt, 0);
  EXPECT_EQ(user_.told, (std::vector<std::string>{"사람이 등록되어 있는 그룹은 삭제할 수 없습니다.",
                                                  "휴대폰의 그룹을 삭제할 수 없습니다."}));
  EXPECT_EQ(user_.asked, (std::vector<std::string>{"그룹을 삭제하시겠습니까?"}));
  EXPECT_FALSE(dialog.changed());
}

TEST_F(GroupListTest, AFullListStaysInsideAndTheButtonsFollowTheSelectionAndTheFreeIds) {
  for (int id = 3; id < core::GroupTable::kMaxGroups; ++id) {
    store_.phoneGroups.insert(named(("WWWWWWWWWW" + std::to_string(id + 10)).c_str(), id));
  }
  CGroupListDlg dialog(store_, phone_, user_, false);
  whenOpen<CGroupListDlg>([](CGroupListDlg &d) {
    EXPECT_THAT(winlib::testing::accessibilityProblems(&d), ::testing::IsEmpty());
    EXPECT_TRUE(d.ContentRect().contains(d.list()->geometry()));
    const int last = d.list()->rowCount() - 1;
    d.list()->selectRow(last);
    EXPECT_TRUE(d.list()->rect().contains(d.list()->AccessibleItemRect(last))) << "scrolled into view";
    EXPECT_EQ(d.button(CGroupListDlg::kAdd)->State(), ButtonState::Disabled) << "all 20 ids are used";
    EXPECT_NE(d.button(CGroupListDlg::kModify)->State(), ButtonState::Disabled);
    d.EndDialog(winlib::kIdOkCommand);
  });
  dialog.DoModal(nullptr, std::nullopt, 0);

  core::CDataStore onlyDefault;
  onlyDefault.phoneGroups.ensureDefaultGroup();
  CGroupListDlg empty(onlyDefault, phone_, user_, false);
  whenOpen<CGroupListDlg>([](CGroupListDlg &d) {
    EXPECT_EQ(d.list()->rowCount(), 0);
    EXPECT_NE(d.button(CGroupListDlg::kAdd)->State(), ButtonState::Disabled);
    EXPECT_EQ(d.button(CGroupListDlg::kModify)->State(), ButtonState::Disabled);
    EXPECT_EQ(d.button(CGroupListDlg::kDelete)->State(), ButtonState::Disabled);
    d.EndDialog(winlib::kIdOkCommand);
  });
  empty.DoModal(nullptr, std::nullopt, 0);
}

TEST_F(GroupListTest, PhoneWritesRunWithTheListAndButtonsDisabled) {
  struct WatchingPhone : testing::FakePhone {
    CGroupListDlg *dialog = nullptr;
    bool listWasEnabled = true;
    bool writeGroup(const core::GroupTable &t, int id, const core::PhoneGroup &g) override {
      listWasEnabled = dialog->list()->isEnabled();
      return FakePhone::writeGroup(t, id, g);
    }
  } phone;
  CGroupListDlg dialog(store_, phone, user_, true);
  phone.dialog = &dialog;
  whenOpen<CGroupListDlg>([](CGroupListDlg &d) {
    d.list()->selectRow(1);
    QTest::keyClick(d.list(), Qt::Key_Delete);
    EXPECT_TRUE(d.list()->isEnabled());
    d.EndDialog(winlib::kIdOkCommand);
  });
  dialog.DoModal(nullptr, std::nullopt, 0);
  ASSERT_EQ(phone.groupWrites.size(), 1u);
  EXPECT_FALSE(phone.listWasEnabled);
  EXPECT_TRUE(phone.groupWrites[0].second.isEmpty()) << "an empty group deletes it on the phone";
}

TEST(DialogUser, ChangesOfSeveralRowsShowTheirProgressAndEscStopsThem) {
  const auto waitWindow = [] {
    winlib::CWaitWindow *found = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
      if (auto *wait = qobject_cast<winlib::CWaitWindow *>(w); wait && wait->isVisible()) {
        found = wait;
      }
    }
    return found;
  };
  DialogUser user;
  user.progress(0, 1);
  EXPECT_EQ(waitWindow(), nullptr) << "one row needs no progress";
  user.progress(1, 3);
  ASSERT_NE(waitWindow(), nullptr);
  EXPECT_EQ(waitWindow()->CountText(), QStringLiteral("1 / 3"));
  EXPECT_THAT(winlib::testing::accessibilityProblems(waitWindow()), ::testing::IsEmpty());
  EXPECT_FALSE(user.cancelRequested());
  QTest::keyClick(waitWindow(), Qt::Key_Escape);
  EXPECT_TRUE(user.cancelRequested());
  user.progress(3, 3);
  EXPECT_EQ(waitWindow(), nullptr);
}

TEST(DialogUser, AsksInTheSuitesMessageBox) {
  DialogUser user;
  whenOpen<winlib::CBmpMessageBox>([](winlib::CBmpMessageBox &box) {
    EXPECT_NE(box.Button(winlib::kIdOk), nullptr);
    QTest::mouseClick(box.Button(winlib::kIdCancel), Qt::LeftButton, {},
                      box.Button(winlib::kIdCancel)->rect().center());
  });
  EXPECT_FALSE(user.ask("그룹을 삭제하시겠습니까?"));
  whenOpen<winlib::CBmpMessageBox>([](winlib::CBmpMessageBox &box) {
    EXPECT_EQ(box.Button(winlib::kIdCancel), nullptr) << "a message has OK only";
    QTest::keyClick(&box, Qt::Key_Return);
  });
  user.tell("같은 이름의 그룹이 있습니다.");
}

} // namespace
} // namespace pdx::features
