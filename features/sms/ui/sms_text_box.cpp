#include "features/sms/ui/sms_text_box.h"

#include "core/base/cp949.h"
#include "features/common/symbol_grid.h"
#include "resources/fonts.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>

namespace pdx::features {

namespace {

int byteCount(const QString &text) {
  return static_cast<int>(text::fromUtf8(text.toStdString()).size());
}

} // namespace

QString bytesLeftText(int left) {
  return QCoreApplication::translate("pdx::sms", "남은 글자 : %1").arg(left);
}

SmsTextBox::SmsTextBox(QWidget *parent, int limit) : QPlainTextEdit(parent), limit_(limit) {
  setFont(resources::dialogFont());
  setTabChangesFocus(true);
  setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; }"));
  connect(this, &QPlainTextEdit::textChanged, this, [this] { enforceLimit(); });
}

std::string SmsTextBox::bytes() const {
  return text::fromUtf8(toPlainText().toStdString());
}

void SmsTextBox::setBytes(const std::string &cp949) {
  setPlainText(QString::fromStdString(text::toUtf8(cp949)));
}

int SmsTextBox::bytesLeft() const {
  return limit_ - byteCount(toPlainText());
}

void SmsTextBox::insertSymbol(int index) {
  const std::string symbol = symbolBytes(index);
  if (!symbol.empty()) {
    insertPlainText(QString::fromStdString(text::toUtf8(symbol)));
  }
}

void SmsTextBox::keyPressEvent(QKeyEvent *event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Escape) {
    return event->ignore();
  }
  QPlainTextEdit::keyPressEvent(event);
}

void SmsTextBox::enforceLimit() {
  if (fixing_) {
    return;
  }
  QString text = toPlainText();
  const bool breaks = text.contains(QLatin1Char('\n'));
  text.replace(QLatin1Char('\n'), QLatin1Char(' '));
  const bool fits = byteCount(text) <= limit_;
  if (breaks || !fits) {
    fixing_ = true;
    // A refused input leaves the caret where it was before it.
    const int inserted = fits ? 0 : static_cast<int>(text.size() - accepted_.size());
    const int caret = textCursor().position() - inserted;
    setPlainText(fits ? text : accepted_);
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(caret, 0, static_cast<int>(toPlainText().size())));
    setTextCursor(cursor);
    fixing_ = false;
  }
  accepted_ = toPlainText();
  Q_EMIT bytesLeftChanged(bytesLeft());
}

} // namespace pdx::features
