#pragma once
// The program-wide state: settings, master lists, selections and flags, grouped into parts by
// what they serve. One instance lives for the program's run; tests reset it with ResetState().

#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "data/material_lookup.h"
#include "data/records.h"
#include "data/records_calculation.h"
#include "data/records_comparison.h"
#include "data/records_culture.h"
#include "data/records_masterdata.h"
#include "data/records_settings.h"
#include "data/slots.h"

namespace tolvar {

// The installation, the open enterprise and its settings, and the mode the program is in.
struct EnterpriseState {
  // Installation folder (the writable data root) and version text.
  std::string Programmpfad;
  std::string Programmversion;
  // Path of the open enterprise's labour-time database and of its own ".Tolvar" twin.
  std::string AktuellerBetrieb;
  std::string TolvarDatenbankPfad;

  EinstellungenSatz AktuelleEinstellungen;
  // The settings row as this program last read or wrote it, and the Tolvar-Datenbank it
  // belongs to. A write of the row takes only the fields changed since, so it never undoes
  // what another instance of the program confirmed meanwhile.
  struct GelesenerSatz {
    std::string pfad;
    EinstellungenSatz satz;
  };
  std::optional<GelesenerSatz> EinstellungenStand;

  // Flags.
  bool BetriebOffen = false;
  bool ModusStammdaten = false;
  bool ModusErfassung = false;
  bool ModusKalkulation = false;
  // Result of the last check of a database (labour-time, own or result database).
  bool PruefungOk = false;

  // Tables a loader could read only in part, as "<file>|<table>": each is reported once per
  // run, however often the list is loaded again.
  std::set<std::string> GemeldeteLesefehler;
};

// The enterprise's master data as loaded from its databases, in load order.
struct MasterLists {
  std::vector<KulturSatz> KulturListe;
  std::vector<StandortSatz> StandortListe;
  std::vector<MaterialSatz> MaterialListe;  // in ascending Barcode order
  // MaterialListe by MaterialNr, built for the list MaterialListeErsetzen put in place.
  data::MaterialVerzeichnis MaterialNachNummer;
  // Puts `liste` in place of MaterialListe and builds its lookup: the one way the program
  // replaces or empties the list.
  void MaterialListeErsetzen(std::vector<MaterialSatz> liste);
  // False when the last load of MaterialListe failed or read it only in part: the list is
  // then no complete list of the master materials.
  bool MaterialListeGelesen = true;
  std::vector<PersonalSatz> PersonalListe;
  std::vector<StdTaetigkeitSatz> StdTaetigkeitListe;
  // The pots with their volumes, loaded right after the materials.
  std::vector<GefaessSatz> GefaessListe;
};

// The first element of stamm.MaterialListe with number `nr`, and its index; nullptr and
// nullopt when there is none.
const MaterialSatz* MaterialMitNummer(const MasterLists& stamm, const std::string& nr);
std::optional<std::size_t> MaterialIndexMitNummer(const MasterLists& stamm, const std::string& nr);

// What is selected in the master lists and the trees, and the mode the editors work in.
struct Selection {
  // An index into its list; past the end means nothing is selected.
  int KulturIndex = 0;
  int StandortIndex = 0;
  int MaterialIndex = 0;
  int PersonalIndex = 0;
  int StdTaetigkeitIndex = 0;
  int PhasenIndex = 0;
  // Tree of the last pop-up ("Kulturen", "Standort", "Material", "Personal",
  // "StdTaetigkeiten"), parent group for a new record, editor mode ("Neu", "Aendern").
  std::string AktuellerBaum;
  std::string AktuelleUeberPNr;
  std::string Bearbeitungsmodus;
  // Pot and substrate editors: mode ("Neu", "Aendern") and the MaterialListe element they
  // were opened for; whether the material saved last was a pot (true) or a substrate.
  std::string BearbeitungsmodusTopf;
  int TopfIndex = 0;
  std::string BearbeitungsmodusSubstrat;
  int SubstratIndex = 0;
  bool TopfGespeichert = false;
};

// The selected culture's movement data as the culture data window edits it.
struct CultureData {
  // Phases in slots 1..25 by phase number; site occupancies at 0..AnzahlKulturStandorte-1,
  // then the free slot of the culture.
  std::vector<PhasenSatz> PhasenListe;
  std::vector<KulturStandortSatz> KulturStandortListe;
  int AnzahlPhasen = 0;
  int AnzahlKulturStandorte = 0;
  // Material rows of that culture at 0..AnzahlKulturMaterialien-1, then one empty end mark.
  std::vector<KulturMaterialSatz> KulturMaterialListe;
  int AnzahlKulturMaterialien = 0;
  // Result of the last input check of the culture data window (phase sequence or site
  // grid); the save commands save only when it is true.
  bool EingabeOk = false;
};

// The cost calculation of the selected culture.
struct CalculationState {
  // The recorded work of the selected culture, the origin of each cost type (Herkunft), the
  // key of the culture node last chosen in the calculation window.
  std::vector<KulturArbeitSatz> KulturArbeitListe;
  JeKostenart<int16_t> Herkuenfte = FuerJedeKostenart<int16_t>(Herkunft::Errechnet);  // by KostenIndex
  std::string KalkulationsKnotenSchluessel;

  int16_t& HerkunftVon(Kostenart art) { return Herkuenfte[KostenIndex(art)]; }
  int16_t HerkunftVon(Kostenart art) const { return Herkuenfte[KostenIndex(art)]; }

  // The flags by their names, for code and tests about one type; code over every type indexes.
  int16_t& HerkunftHeizung() { return HerkunftVon(Kostenart::Heizung); }
  int16_t& HerkunftMaterial() { return HerkunftVon(Kostenart::Material); }
  int16_t& HerkunftEnergie() { return HerkunftVon(Kostenart::Energie); }
  int16_t& HerkunftMaschinen() { return HerkunftVon(Kostenart::Maschinen); }
  int16_t& HerkunftPSM() { return HerkunftVon(Kostenart::PSM); }
  int16_t& HerkunftVermarktung() { return HerkunftVon(Kostenart::Vermarktung); }
  int16_t& HerkunftArbeit() { return HerkunftVon(Kostenart::Arbeit); }
  int16_t& HerkunftGemeinkosten() { return HerkunftVon(Kostenart::Gemeinkosten); }
  int16_t HerkunftHeizung() const { return HerkunftVon(Kostenart::Heizung); }
  int16_t HerkunftMaterial() const { return HerkunftVon(Kostenart::Material); }
  int16_t HerkunftEnergie() const { return HerkunftVon(Kostenart::Energie); }
  int16_t HerkunftMaschinen() const { return HerkunftVon(Kostenart::Maschinen); }
  int16_t HerkunftPSM() const { return HerkunftVon(Kostenart::PSM); }
  int16_t HerkunftVermarktung() const { return HerkunftVon(Kostenart::Vermarktung); }
  int16_t HerkunftArbeit() const { return HerkunftVon(Kostenart::Arbeit); }
  int16_t HerkunftGemeinkosten() const { return HerkunftVon(Kostenart::Gemeinkosten); }
};

// The enterprise's settings lists: wages, material per activity hour, fuels and coverings.
struct SettingsLists {
  // Wage groups, the staff's wage history (fixed sizes, see records_settings.h; elements
  // after the loaded ones are cleared), material cost per activity hour (501 elements, empty
  // ones hold "0").
  std::vector<LohngruppeSatz> LohngruppeListe = std::vector<LohngruppeSatz>(kLohngruppenElemente);
  int16_t AnzahlLohngruppen = 0;
  std::vector<LohneinteilungSatz> LohneinteilungListe = std::vector<LohneinteilungSatz>(kLohneinteilungenElemente);
  int16_t AnzahlLohneinteilungen = 0;
  std::vector<ArbeitMaterialSatz> ArbeitMaterialListe = std::vector<ArbeitMaterialSatz>(kArbeitMaterialElemente);
  // Fuels and coverings read last by a fuel or covering editor (at least 64 entries; those
  // after the rows read are empty).
  std::vector<BrennstoffSatz> BrennstoffListe = std::vector<BrennstoffSatz>(kVantelListenElemente);
  std::vector<EindeckungSatz> EindeckungListe = std::vector<EindeckungSatz>(kVantelListenElemente);
};

// Values the windows hand to each other: help topic, calculator target, tree drags, pointer
// colours, the site grid and weather map of the settings window.
struct WindowState {
  std::string HilfeThema;
  // Target box of the pocket calculator (Rechnerziel).
  int Merkwert = 0;
  // 1 after a passed screen check, 0 after a failed one.
  double AufloesungOk = 0;

  // Pointer colours 0..5 (Zeigerfarbe) of the own windows and of the labour-time windows,
  // and their colour words ("Zeiger_" + word), empty until FarbnamenErmitteln first runs.
  int FarbeTolvar = 0;
  int FarbeMorvin = 0;
  // The two colours as this program last read or wrote them in SystemInfo: a write of the
  // row takes only a colour changed since, so a colour another instance of the program
  // confirmed meanwhile stays.
  struct GeleseneFarben {
    int tolvar = 0;
    int morvin = 0;
  };
  std::optional<GeleseneFarben> FarbenStand;
  std::string FarbnameTolvar;
  std::string FarbnameMorvin;

  // Tree builds: key of the node a build added last (AktuellerKnoten).
  std::string AktuellerKnoten;
  // Tree drags: a drag is under way; key of the node under the last press in a draggable
  // tree (ZiehKnoten), empty when that press hit no node.
  bool ZiehenAktiv = false;
  std::string ZiehKnoten;

  // The phase calendar fills the start box (true) or the end box (false).
  bool KalenderZielBeginn = true;
  // The wage-group removal reads the selected group from the settings window (true) or
  // from the stand-alone wage-group window (false).
  bool AufrufAusEinstellungen = false;
  // Where the overheads calculator's result goes: the per-site grid (row
  // StandortTabelleZeile) when StandortTabelleAktiv, else the overheads box.
  bool StandortTabelleAktiv = false;
  int StandortTabelleZeile = 0;
  // Weather-region map: the region chosen last, and station and picture name of the
  // region whose information was asked for last.
  std::string GewaehlteRegion;
  std::string StationName;
  std::string StationDateiname;
};

// The culture comparison: stored comparison cultures and the two columns compared.
struct ComparisonState {
  // Stored comparison cultures as last loaded for a detail window: the rows at
  // 0..AnzahlVergleichskulturen-1 in table order, then one empty element.
  std::vector<VergleichskulturSatz> VergleichskulturListe = std::vector<VergleichskulturSatz>(1);
  int AnzahlVergleichskulturen = 0;
  // The pair the comparison window shows: element 0 the left column, element 1 the right
  // (base) column. It outlives the comparison window.
  std::array<VergleichsspalteSatz, 2> VergleichsspalteListe;
  // True while the comparison-culture editor is in the mode "Neue Kultur eingeben".
  bool NeueVergleichskultur = false;
};

struct State {
  EnterpriseState enterprise;
  MasterLists masters;
  Selection selection;
  CultureData culture;
  CalculationState calculation;
  SettingsLists settings;
  WindowState windows;
  ComparisonState comparison;
};

// The one instance.
State& state();
// Back to the start-of-program state (tests).
void ResetState();

}  // namespace tolvar
