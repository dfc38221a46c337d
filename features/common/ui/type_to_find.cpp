#include "features/common/ui/type_to_find.h"

#include "core/base/cp949.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QWidget>

namespace pdx::features {

namespace {

constexpr qint64 kPauseMs = 1000;

bool isTyping(const QKeyEvent &key) {
  const QString text = key.text();
  return !text.isEmpty() && text.at(0).isPrint() && !text.at(0).isSpace() &&
         (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
}

} // namespace

TypeToFind::TypeToFind(QWidget *list, Find find) : QObject(list), find_(std::move(find)) {
  list->setAttribute(Qt::WA_InputMethodEnabled);
  list->installEventFilter(this);
}

bool TypeToFind::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::KeyPress) {
    const auto &key = static_cast<const QKeyEvent &>(*event);
    if (isTyping(key)) {
      add(key.text(), {});
      return true;
    }
    typed_.clear(); // moving in the list ends the search

  } else if (event->type() == QEvent::InputMethod) {
    const auto &im = static_cast<const QInputMethodEvent &>(*event);
    add(im.commitString(), im.preeditString());
    return true;
  }
  return QObject::eventFilter(watched, event);
}

// `composing` is the syllable an input method is still building: it counts
// for this search but is replaced by what the method finally commits.
void TypeToFind::add(const QString &committed, const QString &composing) {
  if (!sinceLast_.isValid() || sinceLast_.elapsed() > kPauseMs) {
    typed_.clear();
  }
  sinceLast_.start();
  typed_ += committed;
  const QString query = typed_ + composing;
  if (!query.isEmpty()) {
    find_(text::fromUtf8(query.toStdString()));
  }
}

} // namespace pdx::features
