// Edit fields limited in code page 949 bytes, as the records hold them: a
// symbol or a Hangul syllable counts two bytes.
#pragma once

#include <QLineEdit>
#include <QValidator>
#include <string>

namespace pdx::features {

class ByteLimitValidator : public QValidator {
public:
  enum Filter { AnyText, PhoneNumber };
  ByteLimitValidator(int limit, Filter filter, QObject *parent);
  State validate(QString &input, int &pos) const override;

private:
  int limit_;
  Filter filter_;
};

// A line edit whose text is at most `limit` bytes of code page 949; with
// the phone-number filter it refuses printable characters other than the
// digits and '-', '#', '*', 'p', 'P'.
class ByteLimitedEdit : public QLineEdit {
public:
  ByteLimitedEdit(QWidget *parent, int limit,
                  ByteLimitValidator::Filter filter = ByteLimitValidator::AnyText);

  // The text as code page 949 bytes.
  std::string bytes() const;
  void setBytes(const std::string &cp949);
  // Inserts symbol `index` at the caret (replacing a selection) when it fits.
  void insertSymbol(int index);
};

} // namespace pdx::features
