#include "animation/editor/editor_commands.h"
#include "animation/editor/import_preview.h"

#include <gtest/gtest.h>

namespace pdx::animation {
namespace {

TEST(EditorCommands, Keys) {
  struct Case {
    int key;
    bool control, shift;
    std::optional<int> command;
  };
  const Case cases[] = {
      {'Z', true, false, kCmdUndo},
      {'Z', true, true, kCmdRedo},
      {'Z', false, false, std::nullopt},
      {'N', true, false, kCmdNewFile},
      {'N', true, true, kCmdNewAnimation},
      {'I', true, false, kCmdImport},
      {'A', true, false, kCmdSelectAll},
      {'Q', true, false, std::nullopt},
      {kKeyDelete, false, false, kCmdDeleteBlock},
      {kKeyEscape, false, false, kCmdClearSelection},
  };
  for (const Case &c : cases) {
    EXPECT_EQ(commandForKey(c.key, c.control, c.shift), c.command) << c.key << c.control << c.shift;
  }
}

TEST(EditorCommands, EveryToolButtonSelectsItsToolAndHasItsHelp) {
  for (int command : kToolCommands) {
    const std::optional<int> tool = toolOfCommand(command);
    ASSERT_TRUE(tool);
    EXPECT_EQ(commandOfTool(*tool), command);
    EXPECT_NE(buttonHelpText(command), nullptr);
  }
  EXPECT_FALSE(toolOfCommand(kCmdSave));
  EXPECT_FALSE(commandOfTool(5));
  EXPECT_STREQ(buttonHelpText(kCmdToolLine), "선을 긋습니다. 왼쪽버튼은 검은색 오른쪽 버튼은 흰색입니다.");
}

TEST(ImportPreview, OriginalIsScaledDownKeepingItsShapeButNeverEnlarged) {
  struct Case {
    int w, h, fittedW, fittedH;
  };
  for (const Case c : {Case{100, 50, 100, 50}, Case{4000, 3000, 161, 121}, Case{3000, 4000, 90, 121},
                       Case{1000, 100, 211, 21}, Case{0, 10, 0, 0}}) {
    const PreviewSize got = fitInside(c.w, c.h, 211, 121);
    EXPECT_EQ(got.width, c.fittedW) << c.w << "x" << c.h;
    EXPECT_EQ(got.height, c.fittedH) << c.w << "x" << c.h;
  }
}

TEST(ImportPreview, SamplesTheImageFromTheTop) {
  CImportImage image;
  ASSERT_TRUE(image.allocate(4, 2));
  const uint8_t red[] = {255, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0};
  image.setRowFromTop(0, red, 3);
  const std::vector<uint32_t> pixels = sampleImage(image, {2, 2});
  EXPECT_EQ(pixels, (std::vector<uint32_t>{0xFFFF0000, 0xFFFF0000, 0xFF000000, 0xFF000000}));
}

} // namespace
} // namespace pdx::animation
