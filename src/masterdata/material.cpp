#include "masterdata/material.h"

#include <memory>

#include "base/values.h"
#include "data/mdlFehler.h"
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
  if (e->txtName.empty()) {
    mdlFehler::MeldungNameFehlt();
    return {false, "txtName"};
  }
  if (e->txtKuerzel.empty()) e->txtKuerzel = masterdata::KuerzelAusName(e->txtName);
  // After No to the offered value the focus goes to the box the question was about.
  if (!masterdata::WertEinsAnbieten(&e->txtMenge, "Sie haben nicht angegeben, wieviele Einheiten benötigt werden.")) {
    return {false, "txtMenge"};
  }
  if (!masterdata::WertEinsAnbieten(&e->txtPreis, "Sie haben keinen Preis eingegeben.")) return {false, "txtPreis"};
  if (base::Trim(e->txtWdh).empty()) e->txtWdh = std::string(*masterdata::kWiederverwendung.leer);

  const bool mitBezug = e->opbBezug >= 1 && e->opbBezug <= 4;
  if (mitBezug && !masterdata::ZahlPruefen(masterdata::kEinheiten, e->txtMenge, "Einheiten")) {
    return {false, "txtMenge"};
  }
  const std::optional<double> preis = masterdata::ZahlPruefen(masterdata::kPreis, e->txtPreis, "Preis");
  if (!preis) return {false, "txtPreis"};
  const std::optional<double> wdh =
      masterdata::ZahlPruefen(masterdata::kWiederverwendung, e->txtWdh, "Wiederverwendung");
  if (!wdh) return {false, "txtWdh"};
  // The price of one use is stored only with a reference quantity.
  const std::optional<double> preisJeVerwendung =
      mitBezug ? masterdata::PreisJeVerwendung(*preis, *wdh) : std::optional<double>(0.0);
  if (!preisJeVerwendung) return {false, "txtWdh"};

  std::unique_ptr<db::Database> database = masterdata::MaterialdatenbankOeffnen();
  if (!database) return {false, ""};
  if (!masterdata::NummerPruefen(*database, e->txtCode, kontext)) return {false, ""};

  masterdata::MaterialZeile zeile;
  zeile.MaterialNr = masterdata::MaterialNrAusBarcode(e->txtCode);
  zeile.UeberPNr = kontext.UeberPNr;
  zeile.Materialname = e->txtName;
  zeile.Kuerzel = e->txtKuerzel;
  zeile.Barcode = e->txtCode;
  zeile.Bemerkungen = e->txtBemerkungen;
  zeile.Aktuell = e->chbAktuell;
  zeile.Wdh = e->txtWdh;
  if (mitBezug) {
    zeile.Bezug = e->opbBezug;
    zeile.Einheit = e->txtMenge;
    zeile.Preis = db::Value(*preisJeVerwendung);
  }

  db::Transaction transaktion = database->BeginTransaction();
  std::string grund;
  bool ok = transaktion.active();
  if (ok && kontext.Bearbeitungsmodus == "Aendern") {
    ok = masterdata::ErsteZeileLoeschen(*database, "Material", kontext.MaterialNr, &grund);
  }
  ok = ok && masterdata::MaterialZeileAnhaengen(*database, zeile, &grund) && transaktion.Commit();
  if (!ok) {
    transaktion.Rollback();
    masterdata::SpeicherFehlerMelden(grund.empty() ? database->LastError() : grund);
    return {false, ""};
  }
  return {true, ""};
}

}  // namespace tolvar::masterdata
