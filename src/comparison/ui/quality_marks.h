#pragma once
// The comparison windows' quality mark: a bold label in the size the window gives, placed in
// twips (735 wide, `hoehe` high), starting with its design caption.

#include <QFont>
#include <QLabel>
#include <QString>

#include "platform/ui/builders.h"

namespace tolvar::comparison::ui {

inline QLabel* Qualitaetszeichen(QWidget* eltern, const QString& name, int left, int top, double punkt,
                                 int hoehe = 375) {
  QLabel* zeichen = tolvar::ui::MakeLabel(eltern, name, QStringLiteral("* * *"), left, top, 735, hoehe);
  QFont schrift = zeichen->font();
  schrift.setBold(true);
  schrift.setPointSizeF(punkt);
  zeichen->setFont(schrift);
  return zeichen;
}

}  // namespace tolvar::comparison::ui
