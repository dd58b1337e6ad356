#pragma once
// The main window: frames every work window and carries the menu bar, the pop-up menus of the
// trees, the status bar and the enterprise file commands. Opening reads the system database
// and opens the enterprise it names; closing writes the state back.

#include <QMenu>
#include <QPointer>
#include <QString>

#include "platform/ui/forms.h"

class QAction;
class QLabel;
class QMenu;
class QStatusBar;

namespace tolvar::data {
struct Befehlsergebnis;
}

namespace tolvar {

class mdiTolvarZentral : public ui::MainFormOf<mdiTolvarZentral> {
  Q_OBJECT

 public:
  mdiTolvarZentral();

  // Menu bar, in display order ("mnuStrich..." are separators).
  QMenu* mnuBetrieb = nullptr;
  QAction* mnuoeffnen = nullptr;
  QAction* mnuStrich1 = nullptr;
  QAction* mnuspeichern = nullptr;
  QAction* mnuspeichernunter = nullptr;
  QAction* mnuStrich2 = nullptr;
  QAction* mnuEnde = nullptr;
  QAction* mnuStammdaten = nullptr;  // a command of the bar itself
  QMenu* mnuKalkulation = nullptr;
  QAction* mnuBegleit = nullptr;
  QAction* mnuStrich3 = nullptr;
  QAction* mnuNach = nullptr;
  QMenu* mnuVergleich = nullptr;
  QAction* mnuNeueErgebnisDB = nullptr;
  QAction* mnuVergleichNeu = nullptr;
  QAction* mnuStrich4 = nullptr;
  QAction* mnuVergleichExe = nullptr;
  QAction* mnuEinstellungen = nullptr;  // a command of the bar itself
  QMenu* mnuSicherung = nullptr;
  QAction* mnuBetriebSichern = nullptr;
  QAction* mnuStrichSicherung = nullptr;
  QAction* mnuSicherungLaden = nullptr;
  QMenu* mnuHilfe = nullptr;
  QAction* mnuHilfeText = nullptr;
  QAction* mnuHilfeDoku = nullptr;
  QAction* mnuStrich6 = nullptr;
  QAction* mnuInfo = nullptr;

  // Pop-up menus of the trees (root, group, record); not in the menu bar.
  QMenu* mnuPopUp1 = nullptr;
  QAction* mnuPopUp1Neu = nullptr;
  QMenu* mnuPopUp2 = nullptr;
  QAction* mnuPopUp2Aendern = nullptr;
  QAction* mnuStrichOpoup = nullptr;
  QAction* mnuPopUp2Neu = nullptr;
  QMenu* mnuPopUp3 = nullptr;
  QAction* mnuPopUp3Aendern = nullptr;
  QAction* mnuPopUp3Loeschen = nullptr;

  // Status bar with two panels: 1 the open file, 2 fixed width.
  QStatusBar* stbZentral = nullptr;
  QLabel* PanelLabel(int panel) const;
  QString PanelText(int panel) const;
  int PanelBreiteTwips(int panel) const;

  // Shows a pop-up menu at the mouse without waiting for the choice; its command runs when
  // the user picks an item.
  void PopupMenu(QMenu* menu);
  // The menu shown last by PopupMenu (tests).
  QMenu* LetztesPopUp() const { return m_letztesPopUp; }

  // Menu handlers.
  void mnuoeffnen_Click();
  void mnuspeichern_Click();
  void mnuspeichernunter_Click();
  void mnuEnde_Click();
  void mnuStammdaten_Click();
  void mnuBegleit_Click();
  void mnuNach_Click();
  void mnuNeueErgebnisDB_Click();
  void mnuVergleichNeu_Click();
  void mnuVergleichExe_Click();
  void mnuEinstellungen_Click();
  void mnuBetriebSichern_Click();
  void mnuSicherungLaden_Click();
  void mnuPopUp1Neu_Click();
  void mnuPopUp2Neu_Click();
  void mnuPopUp2Aendern_Click();
  void mnuPopUp3Aendern_Click();
  void mnuPopUp3Loeschen_Click();

  // Closes this main window (closing sequence), loads and shows it again (opening sequence),
  // then shows the culture data window when an enterprise is open. Do not touch this object
  // after the call: it is being destroyed.
  static void HauptfensterNeuLaden();

 protected:
  void MDIForm_Load() override;
  void MDIForm_Unload(bool& cancel) override;

 private:
  void MenuesAnlegen();
  void PopUpsAnlegen();
  void StatusleisteAnlegen();
  // A command's outcome: its message first, then the reopening it asks for.
  static void Ausfuehren(const data::Befehlsergebnis& ergebnis);

  QLabel* m_panel1 = nullptr;
  QLabel* m_panel2 = nullptr;
  QPointer<QMenu> m_letztesPopUp;
};

}  // namespace tolvar
