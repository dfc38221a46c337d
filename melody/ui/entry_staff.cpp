#include "melody/ui/entry_staff.h"

#include "resources/resource_ids.h"
#include "resources/resource_store.h"
#include "winlib/access/accessibility.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

namespace pdx::melody::ui {

EntryStaff::EntryStaff(NoteInput input, const ScoreGlyphs &glyphs, QWidget *parent)
    : QWidget(parent), input_(std::move(input)), glyphs_(glyphs) {
  setMouseTracking(true);
  winlib::SetAccessibleRole(this, QAccessible::Canvas);
  setAccessibleName(QCoreApplication::translate("pdx::melody::ui", "음표 입력 오선"));
  setToolTip(accessibleName());
}

uint16_t EntryStaff::key() const {
  const CMelody *m = input_.editor->melody();
  return m ? m->key() : 0;
}

std::optional<NaturalNote> EntryStaff::noteAt(QPoint at) const {
  return entryStaffNote(at.x(), at.y(), key());
}

void EntryStaff::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  glyphs_.paintStaff(p, width());
  glyphs_.paintKeySignature(p, key());
  if (!ghost_ || input_.playing()) {
    return;
  }
  const ScoreEditor &e = *input_.editor;
  p.setOpacity(0.5);
  glyphs_.paintNote(p, ghostX(key()), ghostSpelling(*ghost_, e.accidental()), e.currentDuration());
}

void EntryStaff::sound(const NaturalNote &note) {
  const auto adjusted = adjustForKey({note.octave, note.semitone}, input_.editor->accidental(), key());
  if (adjusted) {
    ToneOn(*input_.output, adjusted->octave, adjusted->semitone);
  }
}

void EntryStaff::mousePressEvent(QMouseEvent *event) {
  if (input_.playing() || event->button() != Qt::LeftButton) {
    return;
  }
  pressed_ = true;
  ghost_ = noteAt(event->position().toPoint());
  if (ghost_) {
    sound(*ghost_);
  }
  update();
}

void EntryStaff::mouseMoveEvent(QMouseEvent *event) {
  if (input_.playing()) {
    return;
  }
  const auto note = noteAt(event->position().toPoint());
  const bool changed = note.has_value() != ghost_.has_value() ||
                       (note && (note->octave != ghost_->octave || note->semitone != ghost_->semitone));
  ghost_ = note;
  if (pressed_ && changed) {
    if (note) {
      sound(*note);
    } else {
      ToneOff(*input_.output);
    }
  }
  if (changed) {
    update();
  }
}

void EntryStaff::mouseReleaseEvent(QMouseEvent *event) {
  if (!pressed_) {
    return;
  }
  pressed_ = false;
  ToneOff(*input_.output);
  const auto note = noteAt(event->position().toPoint());
  if (note && !input_.playing() && input_.editor->EnterNote(note->octave, note->semitone)) {
    input_.entered();
  }
  update();
}

void EntryStaff::leaveEvent(QEvent *) {
  if (!pressed_) {
    ghost_.reset();
    update();
  }
}

namespace {

constexpr QPoint kKeyboardOrigin(74, 169);

bool hasBlack(int semitone) {
  const int s = (semitone + 12) % 12;
  return s == 1 || s == 3 || s == 6 || s == 8 || s == 10;
}

// The white key's picture: notched on the side where a black key lies.
int whiteKeyBitmap(const PianoKey &k) {
  const bool below = hasBlack(k.semitone - 1);
  const bool above = hasBlack(k.semitone + 1);
  if (below && above) {
    return resources::kKeyWhiteMiddle;
  }
  return above ? resources::kKeyWhiteLeft : resources::kKeyWhiteRight;
}

} // namespace

PianoKeyboard::PianoKeyboard(NoteInput input, QWidget *parent) : QWidget(parent), input_(std::move(input)) {
  setGeometry(kKeyboardOrigin.x(), kKeyboardOrigin.y(), 413 - 74 + 1, 221 - 169 + 1);
  setMouseTracking(true);
  winlib::SetAccessibleRole(this, QAccessible::Canvas);
  setAccessibleName(QCoreApplication::translate("pdx::melody::ui", "피아노 건반"));
  setToolTip(accessibleName());
}

int PianoKeyboard::keyAt(QPoint at) const {
  const QPoint p = at + kKeyboardOrigin;
  return pianoKeyAt(p.x(), p.y());
}

void PianoKeyboard::paintEvent(QPaintEvent *) {
  QPainter p(this);
  p.translate(-kKeyboardOrigin);
  auto &store = resources::ResourceStore::instance();
  for (int pass = 0; pass < 2; ++pass) {
    // White keys first, then the black keys over them.
    for (size_t i = 0; i < kPianoKeys.size(); ++i) {
      const PianoKey &k = kPianoKeys[i];
      if (k.black != (pass == 1) || k.silent) {
        continue;
      }
      const QRect r(QPoint(k.left, k.top), QPoint(k.right, k.bottom));
      p.drawImage(r.topLeft(), store.image(k.black ? resources::kKeyBlack : whiteKeyBitmap(k)));
      if (static_cast<int>(i) == pressed_) {
        p.fillRect(r, QColor(40, 80, 200, 110));
      } else if (static_cast<int>(i) == hovered_) {
        p.fillRect(r, QColor(90, 140, 230, 60));
      }
    }
  }
}

void PianoKeyboard::press(int key) {
  pressed_ = key;
  const bool sounds = key >= 0 && !kPianoKeys[static_cast<size_t>(key)].silent;
  if (sounds) {
    const PianoKey &k = kPianoKeys[static_cast<size_t>(key)];
    ToneOn(*input_.output, k.octave, k.semitone);
  } else {
    ToneOff(*input_.output);
  }
  update();
}

void PianoKeyboard::mousePressEvent(QMouseEvent *event) {
  if (input_.playing() || event->button() != Qt::LeftButton) {
    return;
  }
  dragging_ = true;
  press(keyAt(event->position().toPoint()));
}

void PianoKeyboard::mouseMoveEvent(QMouseEvent *event) {
  if (input_.playing()) {
    return;
  }
  const int key = keyAt(event->position().toPoint());
  if (dragging_ && key != pressed_) {
    press(key);
  }
  if (key != hovered_) {
    hovered_ = key;
    update();
  }
}

void PianoKeyboard::mouseReleaseEvent(QMouseEvent *event) {
  if (!dragging_) {
    return;
  }
  dragging_ = false;
  pressed_ = -1;
  const int key = keyAt(event->position().toPoint());
  if (key >= 0 && !kPianoKeys[static_cast<size_t>(key)].silent && !input_.playing()) {
    const PianoKey &k = kPianoKeys[static_cast<size_t>(key)];
    if (input_.editor->EnterPitch(k.octave, k.semitone)) {
      input_.entered();
    }
  }
  ToneOff(*input_.output);
  update();
}

void PianoKeyboard::leaveEvent(QEvent *) {
  hovered_ = -1;
  update();
}

} // namespace pdx::melody::ui
