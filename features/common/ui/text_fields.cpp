#include "features/common/ui/text_fields.h"

#include "core/base/cp949.h"
#include "features/common/symbol_grid.h"

namespace pdx::features {

namespace {

bool allowedInNumber(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x20) {
    return true; // control characters are the edit's own keys
  }
  return (u >= '0' && u <= '9') || u == '-' || u == '#' || u == '*' || u == 'p' || u == 'P';
}

} // namespace

ByteLimitValidator::ByteLimitValidator(int limit, Filter filter, QObject *parent)
    : QValidator(parent), limit_(limit), filter_(filter) {}

QValidator::State ByteLimitValidator::validate(QString &input, int &) const {
  if (filter_ == PhoneNumber && !std::all_of(input.begin(), input.end(), allowedInNumber)) {
    return Invalid;
  }
  return static_cast<int>(text::fromUtf8(input.toStdString()).size()) <= limit_ ? Acceptable : Invalid;
}

ByteLimitedEdit::ByteLimitedEdit(QWidget *parent, int limit, ByteLimitValidator::Filter filter)
    : QLineEdit(parent) {
  setValidator(new ByteLimitValidator(limit, filter, this));
}

std::string ByteLimitedEdit::bytes() const {
  return text::fromUtf8(text().toStdString());
}

void ByteLimitedEdit::setBytes(const std::string &cp949) {
  setText(QString::fromStdString(text::toUtf8(cp949)));
}

void ByteLimitedEdit::insertSymbol(int index) {
  const std::string bytes = symbolBytes(index);
  if (!bytes.empty()) {
    insert(QString::fromStdString(text::toUtf8(bytes)));
  }
}

} // namespace pdx::features
