#include "winlib/help/ui/help_view.h"

#include "winlib/help/ui/stream_topic.h"

#include <QCoreApplication>
#include <QPalette>
#include <QTextEdit>

namespace pdx::winlib {

QTextEdit *createHelpView(QWidget &parent, const QRect &rect, int topic) {
  auto *view = new QTextEdit(&parent);
  view->setObjectName(QString::number(kHelpViewId));
  view->setGeometry(rect);
  view->setReadOnly(true);
  view->setAccessibleName(QCoreApplication::translate("pdx::winlib::Help", "도움말 내용"));
  view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  view->setLineWrapMode(QTextEdit::WidgetWidth);
  view->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  QPalette palette = view->palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  view->setPalette(palette);
  view->document()->setDocumentMargin(3);
  (void)StreamTopic(*view, topic);
  view->show();
  return view;
}

} // namespace pdx::winlib
