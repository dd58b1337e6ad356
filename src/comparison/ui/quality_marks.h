#pragma once
// The comparison windows' quality mark: a bold label in the size the window gives, placed in
// twips, starting with its design caption.

#include <QFont>
#include <QLabel>
#include <QString>

#include "platform/ui/builders.h"

namespace tolvar::comparison::ui {

inline QLabel* Qualitaetszeichen(QWidget* eltern, const QString& name, int left, int top, double punkt) {
  QLabel* zeichen = tolvar::ui::MakeLabel(eltern, name, QStringLiteral("* * *"), left, top, 735, 375);
  QFont schrift = zeichen->font();
  schrift.setBold(true);
  schrift.setPointSizeF(punkt);
  zeichen->setFont(schrift);
  return zeichen;
}

}  // namespace tolvar::comparison::ui
