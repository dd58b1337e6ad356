#include "masterdata/material.h"

#include <memory>

#include "base/values.h"
#include "masterdata/material_row.h"

namespace tolvar::masterdata {

std::optional<BezugsgroesseTexte> BezugsgroesseBeschriften(int bezug) {
  switch (bezug) {
    case 1:
      return BezugsgroesseTexte{.Option = "Einheiten je Pflanze",
                                .Aufwandmenge = "l/Pflanze",
                                .Kosten = "€/Pflanze",
                                .Kulturliste = "je Pflanze"};
    case 2:
      return BezugsgroesseTexte{.Option = "Einheiten je 1000 Pflanzen",
                                .Aufwandmenge = "l/1000 Pflanzen",
                                .Kosten = "€/1000 Pflanzen",
                                .Kulturliste = "je 1000 Pflanzen"};
    case 3:
      return BezugsgroesseTexte{
          .Option = "Einheiten je Nm²", .Aufwandmenge = "l/Nm²", .Kosten = "€/Nm²", .Kulturliste = "je Nm²"};
    case 4:
      return BezugsgroesseTexte{.Option = "Einheiten je 1000 Nm²",
                                .Aufwandmenge = "l/1000Nm² ",
                                .Kosten = "€/1000Nm²",
                                .Kulturliste = "je 1000 Nm²"};
    default:
      return std::nullopt;
  }
}

MaterialFensterEinrichtung MaterialFensterEinrichten(const std::string& gruppenNr) {
  MaterialFensterEinrichtung e;
  if (gruppenNr == "M1002") {
    e.Wiederverwendung = false;
    e.HilfeThema = "5.3.4";
  } else if (gruppenNr == "M1003") {
    e.Flaechenoptionen = false;
    e.HilfeThema = "5.3.5";
  } else if (gruppenNr == "M1004") {
    e.Wiederverwendung = false;
    e.Aufwandmenge = true;
    e.Rechner = false;
    e.HilfeThema = "5.3.6";
  } else if (gruppenNr == "M1005") {
    e.HilfeThema = "5.3.7";
  } else if (gruppenNr == "M1006") {
    e.HilfeThema = "5.3.8";
  } else if (gruppenNr == "M1009") {
    e.Wiederverwendung = false;
    e.Aufwandmenge = false;
    e.Rechner = false;
    e.Maschinenkosten = true;
    e.HilfeThema = "5.3.9";
  }
  return e;
}

MaterialEingaben MaterialEingabenLaden(const MaterialSatz& m) {
  MaterialEingaben e;
  e.txtName = m.Materialname;
  e.txtKuerzel = m.Kuerzel;
  e.txtCode = base::NumberText(m.Barcode);
  e.txtWdh = m.Wdh;
  e.txtBemerkungen = m.Bemerkungen;
  e.chbAktuell = m.Aktuell;
  if (m.Bezug >= 1 && m.Bezug <= 4) {
    const std::optional<double> preis = base::ParseNumber(m.Preis);
    const std::optional<double> wdh = base::ParseNumber(m.Wdh);
    if (preis && wdh) {
      e.opbBezug = m.Bezug;
      e.txtPreis = base::Format(*preis * *wdh, "0.00");
      e.txtMenge = m.Einheit;
    }
  }
  return e;
}

MaterialSpeicherergebnis MaterialSpeichern(const MaterialKontext& kontext, MaterialEingaben* e) {
  if (auto fokus = GrundfelderVorbereiten({.txtName = &e->txtName,
                                           .txtKuerzel = &e->txtKuerzel,
                                           .txtMenge = &e->txtMenge,
                                           .txtPreis = &e->txtPreis,
                                           .txtWdh = &e->txtWdh})) {
    return {false, *fokus};
  }
  const bool mitBezug = e->opbBezug >= 1 && e->opbBezug <= 4;
  const PreisJeVerwendungErgebnis preis = PreisJeVerwendungPruefen(mitBezug, e->txtMenge, e->txtPreis, e->txtWdh);
  if (!preis.preis) return {false, preis.fokus};

  std::unique_ptr<db::Database> database = MaterialdatenbankOeffnen();
  if (!database) return {false, ""};
  if (!NummerPruefen(*database, e->txtCode, kontext)) return {false, ""};

  MaterialZeile zeile =
      GrundZeile(e->txtCode, kontext.UeberPNr, e->txtName, e->txtKuerzel, e->txtBemerkungen, e->chbAktuell);
  zeile.Wdh = e->txtWdh;
  if (mitBezug) {
    zeile.Bezug = e->opbBezug;
    zeile.Einheit = e->txtMenge;
    zeile.Preis = db::Value(*preis.preis);
  }
  return {MaterialSchreiben(*database, kontext, zeile, {"Material"}), ""};
}

}  // namespace tolvar::masterdata
