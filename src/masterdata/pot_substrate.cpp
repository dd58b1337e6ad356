#include "masterdata/pot_substrate.h"

#include <memory>

#include "base/values.h"
#include "data/mdlFehler.h"
#include "data/messages.h"
#include "data/state.h"
#include "masterdata/material_row.h"

namespace tolvar::masterdata {

namespace {

using db::QuoteIdentifier;

std::vector<KombinationsPartner> Gruppe(const MasterLists& listen, const char* ueberPNr) {
  std::vector<KombinationsPartner> liste;
  for (const MaterialSatz& m : listen.MaterialListe) {
    if (m.UeberPNr == ueberPNr) liste.push_back({m.MaterialNr, m.Materialname});
  }
  return liste;
}

bool Enthaelt(const std::vector<KombinationsPartner>& liste, const std::string& nr) {
  for (const KombinationsPartner& p : liste) {
    if (p.MaterialNr == nr) return true;
  }
  return false;
}

const MaterialSatz* InGruppe(const MasterLists& listen, const std::string& nr, const char* ueberPNr) {
  for (const MaterialSatz& m : listen.MaterialListe) {
    if (m.MaterialNr == nr && m.UeberPNr == ueberPNr) return &m;
  }
  return nullptr;
}

// Bezug and Preis of the first Material row with the number; nullopt when there is none or the
// price is not a number.
struct Preisangabe {
  int Bezug = 0;
  double Preis = 0.0;
};
std::optional<Preisangabe> PreisLesen(db::Database& database, const std::string& nr) {
  db::Recordset rs = database.OpenTable("Material", QuoteIdentifier("MaterialNr") + " = ?", {db::Value(nr)});
  if (!rs.ok() || rs.RecordCount() == 0) return std::nullopt;
  rs.MoveFirst();
  const std::optional<double> preis = rs.Field("Preis").number();
  if (!preis) return std::nullopt;
  return Preisangabe{static_cast<int>(rs.Field("Bezug").integerOr(0)), *preis};
}

}  // namespace

double SubstratFaktor(int topfBezug, int substratBezug, double substratPreis) {
  const bool jePflanze = topfBezug == 1;
  if (substratBezug == 1) return jePflanze ? substratPreis : substratPreis * 1000.0;
  if (substratBezug == 2) return jePflanze ? substratPreis / 1000.0 : substratPreis;
  return 0.0;
}

std::string KombinationsPreis(double topfPreis, double volumen, int topfBezug, int substratBezug,
                              double substratPreis) {
  return base::Format(topfPreis + volumen * SubstratFaktor(topfBezug, substratBezug, substratPreis), "0.00");
}

std::vector<KombinationsPartner> TopfListe(const MasterLists& listen) { return Gruppe(listen, "1007"); }
std::vector<KombinationsPartner> SubstratListe(const MasterLists& listen) { return Gruppe(listen, "1008"); }

Kombinationspaar GespeichertesPaar(const std::string& kombinationNr) {
  Kombinationspaar paar;
  std::unique_ptr<db::Database> database = db::Database::Open(state().enterprise.AktuelleEinstellungen.MaterialPfad);
  if (!database) return paar;
  db::Recordset rs =
      database->OpenTable("Topfsubstrat", QuoteIdentifier("MaterialNr") + " = ?", {db::Value(kombinationNr)});
  if (!rs.ok()) return paar;
  const std::vector<KombinationsPartner> toepfe = TopfListe(state().masters);
  const std::vector<KombinationsPartner> substrate = SubstratListe(state().masters);
  bool topfGefunden = false;
  bool substratGefunden = false;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    const std::string topf = rs.Field("TopfNr").text();
    const std::string substrat = rs.Field("SubstratNr").text();
    if (!topfGefunden && Enthaelt(toepfe, topf)) {
      paar.TopfNr = topf;
      topfGefunden = true;
    }
    if (!substratGefunden && Enthaelt(substrate, substrat)) {
      paar.SubstratNr = substrat;
      substratGefunden = true;
    }
  }
  return paar;
}

std::optional<Kalkulationsinfo> KalkulationsinfoBerechnen(const MasterLists& listen, const std::string& topfNr,
                                                          const std::string& substratNr, int opbBezug) {
  Kalkulationsinfo info;
  info.opbBezug = opbBezug;
  double volumen = 0.0;
  for (const GefaessSatz& g : listen.GefaessListe) {
    if (g.MaterialNr == topfNr) {
      const std::optional<double> v = base::ParseNumber(g.Volumen);
      if (!v) return std::nullopt;
      volumen = *v;
      break;
    }
  }
  double topfPreis = 0.0;
  if (const MaterialSatz* topf = InGruppe(listen, topfNr, "1007")) {
    const std::optional<double> p = base::ParseNumber(topf->Preis);
    if (!p) return std::nullopt;
    topfPreis = *p;
    info.opbBezug = topf->Bezug == 1 ? 1 : 2;
  }
  double faktor = 0.0;
  for (const MaterialSatz& m : listen.MaterialListe) {
    if (m.MaterialNr != substratNr || m.UeberPNr != "1008" || (m.Bezug != 1 && m.Bezug != 2)) continue;
    const std::optional<double> s = base::ParseNumber(m.Preis);
    if (!s) return std::nullopt;
    if (info.opbBezug == 1 || info.opbBezug == 2) faktor = SubstratFaktor(info.opbBezug, m.Bezug, *s);
    break;
  }
  info.txtPreis = base::Format(topfPreis + volumen * faktor, "0.00");
  return info;
}

std::optional<std::vector<Kombinationspreis>> KombinationspreiseBerechnen(db::Database& database, bool TopfGespeichert,
                                                                          const std::string& materialNr,
                                                                          const std::optional<Partnerwerte>& neu,
                                                                          std::string* grund) {
  std::vector<Kombinationspreis> preise;
  if (materialNr.empty()) return preise;
  db::Recordset kombinationen = database.OpenTable(
      "Topfsubstrat", QuoteIdentifier(TopfGespeichert ? "TopfNr" : "SubstratNr") + " = ?", {db::Value(materialNr)});
  if (!kombinationen.ok()) {
    *grund = kombinationen.error();
    return std::nullopt;
  }
  const auto partner = [&](const std::string& nr, bool topf) -> std::optional<Preisangabe> {
    if (neu && topf == TopfGespeichert && nr == materialNr) return Preisangabe{neu->Bezug, neu->Preis};
    return PreisLesen(database, nr);
  };
  for (kombinationen.MoveFirst(); !kombinationen.Eof(); kombinationen.MoveNext()) {
    const std::string k = kombinationen.Field("MaterialNr").text();
    const std::string t = kombinationen.Field("TopfNr").text();
    const std::string s = kombinationen.Field("SubstratNr").text();
    if (k.empty() || t.empty() || s.empty()) continue;

    double volumen = 0.0;
    if (neu && TopfGespeichert && t == materialNr) {
      volumen = neu->Volumen;
    } else {
      const db::Value v =
          database.Scalar("SELECT " + QuoteIdentifier("Volumen") + " FROM " + QuoteIdentifier("Gefaesse") + " WHERE " +
                              QuoteIdentifier("MaterialNr") + " = ? ORDER BY rowid LIMIT 1",
                          {db::Value(t)});
      if (!v.isNull()) {
        const std::optional<double> zahl = v.number();
        if (!zahl) continue;
        volumen = *zahl;
      }
    }
    const std::optional<Preisangabe> topf = partner(t, true);
    const std::optional<Preisangabe> substrat = partner(s, false);
    if (!topf || !substrat) continue;
    const int bezug = topf->Bezug == 1 ? 1 : 2;
    Kombinationspreis preis{.MaterialNr = k,
                            .Bezug = bezug,
                            .Preis = KombinationsPreis(topf->Preis, volumen, bezug, substrat->Bezug, substrat->Preis)};
    // The stored price follows the rule of the Preis column, as the combination editor's box does.
    if (!base::FeldGueltig(kPreis, preis.Preis)) {
      const db::Value name =
          database.Scalar("SELECT " + QuoteIdentifier("Materialname") + " FROM " + QuoteIdentifier("Material") +
                              " WHERE " + QuoteIdentifier("MaterialNr") + " = ? ORDER BY rowid LIMIT 1",
                          {db::Value(k)});
      data::ShowCritical("Der neue Preis der Kombination \"" + (name.isNull() ? k : name.text()) +
                         "\" muss eine Zahl " + base::BereichText(kPreis.bereich) +
                         " sein. Der Datensatz wurde nicht gespeichert.");
      grund->clear();
      return std::nullopt;
    }
    preise.push_back(std::move(preis));
  }
  return preise;
}

bool KombinationspreiseSchreiben(db::Database& database, const std::vector<Kombinationspreis>& preise,
                                 std::string* grund) {
  for (const Kombinationspreis& p : preise) {
    db::Recordset zeile =
        database.OpenTable("Material", QuoteIdentifier("MaterialNr") + " = ?", {db::Value(p.MaterialNr)});
    if (!zeile.ok()) {
      *grund = zeile.error();
      return false;
    }
    if (zeile.RecordCount() == 0) continue;
    zeile.MoveFirst();
    if (!zeile.Edit() || !zeile.SetField("Bezug", p.Bezug) || !zeile.SetField("Preis", p.Preis) || !zeile.Update()) {
      *grund = zeile.error();
      return false;
    }
  }
  return true;
}

bool TopfsubstratPreisAktualisieren(bool TopfGespeichert, const std::string& materialNr) {
  std::unique_ptr<db::Database> database = masterdata::MaterialdatenbankOeffnen();
  if (!database) return false;
  std::string grund;
  const auto preise = KombinationspreiseBerechnen(*database, TopfGespeichert, materialNr, std::nullopt, &grund);
  if (!preise && grund.empty()) return false;  // refused with its message
  db::Transaction transaktion = database->BeginTransaction();
  if (!preise || !transaktion.active() || !KombinationspreiseSchreiben(*database, *preise, &grund) ||
      !transaktion.Commit()) {
    masterdata::SpeicherFehlerMelden(grund.empty() ? database->LastError() : grund);
    return false;
  }
  return true;
}

MaterialSpeicherergebnis TopfsubstratSpeichern(const MaterialKontext& kontext, TopfsubstratEingaben* e) {
  if (e->txtName.empty()) {
    mdlFehler::MeldungNameFehlt();
    return {false, "txtName"};
  }
  if (e->txtKuerzel.empty()) e->txtKuerzel = masterdata::KuerzelAusName(e->txtName);
  const std::optional<double> preis = masterdata::ZahlPruefen(masterdata::kPreis, e->txtPreis, "Preis");
  if (!preis) return {false, "txtPreis"};

  std::unique_ptr<db::Database> database = masterdata::MaterialdatenbankOeffnen();
  if (!database) return {false, ""};
  if (!masterdata::NummerPruefen(*database, e->txtCode, kontext)) return {false, ""};
  const std::string nr = masterdata::MaterialNrAusBarcode(e->txtCode);

  db::Transaction transaktion = database->BeginTransaction();
  std::string grund;
  bool ok = transaktion.active();
  if (ok && kontext.Bearbeitungsmodus == "Aendern") {
    ok = masterdata::ErsteZeileLoeschen(*database, "Topfsubstrat", kontext.MaterialNr, &grund) &&
         masterdata::ErsteZeileLoeschen(*database, "Material", kontext.MaterialNr, &grund);
  }
  if (ok) {
    masterdata::MaterialZeile zeile;
    zeile.MaterialNr = nr;
    zeile.UeberPNr = "1001";
    zeile.Materialname = e->txtName;
    zeile.Kuerzel = e->txtKuerzel;
    zeile.Barcode = e->txtCode;
    zeile.Bemerkungen = e->txtBemerkung;
    zeile.Aktuell = e->chbAktuell;
    zeile.Bezug = e->opbBezug == 1 ? 1 : 2;
    zeile.Einheit = "1";
    zeile.Preis = db::Value(*preis);
    zeile.Wdh = "1";
    ok = masterdata::MaterialZeileAnhaengen(*database, zeile, &grund);
  }
  if (ok) {
    db::Recordset rs = database->OpenTable("Topfsubstrat");
    ok = rs.ok() && rs.AddNew() && rs.SetField("MaterialNr", nr) && rs.SetField("TopfNr", e->TopfNr) &&
         rs.SetField("SubstratNr", e->SubstratNr) && rs.Update();
    if (!ok) grund = rs.error();
  }
  if (ok) ok = transaktion.Commit();
  if (!ok) {
    transaktion.Rollback();
    masterdata::SpeicherFehlerMelden(grund.empty() ? database->LastError() : grund);
    return {false, ""};
  }
  return {true, ""};
}

}  // namespace tolvar::masterdata
