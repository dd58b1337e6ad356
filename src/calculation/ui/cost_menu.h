#pragma once
// What the cost-origin menus share: the user decides where a cost line's value comes from
// (computed from the culture data, taken from a comparison culture, typed in; marketing also
// worked out for the culture alone), and the choice acts at once on the calculation window.

#include <QString>
#include <array>
#include <cstdint>

#include "calculation/mdlKalkulation.h"
#include "calculation/ui/window_of.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"

class QCloseEvent;
class QPushButton;

namespace tolvar::ui {
class OptionGroup;
}

namespace tolvar {

class KostenMenue : public ui::Form {
  Q_OBJECT

 public:
  // When the choice applies: through OK only; also through the user's close box; whenever
  // the menu unloads, also when the program closes it.
  enum class Anwendung { MitOK, BeimSchliessen, BeimEntladen };
  // A menu laid out to its own measure (twips) rather than as the computed column of options:
  // it has a small bold font, the hand pointer over its options, and keeps the place it
  // opens at.
  struct Gestalt {
    int breite, hoehe;
    int optionLinks, optionOben, optionAbstand, optionBreite, optionHoehe;
    int okLinks, okOben, okBreite, okHoehe;
  };

  // opbHerkunft(1..3); the marketing menu also opbHerkunft(0).
  ui::OptionGroup* opbHerkunft = nullptr;
  QPushButton* cmbOK = nullptr;

  tolvar::Kostenart Kostenart() const { return m_art; }

  void cmbOK_Click();

 protected:
  struct Beschreibung {
    tolvar::Kostenart art;
    const char* caption;
    // Option texts by index 0..3 (nullptr: no such option) and their order top to bottom.
    std::array<const char*, 4> optionen;
    std::array<int, 4> reihenfolge;
    // Captions of the line's cost button by flag 0..3 (nullptr: not written).
    std::array<const char*, 4> beschriftung;
    Anwendung anwendung;
    const Gestalt* gestalt = nullptr;  // nullptr: the computed layout
  };
  // The menu's name is the origin menu its cost type's row names.
  explicit KostenMenue(const Beschreibung& beschreibung);
  // The computed layout: the options in a column, OK below them on the right.
  static Gestalt StandardGestalt(int optionen);

  // Opens the line's detail window with the comparison cultures (flag 2).
  virtual void VergleichOeffnen() = 0;
  // Opens the culture-specific entry (flag 0, marketing only).
  virtual void KulturspezifischOeffnen() {}

  void Form_Load() override;
  void Form_Unload(bool& cancel) override;
  void Form_KeyDown(int key, int shift) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Sets the line's flag from the selected option and acts on it.
  void Anwenden();
  void BeschriftungSchreiben(int16_t herkunft);

  Beschreibung m_b;
  tolvar::Kostenart m_art;
  bool m_anwenden = false;
};

}  // namespace tolvar
