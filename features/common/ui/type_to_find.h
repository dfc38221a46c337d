// Type to jump: letters typed into a list (by key or through an input
// method, so Hangul consonants and syllables arrive too) gather into a
// query that is handed, as code page 949, to a callback that selects the
// first match. A pause of more than a second, or any other key, starts a
// new query.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <functional>
#include <string>

class QWidget;

namespace pdx::features {

class TypeToFind : public QObject {
public:
  using Find = std::function<void(const std::string &query)>;

  // Watches `list` (and is owned by it).
  TypeToFind(QWidget *list, Find find);

  const QString &query() const { return typed_; }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  void add(const QString &committed, const QString &composing);

  Find find_;
  QString typed_;
  QElapsedTimer sinceLast_;
};

} // namespace pdx::features
