#pragma once
// Small helpers shared by the source files of the culture data window.

#include <QColor>
#include <QLineEdit>
#include <QString>

#include <algorithm>
#include <string>

#include "base/values.h"
#include "platform/ui/datecontrols.h"
#include "platform/ui/grid.h"

namespace tolvar::bewegungsdaten {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QLineEdit* box) { return box->text().toStdString(); }

// Paints the cells of rows vonZeile..bisZeile, columns 0..bisSpalte (within the grid).
inline void Einfaerben(ui::Grid* grid, int vonZeile, int bisZeile, int bisSpalte, const QColor& farbe) {
  for (int r = std::max(vonZeile, 0); r <= bisZeile && r < grid->Rows(); ++r) {
    for (int c = 0; c <= bisSpalte && c < grid->Cols(); ++c) grid->SetCellBackColor(r, c, farbe);
  }
}

// Limits the calendar to [von, bis] when that range is not empty (otherwise the limits stay).
inline void KalenderBereich(ui::MonthCalendar* kalender, base::Date von, base::Date bis) {
  if (von > bis) return;
  if (!kalender->SetMinDate(von)) {
    kalender->SetMaxDate(bis);
    kalender->SetMinDate(von);
  } else {
    kalender->SetMaxDate(bis);
  }
}

// Shows `datum` in the calendar, moved into its selectable range when it lies outside.
inline void KalenderZeigen(ui::MonthCalendar* kalender, base::Date datum) {
  datum = std::clamp(datum, kalender->MinDate(), kalender->MaxDate());
  kalender->SetValue(datum);
  kalender->show();
  kalender->raise();
}

}  // namespace tolvar::bewegungsdaten
