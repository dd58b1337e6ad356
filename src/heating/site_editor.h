#pragma once
// The logic of the site editor frmStandort on the program-wide state: what it shows when it
// opens or is activated, the kind options, and the save of a site's greenhouse row together
// with its master record. The window keeps its controls and layout; it copies its controls
// into a StandortFormular, calls these functions and copies the form back.

#include <functional>
#include <string>

#include "heating/site_form.h"

namespace tolvar::heating {

// Form_Load. Always the new-house defaults with fresh lists. "Neu": the proposed number and
// barcode (from the master-data numbering), then the defaults of the selected site
// StandortListe(StandortIndex), the group on whose pop-up the editor was opened. "Aendern":
// the selected site's master fields, kind and row. A Vanteldatenbank that cannot be read is
// reported; the lists then stay empty.
void Laden(StandortFormular& f, const std::string& naechsteNr = "", const std::string& naechsterBarcode = "");

// Form_Activate. "Aendern" only: fresh covering and fuel lists, each selection kept while
// its list still holds it. Typed values stay and nothing is stored.
void Aktivieren(StandortFormular& f);

// opbHaus_Click: the house kind, then the defaults of the selected site.
void HausWaehlen(StandortFormular& f);
// opbGruppe_Click: the group kind; nothing is loaded.
void GruppeWaehlen(StandortFormular& f);

// The save's outcome: `schliessen` when the window may close. Otherwise the reason has been
// shown already; with `fokusName` the cursor goes into txtName, with `fokus` into the box of
// that name.
struct StandortSpeicherergebnis {
  bool schliessen = false;
  bool fokusName = false;
  std::string fokus;
};

// The greenhouse and heating values the heating model reads, each by its field's rule (the
// table beside the save): a house's txtLaenge, txtBreite and txtStehwand 0 or more (a new
// house below a group proposes "0" for length and width; a foil house may have no side
// walls), txtHaus at least txtStehwand, txtWege from 0 to under 100 (the group boxes
// txtGruStehwand, txtGruHaus, txtGruWege alike); txtKappenzahl a whole number of 1 or more,
// shown with a house and read for a Venlo house; the txtGrenz… box of each boundary surface a
// number; txtWirkungsgrad above 0 or the text "0" (read as 85 %); txtEinsparung from 0 to 100,
// with or without the energy screen; txtFaktor 0 or more. An empty box passes: the row stores
// "85" or "20" for the efficiency and the saving and the empty text elsewhere. Every bound
// stays within base::kLargestAmount. Returns the name of the first box refused, after
// "Überprüfen sie bitte ihre Werte"; empty when all pass.
std::string HeizdatenPruefen(const StandortFormular& f);

// Saves the master record of the open editor into the labour-time database (the master-data
// editors' routine); false when it stored nothing.
using StammdatensatzSpeichern = std::function<bool()>;

// cmbSpeichern_Click (fuerAlle false) and cmbFuerAlle_Click (fuerAlle true). Checks first: an
// empty name is refused with "Sie müssen erst einen Namen vergeben", a value refused by
// HeizdatenPruefen with its message, and nothing is stored.
// Then the site's row of table Vantel is replaced (change mode keeps a house's overheads),
// the master record is saved through `stammdaten` (skipped when it is empty), and with
// fuerAlle an existing group hands its data to its direct children. A group being created
// has no houses yet: nothing is copied.
StandortSpeicherergebnis Speichern(const StandortFormular& f, bool fuerAlle, const StammdatensatzSpeichern& stammdaten);

}  // namespace tolvar::heating
