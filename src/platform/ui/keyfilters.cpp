#include "platform/ui/keyfilters.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QStringList>
#include <QValidator>
#include <algorithm>
#include <utility>

#include "platform/ui/prompts.h"

namespace tolvar::ui {

namespace {

bool IsEnter(const QKeyEvent* event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

// The paste keys: the box pastes the clipboard, and its check takes or refuses the text whole
// as for the context menu's "Einfügen".
bool IsPasteKey(QKeyEvent* event) {
  return event->matches(QKeySequence::Paste) ||
         (event->key() == Qt::Key_Insert && (event->modifiers() & Qt::ShiftModifier) != 0);
}

// Keys that type no character into the box, or only edit it as a person expects.
bool TypesNothing(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut) ||
      event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Undo) ||
      event->matches(QKeySequence::Redo)) {
    return true;
  }
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

// A character the rule takes; control characters (a line break inside a text) never pass.
bool Takes(const KeyRule& rule, QChar c) { return c.unicode() >= 32 && c.unicode() != 127 && rule.character(c); }

// Whether a box that holds `before` characters may hold `after` characters: a box the program
// filled beyond the limit may still lose characters.
bool FitsLength(const KeyRule& rule, qsizetype after, qsizetype before) {
  return rule.maxLength <= 0 || after <= rule.maxLength || after <= before;
}

bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// `text` without blanks and one line break at each of its ends.
QString TrimEnds(const QString& text) {
  qsizetype begin = 0;
  qsizetype end = text.size();
  const auto blanks = [&] {
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
  };
  blanks();
  if (begin < end && text[begin] == QLatin1Char('\r')) ++begin;
  if (begin < end && text[begin] == QLatin1Char('\n')) ++begin;
  if (end > begin && text[end - 1] == QLatin1Char('\n')) --end;
  if (end > begin && text[end - 1] == QLatin1Char('\r')) --end;
  blanks();
  return text.mid(begin, end - begin);
}

// Checks the text that enters the box by any way the box offers (typing, paste, drop) against
// its rule. The box asks it for every change; the part of the new text that is not the held
// text is what enters.
class EnteringText : public QValidator {
 public:
  EnteringText(QLineEdit* box, KeyRule rule)
      : QValidator(box), m_box(box), m_rule(std::move(rule)), m_held(box->text()) {
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) {
      if (!m_earlier.contains(m_held)) m_earlier.append(m_held);
      m_held = text;
    });
  }

  const KeyRule& Rule() const { return m_rule; }

  State validate(QString& input, int& pos) const override {
    if (input == m_held) return Acceptable;
    // setText clears the box's undo steps before it asks: the program's own text always stands.
    if (!m_box->isUndoAvailable()) {
      m_earlier.clear();
      return Acceptable;
    }
    // Undo and redo bring back a text the box held since then; they cannot be refused.
    if (m_earlier.contains(input)) return Acceptable;
    const qsizetype shorter = std::min(input.size(), m_held.size());
    qsizetype prefix = 0;
    while (prefix < shorter && input[prefix] == m_held[prefix]) ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && input[input.size() - 1 - suffix] == m_held[m_held.size() - 1 - suffix]) {
      ++suffix;
    }
    const QString entered = input.mid(prefix, input.size() - prefix - suffix);
    const QString trimmed = TrimEnds(entered);
    const bool characters = std::all_of(trimmed.begin(), trimmed.end(), [this](QChar c) { return Takes(m_rule, c); });
    const qsizetype after = input.size() - entered.size() + trimmed.size();
    if (!characters || !FitsLength(m_rule, after, m_held.size())) {
      Beep();
      return Invalid;
    }
    if (trimmed != entered) {
      input = input.left(prefix) + trimmed + input.right(suffix);
      pos = static_cast<int>(prefix + trimmed.size());
    }
    return Acceptable;
  }

 private:
  QLineEdit* m_box;
  KeyRule m_rule;
  QString m_held;                 // the text the box holds, as its last change left it
  mutable QStringList m_earlier;  // the texts it held before, since the program last set one
};

// The keys of a filtered box. `strict` (the numeric filter) also moves on at Enter and drops
// Ctrl and Alt combinations other than the editing ones.
class KeyFilter : public QObject {
 public:
  KeyFilter(QLineEdit* box, bool strict) : QObject(box), m_box(box), m_strict(strict) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || watched != m_box) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (IsEnter(key)) {
      if (!m_strict) return false;
      FocusNextControl(m_box);
      return true;
    }
    if (IsPasteKey(key) || key->key() == Qt::Key_Backspace || TypesNothing(key)) return false;
    const bool modified = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
    if (modified && !m_strict) return false;
    const QString text = key->text();
    const KeyRule* rule = KeyRuleOf(m_box);
    if (!modified && text.size() == 1 && rule != nullptr && Takes(*rule, text.front())) {
      const qsizetype before = m_box->text().size();
      if (FitsLength(*rule, before - m_box->selectedText().size() + 1, before)) return false;
    }
    Beep();
    return true;
  }

 private:
  QLineEdit* m_box;
  bool m_strict;
};

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

void Install(QLineEdit* box, KeyRule rule, bool strict) {
  if (box == nullptr || !rule.character) return;
  // The box's own limit would cut a longer text silently: the rule refuses it whole instead.
  constexpr int kNoLimit = 32767;
  if (box->maxLength() < kNoLimit) {
    if (rule.maxLength <= 0 || box->maxLength() < rule.maxLength) rule.maxLength = box->maxLength();
    box->setMaxLength(kNoLimit);
  }
  box->setValidator(new EnteringText(box, std::move(rule)));
  box->installEventFilter(new KeyFilter(box, strict));
}

}  // namespace

bool IsNumberCharacter(QChar c) { return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char(','); }

bool IsDateCharacter(QChar c) { return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.'); }

void InstallKeyFilter(QLineEdit* box, KeyRule rule) { Install(box, std::move(rule), false); }

const KeyRule* KeyRuleOf(const QLineEdit* box) {
  const auto* check = box == nullptr ? nullptr : dynamic_cast<const EnteringText*>(box->validator());
  return check == nullptr ? nullptr : &check->Rule();
}

void InstallNumericFilter(QLineEdit* edit) { Install(edit, NumberRule(), true); }

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
