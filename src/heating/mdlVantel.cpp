#include "heating/mdlVantel.h"

#include <algorithm>
#include <array>
#include <memory>

#include "base/values.h"
#include "platform/db/database.h"

namespace tolvar::mdlVantel {

namespace {

// The fields a group hands to its houses.
constexpr std::array<const char*, 15> kGruppenfelder{
    "Stehwand", "Dach",       "Wege",      "Bauart",  "EinDach",      "EinGiebelV", "EinGiebelH", "EinStehL",
    "EinStehR", "Brennstoff", "Brennwert", "ESchirm", "Wirkungsgrad", "Einsparung", "Anpassung"};

const std::string kVantel = db::QuoteIdentifier("Vantel");
const std::string kStandortNr = db::QuoteIdentifier("StandortNr");

void Setzen(std::string* ziel, const std::string& wert, const char* fehlerText) {
  if (ziel) *ziel = std::string(fehlerText) + (wert.empty() ? "" : " (" + wert + ")");
}

std::optional<std::string> TextOderNull(const db::Value& v) {
  if (v.isNull()) return std::nullopt;
  return v.text();
}

db::Value WertAus(const std::optional<std::string>& v) { return v ? db::Value(*v) : db::Value(); }
db::Value WertAus(const std::optional<bool>& v) { return v ? db::Value::Bool(*v) : db::Value(); }

// Surface part of the load: the flag selects the option; a boundary surface shows its
// temperature by the zero rule, after the option's handler has emptied the box.
void FlaecheAnzeigen(StandortFormular& f, Flaeche flaeche, const std::optional<bool>& aussen,
                     const std::optional<std::string>& temperatur, std::string& box) {
  if (!aussen) return;
  FlaecheWaehlen(f, flaeche, *aussen ? kAussenflaeche : kGrenzflaeche);
  if (!*aussen) box = Nullregel(temperatur);
}

// Steps shared by the load and the group defaults: type, coverings, surfaces, heating data.
void HeizdatenAnzeigen(StandortFormular& f, const VantelSatz& z) {
  const std::optional<double> bauart = z.Bauart ? base::ParseNumber(*z.Bauart) : std::nullopt;
  if (bauart && *bauart == 2.0) {
    f.opbTyp = 2;
    f.txtKappenzahl = Nullregel(z.Kappenzahl);
  } else if (bauart && *bauart == 3.0) {
    f.opbTyp = 3;
  } else {
    f.opbTyp = 1;
  }

  f.comEinDach = Auswaehlen(f.DachListe, z.EinDach.value_or(""));
  f.comEinGiebelH = Auswaehlen(f.WandListe, z.EinGiebelH.value_or(""));
  f.comEinGiebelV = Auswaehlen(f.WandListe, z.EinGiebelV.value_or(""));
  f.comEinStehL = Auswaehlen(f.WandListe, z.EinStehL.value_or(""));
  f.comEinStehR = Auswaehlen(f.WandListe, z.EinStehR.value_or(""));

  FlaecheAnzeigen(f, Flaeche::GiebelH, z.AFGiebelH, z.GTGiebelH, f.txtGrenzGiebelH);
  FlaecheAnzeigen(f, Flaeche::GiebelV, z.AFGiebelV, z.GTGiebelV, f.txtGrenzGiebelV);
  FlaecheAnzeigen(f, Flaeche::StehL, z.AFStehL, z.GTStehL, f.txtGrenzStehL);
  FlaecheAnzeigen(f, Flaeche::StehR, z.AFStehR, z.GTStehR, f.txtGrenzStehR);

  f.comBrennstoff = Auswaehlen(f.BrennstoffListe, z.Brennstoff.value_or(""));
  f.chbBrennwert = z.Brennwert.value_or(false);
  // A stored "0" or a missing efficiency keeps what the box shows (the default "75").
  if (z.Wirkungsgrad && *z.Wirkungsgrad != "0") f.txtWirkungsgrad = *z.Wirkungsgrad;
  f.txtFaktor = z.Anpassung && *z.Anpassung != "0" ? *z.Anpassung : "";
  if (z.ESchirm.value_or(false)) {
    f.chbEnergieschirm = true;
    f.txtEinsparung = z.Einsparung && *z.Einsparung != "0" ? *z.Einsparung : "";
  } else {
    f.chbEnergieschirm = false;
    f.txtEinsparung.clear();
  }
}

void MassAnzeigen(StandortFormular& f, bool gruppe, const VantelSatz& z) {
  if (gruppe) {
    f.txtGruStehwand = Nullregel(z.Stehwand);
    f.txtGruHaus = Nullregel(z.Dach);
    f.txtGruWege = Nullregel(z.Wege);
  } else {
    f.txtLaenge = Nullregel(z.Laenge);
    f.txtBreite = Nullregel(z.Breite);
    f.txtStehwand = Nullregel(z.Stehwand);
    f.txtHaus = Nullregel(z.Dach);
    f.txtWege = Nullregel(z.Wege);
  }
}

std::string ErsterEintrag(const std::vector<std::string>& liste) { return liste.empty() ? "" : liste.front(); }

std::string Behalten(const std::vector<std::string>& liste, const std::string& gewaehlt) {
  return std::find(liste.begin(), liste.end(), gewaehlt) != liste.end() ? gewaehlt : ErsterEintrag(liste);
}

}  // namespace

// ---------------------------------------------------------------- database

std::vector<VantelSatz> VantelZeilenLesen(const std::string& tolvarPfad, const std::string& standortNr) {
  std::vector<VantelSatz> zeilen;
  auto datenbank = db::Database::Open(tolvarPfad);
  if (!datenbank || !datenbank->HasTable("Vantel")) return zeilen;
  db::Recordset rs = datenbank->OpenTable("Vantel", kStandortNr + " = ?", {db::Value(standortNr)});
  for (rs.MoveFirst(); rs.ok() && !rs.Eof(); rs.MoveNext()) {
    VantelSatz z;
    for (const data::VantelSpalte& s : data::kVantelSpalten) {
      const db::Value& v = rs[s.name];
      if (s.text) z.*(s.text) = TextOderNull(v);
      if (s.merker && !v.isNull()) z.*(s.merker) = v.boolean();
    }
    zeilen.push_back(std::move(z));
  }
  return zeilen;
}

Auswahllisten AuswahllistenLaden(const std::string& vantelPfad) {
  Auswahllisten listen;
  auto datenbank = db::Database::Open(vantelPfad);
  if (!datenbank || !datenbank->HasTable("GWHMaterial") || !datenbank->HasTable("Heizmaterialien")) {
    listen.ok = false;
    return listen;
  }
  db::Recordset eindeckungen = datenbank->OpenTable("GWHMaterial");
  for (eindeckungen.MoveFirst(); eindeckungen.ok() && !eindeckungen.Eof(); eindeckungen.MoveNext()) {
    const std::string name = eindeckungen["Material"].text();
    if (eindeckungen["Eignung"].numberOr(0.0) > 0.0) listen.Dach.push_back(name);
    listen.Wand.push_back(name);
  }
  db::Recordset brennstoffe = datenbank->OpenTable("Heizmaterialien");
  for (brennstoffe.MoveFirst(); brennstoffe.ok() && !brennstoffe.Eof(); brennstoffe.MoveNext()) {
    listen.Brennstoffe.push_back(brennstoffe["Brennstoffart"].text());
  }
  listen.ok = eindeckungen.ok() && brennstoffe.ok();
  return listen;
}

bool VantelZeileErsetzen(const std::string& tolvarPfad, const std::string& alteNr, VantelSatz satz,
                         bool GemeinkostenBehalten, std::string* fehler) {
  std::string grund;
  auto datenbank = db::Database::Open(tolvarPfad, &grund);
  if (!datenbank) {
    Setzen(fehler, grund, "Die Tolvar-Datenbank konnte nicht geöffnet werden.");
    return false;
  }
  db::Transaction tx = datenbank->BeginTransaction();
  if (GemeinkostenBehalten) {
    // The overheads belong to the settings' per-site distribution: the last old row's survive.
    std::string gemeinkosten = "0";
    db::Recordset alt = datenbank->OpenTable("Vantel", kStandortNr + " = ?", {db::Value(alteNr)});
    for (alt.MoveFirst(); alt.ok() && !alt.Eof(); alt.MoveNext()) gemeinkosten = alt["Gemeinkosten"].text();
    if (!alt.ok()) {
      Setzen(fehler, alt.error(), "Die Heizdaten des Standorts konnten nicht gelesen werden.");
      return false;
    }
    satz.Gemeinkosten = gemeinkosten;
  }
  bool ok = datenbank->Execute("DELETE FROM " + kVantel + " WHERE " + kStandortNr + " = ?", {db::Value(alteNr)});
  if (ok) {
    std::string spalten;
    std::string fragen;
    std::vector<db::Value> werte;
    for (const data::VantelSpalte& s : data::kVantelSpalten) {
      spalten += (spalten.empty() ? "" : ", ") + db::QuoteIdentifier(s.name);
      werte.push_back(s.text ? WertAus(satz.*(s.text)) : WertAus(satz.*(s.merker)));
    }
    for (std::size_t i = 0; i < werte.size(); ++i) fragen += i == 0 ? "?" : ", ?";
    ok = datenbank->Execute("INSERT INTO " + kVantel + " (" + spalten + ") VALUES (" + fragen + ")", werte);
  }
  ok = ok && tx.Commit();
  if (!ok) {
    Setzen(fehler, datenbank->LastError(), "Die Heizdaten des Standorts konnten nicht gespeichert werden.");
    return false;
  }
  return true;
}

int GruppenHeizdatenKopieren(const std::string& tolvarPfad, const std::string& morvinPfad, const std::string& gruppenNr,
                             std::string* fehler) {
  std::string grund;
  auto morvin = db::Database::Open(morvinPfad, &grund);
  if (!morvin) {
    Setzen(fehler, grund, "Die Morvin5-Datenbank konnte nicht geöffnet werden.");
    return -1;
  }
  // Direct children only: their UeberPNr holds the group's four digits.
  const std::string gruppe = base::RightChars(gruppenNr, 4);
  std::vector<std::string> mitglieder;
  db::Recordset standorte = morvin->OpenTable("Standort");
  for (standorte.MoveFirst(); standorte.ok() && !standorte.Eof(); standorte.MoveNext()) {
    if (standorte["UeberPNr"].text() == gruppe) mitglieder.push_back(standorte["StandortNr"].text());
  }
  if (!standorte.ok()) {
    Setzen(fehler, standorte.error(), "Die Standorte konnten nicht gelesen werden.");
    return -1;
  }
  morvin.reset();

  auto datenbank = db::Database::Open(tolvarPfad, &grund);
  if (!datenbank) {
    Setzen(fehler, grund, "Die Tolvar-Datenbank konnte nicht geöffnet werden.");
    return -1;
  }
  db::Recordset quelle = datenbank->OpenTable("Vantel", kStandortNr + " = ?", {db::Value(gruppenNr)});
  if (!quelle.ok()) {
    Setzen(fehler, quelle.error(), "Die Heizdaten der Gruppe konnten nicht gelesen werden.");
    return -1;
  }
  if (quelle.RecordCount() == 0) return 0;
  quelle.MoveFirst();
  std::string zuweisung;
  std::vector<db::Value> werte;
  for (const char* feld : kGruppenfelder) {
    zuweisung += (zuweisung.empty() ? "" : ", ") + db::QuoteIdentifier(feld) + " = ?";
    werte.push_back(quelle[feld]);
  }
  const std::string sql = "UPDATE " + kVantel + " SET " + zuweisung + " WHERE rowid = (SELECT min(rowid) FROM " +
                          kVantel + " WHERE " + kStandortNr + " = ?)";
  db::Transaction tx = datenbank->BeginTransaction();
  int geaendert = 0;
  bool ok = true;
  for (const std::string& mitglied : mitglieder) {
    std::vector<db::Value> parameter = werte;
    parameter.emplace_back(mitglied);
    ok = datenbank->Execute(sql, parameter);
    if (!ok) break;
    geaendert += datenbank->Changes();
  }
  ok = ok && tx.Commit();
  if (!ok) {
    Setzen(fehler, datenbank->LastError(), "Die Heizdaten der Häuser konnten nicht übernommen werden.");
    return -1;
  }
  return geaendert;
}

// ---------------------------------------------------------------- editor values

std::string Nullregel(const std::optional<std::string>& wert) { return wert ? *wert : "0"; }

std::string Auswaehlen(const std::vector<std::string>& liste, const std::string& name) { return Behalten(liste, name); }

void FlaecheWaehlen(StandortFormular& f, Flaeche flaeche, int element) {
  int* option = nullptr;
  std::string* box = nullptr;
  switch (flaeche) {
    case Flaeche::GiebelH:
      option = &f.opbGiebelH;
      box = &f.txtGrenzGiebelH;
      break;
    case Flaeche::GiebelV:
      option = &f.opbGiebelV;
      box = &f.txtGrenzGiebelV;
      break;
    case Flaeche::StehL:
      option = &f.opbStehL;
      box = &f.txtGrenzStehL;
      break;
    case Flaeche::StehR:
      option = &f.opbStehR;
      box = &f.txtGrenzStehR;
      break;
  }
  *option = element == kGrenzflaeche ? kGrenzflaeche : kAussenflaeche;
  if (*option == kAussenflaeche) box->clear();
}

void NeuesGewaechshausVorbelegen(StandortFormular& f, const Auswahllisten& listen) {
  f.opbGruppe = false;
  for (std::string* box :
       {&f.txtName, &f.txtCode, &f.txtKuerzel, &f.txtBreite, &f.txtLaenge, &f.txtHaus, &f.txtStehwand, &f.txtBemerkung,
        &f.txtKappenzahl, &f.txtGruHaus, &f.txtGruStehwand, &f.txtGruWege}) {
    box->clear();
  }
  f.chbAktuell = true;
  f.opbTyp = 1;

  f.DachListe = listen.Dach;
  f.WandListe = listen.Wand;
  f.BrennstoffListe = listen.Brennstoffe;
  f.comEinDach = ErsterEintrag(f.DachListe);
  f.comEinGiebelH = f.comEinGiebelV = f.comEinStehL = f.comEinStehR = ErsterEintrag(f.WandListe);
  for (Flaeche fl : {Flaeche::GiebelH, Flaeche::GiebelV, Flaeche::StehL, Flaeche::StehR}) {
    FlaecheWaehlen(f, fl, kAussenflaeche);
  }
  f.comBrennstoff = ErsterEintrag(f.BrennstoffListe);

  f.txtWirkungsgrad = "75";
  f.txtEinsparung = "20";
  f.txtFaktor = "1";
  f.chbBrennwert = false;
  f.chbEnergieschirm = true;
}

void ListenErneuern(StandortFormular& f, const Auswahllisten& listen) {
  f.DachListe = listen.Dach;
  f.WandListe = listen.Wand;
  f.BrennstoffListe = listen.Brennstoffe;
  f.comEinDach = Behalten(f.DachListe, f.comEinDach);
  f.comEinGiebelH = Behalten(f.WandListe, f.comEinGiebelH);
  f.comEinGiebelV = Behalten(f.WandListe, f.comEinGiebelV);
  f.comEinStehL = Behalten(f.WandListe, f.comEinStehL);
  f.comEinStehR = Behalten(f.WandListe, f.comEinStehR);
  f.comBrennstoff = Behalten(f.BrennstoffListe, f.comBrennstoff);
}

void StandortHeizdatenAnzeigen(StandortFormular& f, const StandortSatz& standort,
                               const std::vector<VantelSatz>& zeilen) {
  f.txtName = standort.Standortname;
  f.txtKuerzel = standort.Kuerzel;
  f.txtCode = base::NumberText(standort.Barcode);
  f.txtBemerkung = standort.Bemerkungen;
  f.txtFlaeche = standort.Flaeche;
  f.txtNr = standort.StandortNr;
  f.chbAktuell = standort.Aktuell;
  f.opbGruppe = standort.Gliederungspunkt;
  for (const VantelSatz& z : zeilen) {
    MassAnzeigen(f, standort.Gliederungspunkt, z);
    HeizdatenAnzeigen(f, z);
  }
}

void GruppenHeizdatenVorbelegen(StandortFormular& f, const std::vector<VantelSatz>& zeilen) {
  for (const VantelSatz& z : zeilen) {
    MassAnzeigen(f, f.opbGruppe, z);
    HeizdatenAnzeigen(f, z);
  }
}

VantelSatz HeizdatenAusFormular(const StandortFormular& f, const std::string& gemeinkosten) {
  VantelSatz z;
  z.StandortNr = f.txtNr;
  if (f.opbGruppe) {
    z.Laenge = "0";
    z.Breite = "0";
    z.Gemeinkosten = "0";
    z.Stehwand = f.txtGruStehwand;
    z.Dach = f.txtGruHaus;
    z.Wege = f.txtGruWege;
  } else {
    z.Laenge = f.txtLaenge;
    z.Breite = f.txtBreite;
    z.Gemeinkosten = gemeinkosten;
    z.Stehwand = f.txtStehwand;
    z.Dach = f.txtHaus;
    z.Wege = f.txtWege;
  }
  z.Bauart = std::to_string(std::clamp(f.opbTyp, 1, 3));
  z.Kappenzahl = f.txtKappenzahl;
  z.EinDach = f.comEinDach;
  z.EinGiebelH = f.comEinGiebelH;
  z.EinGiebelV = f.comEinGiebelV;
  z.EinStehL = f.comEinStehL;
  z.EinStehR = f.comEinStehR;
  const auto flaeche = [](int option, const std::string& box, std::optional<bool>& af, std::optional<std::string>& gt) {
    af = option != kGrenzflaeche;
    gt = option != kGrenzflaeche ? std::string("0") : box;
  };
  flaeche(f.opbGiebelH, f.txtGrenzGiebelH, z.AFGiebelH, z.GTGiebelH);
  flaeche(f.opbGiebelV, f.txtGrenzGiebelV, z.AFGiebelV, z.GTGiebelV);
  flaeche(f.opbStehL, f.txtGrenzStehL, z.AFStehL, z.GTStehL);
  flaeche(f.opbStehR, f.txtGrenzStehR, z.AFStehR, z.GTStehR);
  z.Brennstoff = f.comBrennstoff;
  z.Wirkungsgrad = f.txtWirkungsgrad.empty() ? "85" : f.txtWirkungsgrad;
  z.Brennwert = f.chbBrennwert;
  z.ESchirm = f.chbEnergieschirm;
  z.Einsparung = f.txtEinsparung.empty() ? "20" : f.txtEinsparung;
  z.Anpassung = f.txtFaktor;
  return z;
}

}  // namespace tolvar::mdlVantel
