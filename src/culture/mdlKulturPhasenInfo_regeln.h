#pragma once
// The rules of the phase grid that need no window: the rows the grid shows, the checks of
// a single start or end date, the check of the whole phase sequence, the shift of dates
// after a deletion, and the key filters of the phase boxes.

#include <string>
#include <string_view>
#include <vector>

#include "culture/grid_values.h"
#include "culture/mdlKulturPhasenInfo.h"
#include "data/state.h"

namespace tolvar::mdlKulturPhasenInfo {

// Messages of the date checks (title "Tolvar-Information", critical icon).
inline constexpr std::string_view kMeldungEndeUngueltig =
    "Das eingegeben Phasenende ist ungültig. Bitte prüfen sie die Eingabe.";
inline constexpr std::string_view kMeldungAnfangFehltBeimEnde =
    "Der eingegebene Phasenanfang ist ungültig ist ungültig. Bitte prüfen sie die Eingabe.";
inline constexpr std::string_view kMeldungAnfangUngueltig =
    "Der eingegebene Phasenanfang ist ungültig. Bitte prüfen sie die Eingabe.";
inline constexpr std::string_view kMeldungEingabePruefen = "Bitte prüfen sie die Eingabe.";

// Column headers of the phase grid (column 9, the gross area, has none).
inline constexpr std::string_view kPhasenKoepfe[kPhasenSpalten] = {
    "Kulturphase", "Menge", "Fläche (Nm²)", "Beginn", "Ende", "TT °C", "NT °C", "W/Nm²", "h", ""};

// The grid row of a phase: name, numbers as stored, dates as "dd.mm.yyyy".
PhasenZeile PhasenZeileVon(const PhasenSatz& phase);

// The data rows the phase grid shows for PhasenListe: the run of filled slots from slot 1
// up to the first empty one (none when slot 1 is empty).
std::vector<PhasenZeile> KulturphasenTabelle(const CultureData& kultur);

// The slots the phase tree shows: every filled slot 1..25 in slot order.
std::vector<int> PhasenBaumSlots(const CultureData& kultur);

// Start check of phase 1 (the window runs it when txtBeginn of phase 1 loses the focus):
// the start text must be a date of exactly 10 characters, and an end text, when given,
// must be a later date. Shows the start message and returns false otherwise.
bool PhasenanfangPruefen(std::string_view beginn, std::string_view ende);

// End check (txtEnde losing the focus after Enter): the end text must be a date of exactly
// 10 characters later than the start; an empty start gives the start message with the
// doubled words. Shows the message and returns false on failure.
bool PhasenendePruefen(std::string_view beginn, std::string_view ende);

// Sequence check of the grid before a save: every named row from the first must end after
// it begins, and each following named row must begin the day after. Stops at the first row
// without a name. A date cell that is no date fails like a wrong date. On failure hands the
// two cells to `malen`, then shows "Bitte prüfen sie die Eingabe." and returns the cells.
// Sets EingabeOk of `kultur`.
culture::Pruefergebnis PhasenfolgePruefen(const std::vector<PhasenZeile>& zeilen, CultureData& kultur,
                                          const culture::ZellenMalen& malen = {});

// After the phase PhasenIndex has been chosen for deletion (and before its grid row is
// removed): rows PhasenIndex+1 .. AnzahlPhasen take the dates of the phase before them
// from PhasenListe. Nothing moves when the first phase is deleted; rows outside the grid
// are passed over.
void PhasenTermineNachruecken(std::vector<PhasenZeile>& zeilen, const CultureData& kultur, const Selection& auswahl);

// Key filters of the phase boxes, by character code (13 Enter, 8 Backspace).
inline constexpr int kTasteEnter = 13;
inline constexpr int kTasteRueck = 8;

struct Tastenwirkung {
  bool Leeren = false;       // empty the box before the key acts
  bool Durchlassen = false;  // false: drop the key with a beep
};

// Date boxes (txtBeginn, txtEnde): a fully selected text is emptied first; at 10 or more
// characters only Enter and Backspace pass, otherwise also the digits and the point.
Tastenwirkung DatumsfeldTaste(std::string_view text, bool ganzMarkiert, int taste);

// Number boxes (txtTT, txtNT, txtLicht, txtDauer): digits, comma, Enter and Backspace.
bool ZahlenfeldTaste(int taste);

}  // namespace tolvar::mdlKulturPhasenInfo
