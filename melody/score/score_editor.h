// Editing of the current melody: the cursor, the selection, the tools that
// apply to the next entry, the editor's own clipboard, and every operation
// the score window's buttons and keys trigger. The window implements
// ScoreHost to show messages, ask questions and reach the player.
#pragma once

#include "core/base/user_text.h"
#include "melody/file/keys.h"
#include "melody/file/melody.h"
#include "melody/score/note_tools.h"

#include <functional>
#include <optional>
#include <span>
#include <string_view>

namespace pdx::melody {

// Texts the editor shows through its host (UTF-8).
inline constexpr std::string_view kCannotAddMore =
    QT_TRANSLATE_NOOP("pdx::melody::ScoreEditor", "더이상 멜로디를 추가할 수 없습니다.");
inline constexpr std::string_view kOutOfRangeQuestion = QT_TRANSLATE_NOOP(
    "pdx::melody::ScoreEditor", "연주할 수 있는 범위를 벗어나는 음이 있습니다. 계속할까요?");

class ScoreHost {
public:
  virtual ~ScoreHost() = default;
  // True while the player's loop runs; insertions are then ignored.
  virtual bool isPlaying() const = 0;
  // Silences the speaker.
  virtual void silence() = 0;
  // Forgets the player's position and repeat memory (after an edit).
  virtual void rewindPlayer() = 0;
  // A warning with an OK button.
  virtual void showMessage(std::string_view text) = 0;
  // A question with Yes and No buttons; true for Yes.
  virtual bool askYesNo(std::string_view text) = 0;
};

enum class CursorMove { Left, Right, PageUp, PageDown, Home, End };

// How far a page move goes: entries are passed until their widths would
// exceed the visible width (at least one entry moves). Without entryWidth
// every entry is 1 wide, so visibleWidth counts entries.
struct PageMetric {
  int visibleWidth = 1;
  std::function<int(int index)> entryWidth;
};

class ScoreEditor {
public:
  explicit ScoreEditor(ScoreHost &host) : host_(host) {}

  // Edits `melody` from now on (nullptr: none); the cursor goes after its
  // last entry and the selection is removed. The clipboard is kept.
  void setMelody(CMelody *melody);
  CMelody *melody() const { return melody_; }

  int cursor() const { return cursor_; }
  bool hasSelection() const;
  int selectionStart() const { return selStart_; }
  int selectionEnd() const { return selEnd_; }
  int noteTool() const { return noteTool_; }
  bool dotted() const { return dotted_; }
  Accidental accidental() const { return accidental_; }
  bool separateRepeatedNotes() const { return separate_; }
  const CMelody &clipboard() const { return clipboard_; }
  // Duration of the next note: the note tool, dotted when the dotted tool is
  // pressed.
  uint16_t currentDuration() const { return toolDuration(noteTool_, dotted_); }

  // Tools. Choosing the whole note releases the dotted tool.
  void chooseNoteTool(int tool);
  void toggleDotted();
  void setAccidental(Accidental accidental) { accidental_ = accidental; }
  void setSeparateRepeatedNotes(bool on) { separate_ = on; }
  // Feeds every key press of the window: three Ctrl+R in a row toggle the
  // separate-repeated-notes mode.
  void noteKeyPress(bool ctrlR);

  // Inserts `entries` before `position` within the limits (fewer than 498
  // encoded bytes, at most 1024 entries); false when ignored or refused.
  bool InsertEntries(int position, std::span<const NoteEntry> entries);
  // A note picked on the entry staff, adjusted by the accidental and key.
  bool EnterNote(int octave, int semitone);
  // A note of exactly this pitch (the on-screen piano).
  bool EnterPitch(int octave, int semitone);
  bool EnterRest(int restTool);
  bool EnterLeftRepeat() { return insertMark(kLeftRepeat); }
  bool EnterRightRepeat() { return insertMark(kRightRepeat); }
  bool EnterBar() { return insertMark(kBarLine); }

  bool DeleteEntries(int position, int n);
  void Backspace();
  void DeleteForward();
  // Moves the notes of the selection (or all) by `step` semitones, asking
  // first when a note would leave the playable range; false when not done.
  bool Transpose(int step);
  void Copy();
  void Cut();
  void Paste();
  void SelectAll();
  bool SetTempo(int tempo);
  bool SetKey(uint16_t keyId);

  // Puts the cursor before entry `position` and removes the selection.
  void setCursor(int position);
  // Selects [start, end); an empty or invalid range removes the selection.
  void setSelection(int start, int end);
  void moveCursor(CursorMove move, bool shift, const PageMetric &page = {});
  // Shift was released: the next Shift move starts a new selection.
  void releaseShift() { anchor_.reset(); }

private:
  bool insertMark(uint16_t code);
  bool insertNoteCode(uint16_t code);
  // Inserts a thirty-second rest at `position` when it fits; 1 or 0.
  int insertSeparator(int position);
  void clearSelection() { selStart_ = selEnd_ = 0; }
  int count() const { return melody_ ? melody_->count() : 0; }
  int pageTarget(int direction, const PageMetric &page) const;

  ScoreHost &host_;
  CMelody *melody_ = nullptr;
  int cursor_ = 0;
  int selStart_ = 0;
  int selEnd_ = 0;
  std::optional<int> anchor_;
  int noteTool_ = kQuarterNote;
  bool dotted_ = false;
  Accidental accidental_ = Accidental::None;
  bool separate_ = false;
  int ctrlRCount_ = 0;
  CMelody clipboard_;
};

// The encoded length `melody` would have with `block` inserted at
// `position`: the block priced against the note or rest before it, and the
// first note or rest after it re-priced against the block.
int encodedLengthAfterInsert(const CMelody &melody, int position, std::span<const NoteEntry> block);

} // namespace pdx::melody
