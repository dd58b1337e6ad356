#include "platform/ui/keyfilters.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

#include "platform/ui/prompts.h"

namespace tolvar::ui {

namespace {

bool IsEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

// Keys that type no character into the box, or only edit it as a person expects.
bool TypesNothing(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
      event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Undo) ||
      event->matches(QKeySequence::Redo)) {
    return true;
  }
  if (event->matches(QKeySequence::Paste)) return false;
  switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
      return true;
    default:
      break;
  }
  // Arrows, Home, End, function keys and modifiers alone type nothing.
  return event->text().isEmpty();
}

bool IsNumericCharacter(const QString& text) {
  if (text.size() != 1) return false;
  const QChar c = text.front();
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(',');
}

class EnterMovesOnFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    if (!IsEnter(static_cast<QKeyEvent*>(event))) return false;
    FocusNextControl(static_cast<QWidget*>(watched));
    return true;
  }
};

class NumericFilter : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (IsEnter(key)) {
      FocusNextControl(static_cast<QWidget*>(watched));
      return true;
    }
    if (key->key() == Qt::Key_Backspace || TypesNothing(key)) return false;
    if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == 0 && IsNumericCharacter(key->text())) {
      return false;
    }
    Beep();
    return true;
  }
};

}  // namespace

void InstallNumericFilter(QLineEdit* edit) {
  if (edit == nullptr) return;
  edit->installEventFilter(new NumericFilter(edit));
}

void InstallEnterMovesOn(QWidget* widget) {
  if (widget == nullptr) return;
  widget->installEventFilter(new EnterMovesOnFilter(widget));
}

int KeyAscii(const QKeyEvent& event) {
  if (IsEnter(&event)) return 13;
  if (event.key() == Qt::Key_Backspace) return 8;
  if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab || event.key() == Qt::Key_Escape) return 0;
  if ((event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0) return 0;
  const QString text = event.text();
  if (text.size() != 1 || text.front().unicode() < 32 || text.front().unicode() == 127) return 0;
  return text.front().unicode();
}

void FocusNextControl(QWidget* widget) {
  if (widget == nullptr) return;
  // Tab's own path: the widget's window moves the focus along the tab order.
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &tab);
}

}  // namespace tolvar::ui
