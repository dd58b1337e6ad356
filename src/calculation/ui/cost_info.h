#pragma once
// What the cost detail windows share: the comparison frame that lists the stored comparison
// cultures, shows the chosen one's value and data quality, and takes the value over into
// the calculation window; help on F1; closing with or without a recalculation.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calculation/mdlKalkulation.h"
#include "calculation/ui/window_of.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tolvar::ui {
class Grid;
class TabStrip;
}  // namespace tolvar::ui

namespace tolvar {

class frmKalkulation;

class KostenInfoFenster : public ui::Form {
  Q_OBJECT

 public:
  // A control's place in twips.
  struct Platz {
    int links = 0, oben = 0, breite = 0, hoehe = 0;
  };
  // Where the comparison frame's controls sit, relative to the frame, and how it looks.
  struct Gestalt {
    int breite = 0, hoehe = 0;  // of the frame; the window places it
    bool gruppe = false;        // a bold group box; else a plain frame
    bool datenbankNurLesen = false;
    std::array<Platz, 5> herkunft{};  // lblHerkunft(0..4)
    Platz liste{}, datenbank{}, kosten{}, qualitaet{}, uebernahme{}, beenden{};
  };
  // The frame of the windows that lay it over their grid or their own frames.
  static const Gestalt kStandardGestalt;

  // The comparison frame (hidden until a presentation shows it): a group box, or a plain
  // frame in the windows that place it on a tab page.
  QWidget* fraVergleich = nullptr;
  QComboBox* comVergleichskulturen = nullptr;
  QLineEdit* txtErgebnisdatenbank = nullptr;
  QLineEdit* txtKostenVergleichskultur = nullptr;
  QLineEdit* txtQualitaet = nullptr;  // objectName "txtQualität"
  // (0) "Vergleichskultur:", (1) "Ergebnisdatenbank:", (2) "Datenqualität:", (3) value, (4) unit.
  std::array<QLabel*, 5> lblHerkunft{};

  tolvar::Kostenart Kostenart() const { return m_rahmen.art; }

  // The selected entry of the list; -1 when the user has typed into its text part.
  int ListIndex() const;

  // Fills the frame from the result database and selects the first entry.
  void VergleichskulturenLaden();
  // Shows the value and the stars of the chosen comparison culture.
  void comVergleichskulturen_Click();

 protected:
  struct Rahmen {
    tolvar::Kostenart art;
    const char* wertText = nullptr;        // label (3)
    const char* einheitText = nullptr;     // label (4)
    const char* uebernahmeName = nullptr;  // "cmbOK", "cmbOk" or "cmbVergleichOK"; nullptr: none in the frame
    const char* uebernahmeText = nullptr;
    bool beendenImRahmen = false;  // a "Beenden" button cmbBeenden(1) in the frame
    bool berechnenBeimSchliessen = false;
    // Every change of the list's selection shows the chosen culture, also one made by the
    // program; else only the user's choice does.
    bool jedeAuswahlZeigen = false;
    const Gestalt* gestalt = &kStandardGestalt;
    // The window builds the frame itself (RahmenBauen) where its layout has it, e.g. on a
    // tab page; else it is built at once, the window's first controls.
    bool imFensterBauen = false;
  };
  // The window's name is the detail window its cost type's row names.
  KostenInfoFenster(const QString& caption, const Rahmen& rahmen);

  // Builds the comparison frame in `eltern`, at the frame's place (left, top in twips).
  void RahmenBauen(QWidget* eltern, int links, int oben);

  // The take-over button of the frame and its "Beenden" button (nullptr when absent).
  QPushButton* RahmenUebernahme() const { return m_uebernahme; }
  QPushButton* RahmenBeenden() const { return m_beenden; }

  // Takes the shown value over into the calculation window and closes. Nothing happens
  // while no list entry is chosen.
  void VergleichswertUebernehmen();
  // After a value was taken over: the calculation window's run (frmKalkulation::
  // UebernahmeKalkulieren), then the window closes without the run of closing, so a refused
  // box is reported once.
  void UebernahmeAbschliessen();
  // The origin flag after a take-over of a culture stored with grade `grad`.
  virtual int16_t HerkunftNachUebernahme(std::string_view grad, int16_t bisher) const;

  void Beenden_Click();
  void Form_Unload(bool& cancel) override;
  void Form_KeyDown(int key, int shift) override;

 private:
  Rahmen m_rahmen;
  bool m_uebernommen = false;  // the take-over ran the calculation; closing runs none
  QPushButton* m_uebernahme = nullptr;
  QPushButton* m_beenden = nullptr;
};

// The detail windows that break the cost down in a grid on a tab: tab 0 "Datenherkunft" shows
// the databases the figures come from, or in their place the comparison frame.
class Aufschluesselungsfenster : public KostenInfoFenster {
 public:
  QPushButton* cmbBeenden = nullptr;
  QPushButton* cmbOk = nullptr;  // the take-over button in the comparison frame

  // What differs between the breakdown windows' comparison frames: the row of the result
  // database and the captions and boxes of the row of the comparison culture.
  struct Vergleichszeilen {
    int datenbankOben = 0;  // of txtErgebnisdatenbank; its caption sits 120 twips lower
    int listeBreite = 0;    // of comVergleichskulturen
    Platz wert{};           // the value's caption lblHerkunft(3)
    Platz kosten{};         // txtKostenVergleichskultur
    Platz einheit{};        // lblHerkunft(4)
    Platz qualitaet{};      // "Datenqualität:" lblHerkunft(2)
  };
  // The comparison frame on the origin tab: a plain frame of 12735 x 3975 twips, the result
  // database above, the comparison culture with its value and stars below, the take-over
  // button under them.
  static Gestalt Vergleichsgestalt(const Vergleichszeilen& zeilen);

  // Turns the window into the take-over window: the comparison frame with the stored
  // cultures in front, the grid's tab switched off.
  void VergleichAnzeigen();

  void cmbOk_Click() { VergleichswertUebernehmen(); }

 protected:
  using KostenInfoFenster::KostenInfoFenster;

  // The "Beenden" button below the tabs, which closes the window.
  void BeendenKnopfBauen();
  // The tab strip `name`: tab 0 "Datenherkunft", tab 1 `titel` for the breakdown grid.
  ui::TabStrip* ReiterBauen(const char* name, const QString& titel);
  // The breakdown grid `name` on tab 1, `breite` twips wide with `spalten` columns, a header
  // row and room for kTabellenZeilen rows.
  ui::Grid* AufschluesselungBauen(const char* name, int breite, int spalten);
  // The comparison frame on the origin tab at (links, oben), hidden behind `datenrahmen`, the
  // frame of the databases; its take-over button is cmbOk.
  void VergleichsrahmenBauen(QWidget* datenrahmen, int links, int oben);

 private:
  ui::TabStrip* m_reiter = nullptr;
  QWidget* m_datenrahmen = nullptr;
};

// The calculation window when it is loaded; the detail windows and the origin menus never
// bring it into being.
frmKalkulation* GeladeneKalkulation();
// Runs the calculation and renews the cost buttons' captions, when the window is loaded.
void KalkulationAktualisieren();

// A column of a breakdown grid: header, width in twips, left (else centred) alignment,
// bold header, bold data cells.
struct TabellenSpalte {
  const char* kopf = nullptr;
  int breite = 0;
  bool links = false;
  bool kopfFett = false;
  bool fett = false;
};
// Rows a breakdown grid has at least: the header, 158 data rows and the total row.
inline constexpr int kTabellenZeilen = 160;
// Fills a breakdown grid: the header row, the data rows from row 1 on, and after them the
// total row with "Summe" in the last column but one and `summe` in the last. The grid grows
// when there are more rows than kTabellenZeilen allows.
void TabelleFuellen(ui::Grid& grid, const std::vector<TabellenSpalte>& spalten,
                    const std::vector<std::vector<std::string>>& zeilen, const QString& summe);
// The same for rows of fixed length.
template <std::size_t N>
void TabelleFuellen(ui::Grid& grid, const std::vector<TabellenSpalte>& spalten,
                    const std::vector<std::array<std::string, N>>& zeilen, const QString& summe) {
  std::vector<std::vector<std::string>> texte;
  texte.reserve(zeilen.size());
  for (const auto& zeile : zeilen) texte.emplace_back(zeile.begin(), zeile.end());
  TabelleFuellen(grid, spalten, texte, summe);
}

// A number in a fixed format; empty when there is no number to show.
QString Zahltext(std::optional<double> wert, std::string_view muster);

// A breakdown grid filled row by row over what an earlier filling left: the header row, then
// data rows from row 1 on (bold in the columns whose header is bold), sorted at the end and
// closed by the total row.
class Aufschluesselung {
 public:
  struct Spalte {
    const char* kopf = nullptr;
    int breite = 0;  // twips
    int ausrichtung = 0;
    bool fett = false;
  };
  // Writes the header row.
  Aufschluesselung(ui::Grid& grid, std::vector<Spalte> spalten);
  // Adds a data row; the grid grows when the total row would not fit below it.
  void Zeile(const std::vector<QString>& texte);
  // Sorts the data rows by `spalte`, descending, and writes "Summe" and `summe` into the last
  // two columns of the row below them.
  void Abschliessen(int spalte, const QString& summe);

 private:
  ui::Grid& m_grid;
  std::vector<Spalte> m_spalten;
  int m_zeile = 0;
};

}  // namespace tolvar
