// The animation editor's commands: their numbers, the keys that send them,
// the tool each tool button selects and the help text the status line shows
// while the mouse is over a button.
#pragma once

#include <optional>

namespace pdx::animation {

enum EditorCommand : int {
  kCmdExit = 4600,
  kCmdHelp = 4601,
  kCmdNewFile = 4602,
  kCmdOpen = 4603,
  kCmdSave = 4604,
  kCmdNewAnimation = 4605,
  kCmdRename = 4606,
  kCmdDelete = 4607,
  kCmdPlay = 4608,
  kCmdStop = 4609,
  kCmdImport = 4611,
  kCmdUndo = 4612,
  kCmdRedo = 4613,
  kCmdCopy = 4614,
  kCmdCut = 4615,
  kCmdPaste = 4616,
  kCmdToolRectangle = 4620,
  kCmdToolEllipse = 4621,
  kCmdToolPoint = 4622,
  kCmdToolLine = 4624,
  kCmdToolFill = 4626,
  kCmdToolText = 4627,
  kCmdToolSelect = 4628,
  kCmdToolSpray = 4629,
  // Keys without a button.
  kCmdSelectAll = 4690,
  kCmdDeleteBlock = 4691,
  kCmdClearSelection = 4692,
};

// Keys as the window reads them: a capital letter, or one of these.
inline constexpr int kKeyDelete = 0x7F;
inline constexpr int kKeyEscape = 0x1B;

// The command a key sends with the Control and Shift keys as given, or
// nothing (a letter without Control sends nothing).
std::optional<int> commandForKey(int key, bool control, bool shift);

// The tool number a tool command selects, or nothing for other commands.
std::optional<int> toolOfCommand(int command);
// The tool command of a tool number, or nothing.
std::optional<int> commandOfTool(int tool);
// The tool commands from top to bottom as the buttons stand.
inline constexpr int kToolCommands[] = {kCmdToolSelect,  kCmdToolPoint, kCmdToolLine,  kCmdToolRectangle,
                                        kCmdToolEllipse, kCmdToolFill,  kCmdToolSpray, kCmdToolText};

// The status line's help text of a button (UTF-8), or nullptr.
const char *buttonHelpText(int command);

} // namespace pdx::animation
