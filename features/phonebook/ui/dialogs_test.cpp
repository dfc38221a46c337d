#include "core/base/cp949.h"
#include "features/common/ui/symbol_palette.h"
#include "features/common/ui/text_fields.h"
#include "features/groups/group_editor.h"
#include "features/groups/ui/dialog_testing.h"
#include "features/phonebook/phonebook_fakes.h"
#include "features/phonebook/ui/compare_dlg.h"
#include "features/phonebook/ui/entry_dlg.h"
#include "features/phonebook/ui/find_dlg.h"
#include "winlib/bmp_button.h"
#include "winlib/testing/accessibility_check.h"
#include "winlib/testing/type_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <gmock/gmock.h>

namespace pdx::features {
namespace {

using testing::clickSymbol;
using testing::whenOpen;
using text::fromUtf8;
using winlib::ButtonState;
using winlib::testing::typeText;

class EntryDialogTest : public ::testing::Test {
protected:
  void SetUp() override {
    store_.phoneGroups.ensureDefaultGroup();
    store_.phoneGroups.addGroup(fromUtf8("친구"), 0);
  }
  int run(CEntryDlg &dialog, std::function<void(CEntryDlg &)> steps) {
    whenOpen<CEntryDlg>(std::move(steps));
    return dialog.DoModal(nullptr, std::nullopt, 0);
  }
  core::CDataStore store_;
  testing::FakePhone phone_;
  testing::FakeUser user_;
  GroupEditor groups_{store_, phone_, user_, true};
};

TEST_F(EntryDialogTest, OkNeedsANameAndANumberAndNumbersRefuseLetters) {
  CEntryDlg dialog(groups_, EntryForm(), {true, true});
  const int result = run(dialog, [](CEntryDlg &d) {
    EXPECT_EQ(d.focusWidget(), d.nameEdit()) << "the dialog opens where the user types first";
    EXPECT_THAT(winlib::testing::accessibilityProblems(&d), ::testing::IsEmpty());
    EXPECT_EQ(d.okButton()->State(), ButtonState::Disabled);
    typeText(d.nameEdit(), QStringLiteral("홍길동"));
    EXPECT_EQ(d.okButton()->State(), ButtonState::Disabled) << "a name alone is not enough";
    QTest::keyClicks(d.numberEdit(2), "011-12a3#*p");
    typeText(d.numberEdit(2), QStringLiteral("가"));
    EXPECT_EQ(d.numberEdit(2)->text(), QStringLiteral("011-123#*p"));
    EXPECT_NE(d.okButton()->State(), ButtonState::Disabled);
    EXPECT_TRUE(d.phoneBox()->isChecked());
    EXPECT_EQ(d.groupBox()->itemText(0), QStringLiteral("[지정안됨]"));
    QTest::keyClick(d.numberEdit(2), Qt::Key_Return);
  });
  ASSERT_EQ(result, winlib::kIdOkCommand);
  EXPECT_EQ(dialog.form().name, fromUtf8("홍길동"));
  EXPECT_EQ(dialog.form().numbers[2], "011-123#*p");
  EXPECT_TRUE(dialog.form().storeOnPhone);
}

TEST_F(EntryDialogTest, SymbolsEnterTheNameAndSixteenBytesIsTheLimit) {
  CEntryDlg dialog(groups_, EntryForm(), {false, false});
  run(dialog, [](CEntryDlg &d) {
    EXPECT_FALSE(d.phoneBox()->isEnabled());
    typeText(d.nameEdit(), QStringLiteral("가나다라마바사"));
    clickSymbol(d.palette(), 3);
    EXPECT_EQ(d.nameEdit()->bytes(), fromUtf8("가나다라마바사") + "\xC9\xA4");
    clickSymbol(d.palette(), 0);
    EXPECT_EQ(d.nameEdit()->bytes().size(), 16u) << "the ninth double-byte character does not fit";
    d.EndDialog(winlib::kIdCancelCommand);
  });
}

TEST_F(EntryDialogTest, ATypedUnknownGroupIsCreatedOrKeepsTheDialogOpen) {
  CEntryDlg dialog(groups_, EntryForm(), {false, false});
  const int result = run(dialog, [this](CEntryDlg &d) {
    typeText(d.nameEdit(), QStringLiteral("홍길동"));
    QTest::keyClicks(d.numberEdit(0), "021234");
    d.groupBox()->setEditText(QStringLiteral("동창"));
    user_.answer = false;
    d.OnCommand(winlib::kIdOkCommand, winlib::kNotifyCommand);
    EXPECT_TRUE(d.IsRunning()) << "Cancel on the question keeps the dialog open";
    user_.answer = true;
    d.OnCommand(winlib::kIdOkCommand, winlib::kNotifyCommand);
  });
  ASSERT_EQ(result, winlib::kIdOkCommand);
  EXPECT_EQ(user_.asked.size(), 2u);
  EXPECT_EQ(user_.asked[0], "해당하는 그룹이 없습니다. 새로 만들까요?");
  const int at = store_.phoneGroups.findByName(fromUtf8("동창"));
  ASSERT_GE(at, 0);
  EXPECT_EQ(dialog.form().group, store_.phoneGroups[static_cast<size_t>(at)].id);
  EXPECT_EQ(phone_.groupWrites.size(), 1u) << "connected: the group goes to the phone first";
}

TEST_F(EntryDialogTest, GroupOnlyModeHasAThreeStatePhoneBoxAndAlwaysAllowsOk) {
  CEntryDlg dialog(groups_, std::optional<int>(), {true, std::nullopt});
  const int result = run(dialog, [](CEntryDlg &d) {
    EXPECT_FALSE(d.nameEdit()->isEnabled());
    EXPECT_EQ(d.phoneBox()->checkState(), Qt::PartiallyChecked);
    EXPECT_TRUE(d.groupBox()->currentText().isEmpty()) << "the entries' groups differ";
    EXPECT_NE(d.okButton()->State(), ButtonState::Disabled);
    d.OnCommand(winlib::kIdOkCommand, winlib::kNotifyCommand);
  });
  ASSERT_EQ(result, winlib::kIdOkCommand);
  EXPECT_FALSE(dialog.groupForm().group.has_value());
  EXPECT_FALSE(dialog.groupForm().storeOnPhone.has_value());
}

TEST(CompareDialog, EachAnswerEndsTheDialogByClickOrDigitAndEscapeDoesNot) {
  const Conflict conflict{"홍길동의 집 전화번호가 PC와 휴대폰에 다르게 입력되어 있습니다.", "021", "022"};
  for (int i = 0; i < 4; ++i) {
    CCompareDlg dialog(conflict);
    whenOpen<CCompareDlg>([i](CCompareDlg &d) {
      QTest::keyClick(&d, Qt::Key_Escape);
      QTest::keyClick(&d, Qt::Key_5);
      EXPECT_TRUE(d.IsRunning());
      auto *button = d.answerButton(static_cast<MergeChoice>(i));
      if (i % 2 == 0) {
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
      } else {
        QTest::keyClick(&d, static_cast<Qt::Key>(Qt::Key_1 + i));
      }
    });
    const int result = dialog.DoModal(nullptr, std::nullopt, 0);
    EXPECT_EQ(CCompareDlg::choiceOf(result), static_cast<MergeChoice>(i));
  }
  CCompareDlg compare({"x", "1", "2"});
  whenOpen<CCompareDlg>([](CCompareDlg &d) {
    EXPECT_THAT(winlib::testing::accessibilityProblems(&d), ::testing::IsEmpty());
    QTest::keyClick(d.focusWidget(), Qt::Key_Return);
  });
  EXPECT_EQ(CCompareDlg::choiceOf(compare.DoModal(nullptr, std::nullopt, 0)), MergeChoice::PcToPhone);
}

TEST(CompareDialog, TheResolverCentresTheDialogOnTheScreen) {
  DialogResolver resolver(nullptr);
  QPoint centre;
  whenOpen<CCompareDlg>([&centre](CCompareDlg &d) {
    centre = d.geometry().center();
    d.OnCommand(CCompareDlg::kFirstAnswer + 3, winlib::kNotifyCommand);
  });
  EXPECT_EQ(resolver.resolve({"x", "1", "2"}), MergeChoice::AlwaysPhoneToPc);
  EXPECT_LE((centre - QGuiApplication::primaryScreen()->availableGeometry().center()).manhattanLength(), 2);
}

TEST(FindDialog, StartsWithTheLastTextsAndHandsBackTheNewOnes) {
  CFindDlg dialog(fromUtf8("홍"), "011");
  whenOpen<CFindDlg>([](CFindDlg &d) {
    EXPECT_EQ(d.focusWidget(), d.nameEdit());
    EXPECT_THAT(winlib::testing::accessibilityProblems(&d), ::testing::IsEmpty());
    EXPECT_EQ(d.nameEdit()->text(), QStringLiteral("홍"));
    EXPECT_EQ(d.numberEdit()->text(), QStringLiteral("011"));
    d.numberEdit()->clear();
    QTest::keyClicks(d.numberEdit(), "x017");
    QTest::keyClick(d.numberEdit(), Qt::Key_Return);
  });
  ASSERT_EQ(dialog.DoModal(nullptr, std::nullopt, 0), winlib::kIdOkCommand);
  EXPECT_EQ(dialog.name(), fromUtf8("홍"));
  EXPECT_EQ(dialog.number(), "017");
}

} // namespace
} // namespace pdx::features
