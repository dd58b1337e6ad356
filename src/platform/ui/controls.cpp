#include "platform/ui/controls.h"

namespace tolvar::ui {

QString ControlName(const QString& name, int index) {
  return name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

bool ParseControlName(const QString& objectName, QString* name, int* index) {
  const qsizetype open = objectName.indexOf(QLatin1Char('('));
  if (open <= 0 || !objectName.endsWith(QLatin1Char(')'))) return false;
  const QString digits = objectName.mid(open + 1, objectName.size() - open - 2);
  if (digits.isEmpty()) return false;
  for (QChar c : digits) {
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
  }
  bool ok = false;
  const int value = digits.toInt(&ok);
  if (!ok) return false;
  if (name != nullptr) *name = objectName.left(open);
  if (index != nullptr) *index = value;
  return true;
}

}  // namespace tolvar::ui
