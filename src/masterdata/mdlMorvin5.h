#pragma once
// Saving the master records kept in the labour-time database: cultures, sites, staff and
// standard activities with their groups. A new record adds one row; a change rewrites the
// row (cultures and sites: every row) carrying the record's number. Each save is one
// transaction: a failure leaves the table as it was and is shown as a critical message.
//
// The editors fill one of the input structs below with what their controls hold (texts as
// typed, dates of the pickers, check boxes and options as Booleans) and call the save.

#include <string>

#include "base/values.h"

namespace tolvar::masterdata {

// The culture window (frmKultur).
struct KulturEingabe {
  std::string txtNr;
  std::string txtName;
  std::string txtKuerzel;
  std::string txtCode;
  base::Date dtpAnfang = base::kNoDate;
  base::Date dtpEnde = base::kNoDate;
  std::string txtBemerkung;
  bool chbAktuell = false;
  bool opbGruppe = false;  // "Neue Gruppe erstellen"; otherwise a culture
};

// The site window (frmStandort); length and width in metres with a decimal comma.
struct StandortEingabe {
  std::string txtNr;
  std::string txtName;
  std::string txtKuerzel;
  std::string txtCode;
  std::string txtBemerkung;
  std::string txtLaenge;
  std::string txtBreite;
  bool chbAktuell = false;
  bool opbGruppe = false;  // "Neue Gruppe erstellen"; otherwise a greenhouse
};

// The staff window (frmPersonal): the person frame, the group frame and the shared number.
struct PersonalEingabe {
  bool opbPerson = false;
  bool opbGruppe = false;
  std::string txtNr;
  std::string txtName;
  std::string txtVorname;
  std::string txtKuerzel;
  std::string txtStrasse;
  std::string txtPostleitzahl;
  std::string txtOrt;
  std::string txtTelefon;
  base::Date dtpGeburtstag = base::kNoDate;
  std::string txtBemerkungen;
  std::string txtCode;
  bool chbAktuell = false;
  std::string txtGruName;
  std::string txtGruKuerzel;
  std::string txtGruBemerkung;
  std::string txtGruCode;
  bool chbGruAktuell = false;
};

// The activity window (frmTaetigkeiten).
struct TaetigkeitEingabe {
  bool opbTaetigkeit = false;
  bool opbGruppe = false;
  std::string txtNr;
  std::string txtName;
  std::string txtKuerzel;
  std::string txtBemerkungen;
  std::string txtCode;
  bool chbAktuell = false;
  std::string txtGruName;
  std::string txtGruKuerzel;
  std::string txtGruBemerkungen;
  std::string txtGruCode;
  bool chbGruAktuell = false;
};

// What the editor saves into: the labour-time database, its mode ("Neu" adds a row,
// "Aendern" changes the row of txtNr, anything else does nothing) and the parent group of a
// new row. Storing a new row switches the mode to "Aendern", so a window that stays open
// changes that row on its next save.
struct SpeicherKontext {
  std::string Datenbank;
  std::string Bearbeitungsmodus;
  std::string UeberPNr;
};

enum class SpeicherStatus {
  Gespeichert,    // the row was stored
  Nichts,         // nothing to do: unknown mode, or neither option of the window chosen
  NameFehlt,      // refused: empty name ("Sie müssen erst einen Namen vergeben")
  WerteFalsch,    // refused: a length, width or barcode that is no valid value
  NichtGefunden,  // refused: no row carries the number to be changed
  Fehler,         // the database failed; nothing was written
};

struct StammdatenSpeicherergebnis {
  SpeicherStatus status = SpeicherStatus::Nichts;
  // Control that should receive the focus after a refusal ("txtName", "txtGruName",
  // "txtLaenge", "txtBreite"); empty otherwise.
  std::string fokus;
  // The window stays open with its entries when the save was refused.
  bool abgelehnt() const { return status != SpeicherStatus::Gespeichert && status != SpeicherStatus::Nichts; }
};

// The short name stored for an empty short-name box: the first ten characters of the name.
std::string KuerzelVorgabe(const std::string& kuerzel, const std::string& name);

// Cultures and sites: the short-name default goes only into the row.
StammdatenSpeicherergebnis KulturSpeichern(SpeicherKontext& kontext, const KulturEingabe& eingabe);
StammdatenSpeicherergebnis StandortSpeichern(SpeicherKontext& kontext, const StandortEingabe& eingabe);

// The checks of the site save without writing anything (name; length and width when both
// are given; the barcode of a new site), with their messages. The site window runs it before
// it stores the greenhouse data, so a refused save leaves nothing half-written.
StammdatenSpeicherergebnis StandortEingabePruefen(const SpeicherKontext& kontext, const StandortEingabe& eingabe);

// Staff and activities: the short-name default is also written into the input's box
// (txtKuerzel or txtGruKuerzel), which the window then shows.
StammdatenSpeicherergebnis PersonalSpeichern(SpeicherKontext& kontext, PersonalEingabe& eingabe);
StammdatenSpeicherergebnis TaetigkeitSpeichern(SpeicherKontext& kontext, TaetigkeitEingabe& eingabe);

}  // namespace tolvar::masterdata

namespace tolvar::mdlMorvin5 {

// The save for the open enterprise: database AktuellerBetrieb, mode Bearbeitungsmodus,
// parent AktuelleUeberPNr; the mode after the save is written back to Bearbeitungsmodus.
masterdata::StammdatenSpeicherergebnis StammdatensatzSpeichern(const masterdata::KulturEingabe& eingabe);
masterdata::StammdatenSpeicherergebnis StammdatensatzSpeichern(const masterdata::StandortEingabe& eingabe);
masterdata::StammdatenSpeicherergebnis StammdatensatzSpeichern(masterdata::PersonalEingabe& eingabe);
masterdata::StammdatenSpeicherergebnis StammdatensatzSpeichern(masterdata::TaetigkeitEingabe& eingabe);

}  // namespace tolvar::mdlMorvin5
