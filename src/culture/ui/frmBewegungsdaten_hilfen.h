#pragma once
// Small helpers shared by the source files of the culture data window.

#include <QColor>
#include <QLineEdit>
#include <algorithm>
#include <string>

#include "base/values.h"
#include "culture/mdlKulturPhasenInfo_regeln.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/datecontrols.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"

namespace tolvar::culture::ui {

// Phase n (1-based) of the loaded culture; null outside the list.
inline const PhasenSatz* Phase(int n) {
  const tolvar::State& s = state();
  return n < 1 ? nullptr : At(s.culture.PhasenListe, n);
}

// Adds the culture's phases to a phase tree; the last one added becomes the current node.
inline void PhasenBaumFuellen(tolvar::ui::KeyedTree* baum) {
  tolvar::State& s = state();
  for (int n : mdlKulturPhasenInfo::PhasenBaumSlots(s.culture)) {
    const PhasenSatz& p = s.culture.PhasenListe[static_cast<std::size_t>(n)];
    if (baum->Add(QString(), tolvar::ui::Q(p.KP_ID), tolvar::ui::Q(p.Phasennamen))) s.windows.AktuellerKnoten = p.KP_ID;
  }
}

// Paints the cells of rows vonZeile..bisZeile, columns 0..bisSpalte (within the grid).
inline void Einfaerben(tolvar::ui::Grid* grid, int vonZeile, int bisZeile, int bisSpalte, const QColor& farbe) {
  for (int r = std::max(vonZeile, 0); r <= bisZeile && r < grid->Rows(); ++r) {
    for (int c = 0; c <= bisSpalte && c < grid->Cols(); ++c) grid->SetCellBackColor(r, c, farbe);
  }
}

// Limits the calendar to [von, bis] when that range is not empty (otherwise the limits stay).
inline void KalenderBereich(tolvar::ui::MonthCalendar* kalender, base::Date von, base::Date bis) {
  if (von > bis) return;
  if (!kalender->SetMinDate(von)) {
    kalender->SetMaxDate(bis);
    kalender->SetMinDate(von);
  } else {
    kalender->SetMaxDate(bis);
  }
}

// Shows `datum` in the calendar, moved into its selectable range when it lies outside.
inline void KalenderZeigen(tolvar::ui::MonthCalendar* kalender, base::Date datum) {
  datum = std::clamp(datum, kalender->MinDate(), kalender->MaxDate());
  kalender->SetValue(datum);
  kalender->show();
  kalender->raise();
}

// The boxes a mode shows a phase in; a null box has no place in that mode.
struct Phasenboxen {
  QLineEdit* name = nullptr;
  QLineEdit* menge = nullptr;
  QLineEdit* beginn = nullptr;
  QLineEdit* ende = nullptr;
  QLineEdit* tt = nullptr;
  QLineEdit* nt = nullptr;
  QLineEdit* licht = nullptr;
  QLineEdit* dauer = nullptr;
  QLineEdit* flaeche = nullptr;
};

// Shows a phase in the boxes; a "0" field or a zero date leaves its box as it is.
inline void PhaseZeigen(const PhasenSatz& p, const Phasenboxen& b) {
  const auto setze = [](QLineEdit* box, const std::string& wert) {
    if (box != nullptr && wert != "0") box->setText(tolvar::ui::Q(wert));
  };
  const auto datum = [](QLineEdit* box, base::Date wert) {
    if (box != nullptr && wert != base::kZeroDate) box->setText(tolvar::ui::Q(base::DateText(wert)));
  };
  setze(b.name, p.Phasennamen);
  setze(b.menge, p.AnzahlPflanzen);
  datum(b.beginn, p.Anfang);
  datum(b.ende, p.Ende);
  setze(b.tt, p.TT);
  setze(b.nt, p.NT);
  setze(b.licht, p.Intensitaet);
  setze(b.dauer, p.Dauer);
  setze(b.flaeche, p.Flaeche);
}

}  // namespace tolvar::culture::ui
