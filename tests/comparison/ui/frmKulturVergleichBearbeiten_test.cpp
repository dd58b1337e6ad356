// The comparison-culture editor on result databases built in code: the tree, the modes,
// saving, deleting, the cost boxes' key filter, and import and export by drag and drop.
#include "comparison/ui/frmKulturVergleichBearbeiten.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <fstream>

#include "comparison/comparison_cultures.h"
#include "comparison/ui/vergleich_fenster_fixture.h"
#include "platform/sys/files.h"
#include "platform/ui/builders.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/prompts.h"
#include "support/file_faults.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

using Texte = std::vector<std::string>;
QString Key(const std::string& kultur, int nr) { return ui::Q(comparison::Schluessel(kultur, std::to_string(nr))); }
const QString kWurzel = QStringLiteral("Kultur");

class BearbeitenTest : public VergleichFensterTest {
 protected:
  void SetUp() override {
    VergleichFensterTest::SetUp();
    for (int i = 0; i < 3; ++i) ZeileEinfuegen(eigene, Beispielkultur(i, "K" + std::to_string(i)));
  }
  frmKulturVergleichBearbeiten& Oeffnen() {
    frmKulturVergleichBearbeiten& f = frmKulturVergleichBearbeiten::instanz();
    f.Show();
    return f;
  }
  static void Klicken(frmKulturVergleichBearbeiten& f, const QString& key) {
    ASSERT_TRUE(ClickNode(f.trvKulturvergleich, key)) << ui::S(key);
  }
  // Drags the node `key` of the tree onto `liste` with the mouse.
  static void Ziehen(frmKulturVergleichBearbeiten& f, const QString& key, ui::Grid* liste) {
    ASSERT_TRUE(DragNodeTo(f.trvKulturvergleich, key, liste)) << ui::S(key);
  }
  std::string fremde = root.Join("Tolvar_DB/Fremde.mdb");
};

TEST_F(BearbeitenTest, OpensWithTheTreeAndNoModeChosen) {
  frmKulturVergleichBearbeiten& f = Oeffnen();
  EXPECT_EQ(f.trvKulturvergleich->Children(kWurzel), (QStringList{Key("K0", 0), Key("K1", 1), Key("K2", 2)}));
  EXPECT_EQ(f.trvKulturvergleich->Text(kWurzel), QStringLiteral("Kulturen"));
  EXPECT_TRUE(f.trvKulturvergleich->Expanded(kWurzel));
  EXPECT_EQ(f.opbKultur->Selected(), -1);
  EXPECT_TRUE(f.cmbLoeschen->isHidden());
  EXPECT_TRUE(f.cmbAbbruch->isHidden());
  EXPECT_TRUE(f.fraImport->isHidden());
  EXPECT_EQ(f.Zeichen[0]->text(), QStringLiteral("* * *"));
}

TEST_F(BearbeitenTest, EditModeLoadsTheClickedCultureAsStored) {
  frmKulturVergleichBearbeiten& f = Oeffnen();
  ASSERT_TRUE(test::Click(f.opbKultur->Button(0)));
  EXPECT_FALSE(f.cmbLoeschen->isHidden());
  Klicken(f, Key("K1", 1));
  EXPECT_EQ(f.txtKultur->text(), QStringLiteral("K1"));
  EXPECT_EQ(f.txtPreis->text(), QStringLiteral("0,90"));
  EXPECT_EQ(f.txtTQM->text(), QStringLiteral("730"));
  EXPECT_EQ(f.txtHeizkosten->text(), QStringLiteral("150"));
  EXPECT_EQ(f.txtBemerkung->toPlainText(), QStringLiteral("Bemerkung K1"));
  EXPECT_TRUE(f.chbImport->isChecked());
  EXPECT_EQ(f.Zeichen[1]->text(), QStringLiteral("* *"));
  EXPECT_EQ(f.Zeichen[2]->text(), QStringLiteral("*"));
  // The root loads nothing.
  Klicken(f, kWurzel);
  EXPECT_EQ(f.txtKultur->text(), QStringLiteral("K1"));
}

TEST_F(BearbeitenTest, SavingAnEditedCultureMovesItLastAndKeepsFollowingIt) {
  frmKulturVergleichBearbeiten& f = Oeffnen();
  ASSERT_TRUE(test::Click(f.opbKultur->Button(0)));
  Klicken(f, Key("K0", 0));
  ASSERT_TRUE(test::TypeInto(f.txtKultur, QStringLiteral("K0 neu")));
  ASSERT_TRUE(test::Click(f.cmbSpeichern));
  EXPECT_EQ(SpalteLesen(eigene, "Kultur"), (Texte{"K1", "K2", "K0 neu"}));
  EXPECT_EQ(SpalteLesen(eigene, "Nr"), (Texte{"0", "1", "2"}));
  EXPECT_EQ(f.trvKulturvergleich->Children(kWurzel).last(), Key("K0 neu", 2));
  // A second save replaces the same culture, not the one that took over number 0.
  ASSERT_TRUE(test::TypeInto(f.txtPreis, QStringLiteral("1,10")));
  ASSERT_TRUE(test::Click(f.cmbSpeichern));
  EXPECT_EQ(SpalteLesen(eigene, "Kultur"), (Texte{"K1", "K2", "K0 neu"}));
  EXPECT_EQ(SpalteLesen(eigene, "Preis")[2], "1,10");
}

// Fields without a value empty their boxes and grades: nothing of the culture shown before is
// shown or stored with the one chosen now.
TEST_F(BearbeitenTest, FieldsWithoutValueEmptyTheirBoxesAndAreStoredAsDefaults) {
  Spalten ohne = Beispielkultur(3, "Ohne");
  for (const char* feld : {"Beginn", "TQM", "Akh", "Bemerkungen", "DQHeizung"}) ohne[feld] = db::Value();
  ZeileEinfuegen(eigene, ohne);
  frmKulturVergleichBearbeiten& f = Oeffnen();
  ASSERT_TRUE(Click(f.opbKultur->Button(0)));
  ASSERT_TRUE(ClickNode(f.trvKulturvergleich, Key("K1", 1)));
  ASSERT_EQ(f.txtBeginn->text(), QStringLiteral("01.03.2024"));
  ASSERT_EQ(f.Zeichen[0]->text(), QStringLiteral("* * *"));
  ASSERT_TRUE(ClickNode(f.trvKulturvergleich, Key("Ohne", 3)));
  EXPECT_EQ(f.txtKultur->text(), QStringLiteral("Ohne"));
  EXPECT_TRUE(f.txtBeginn->text().isEmpty());
  EXPECT_TRUE(f.txtTQM->text().isEmpty());
  EXPECT_TRUE(f.txtAkh->text().isEmpty());
  EXPECT_TRUE(f.txtBemerkung->toPlainText().isEmpty());
  EXPECT_EQ(f.Zeichen[0]->text(), QStringLiteral("*"));
  ASSERT_TRUE(Click(f.cmbSpeichern));
  EXPECT_EQ(SpalteLesen(eigene, "Kultur"), (Texte{"K0", "K1", "K2", "Ohne"}));
  EXPECT_EQ(SpalteLesen(eigene, "Beginn").back(), "01.01.1900");
  EXPECT_EQ(SpalteLesen(eigene, "TQM").back(), "0");
  EXPECT_EQ(SpalteLesen(eigene, "Akh").back(), "0");
  EXPECT_EQ(SpalteLesen(eigene, "Bemerkungen").back(), "");
  EXPECT_EQ(SpalteLesen(eigene, "DQHeizung").back(), "3");
  EXPECT_EQ(SpalteLesen(eigene, "Heizung").back(), "150");
}

TEST_F(BearbeitenTest, SavingRightAfterOpeningAppendsTheDefaults) {
  frmKulturVergleichBearbeiten& f = Oeffnen();
  ASSERT_TRUE(test::Click(f.cmbSpeichern));
  EXPECT_EQ(SpalteLesen(eigene, "Kultur"), (Texte{"K0", "K1", "K2", "0"}));
  EXPECT_EQ(SpalteLesen(eigene, "Ende")[3], "01.01.1900");
  EXPECT_EQ(f.txtKultur->text(), QStringLiteral("0"));
  EXPECT_EQ(f.txtBeginn->text(), QStringLiteral("01.01.1900"));
  EXPECT_EQ(f.txtGemeinkosten->text(), QStringLiteral("0"));
}

// A box the table's rules refuse is named with its text and what it takes, and gets the
// focus; nothing is stored.
TEST_F(BearbeitenTest, RefusedBoxesAreNamedAndFocusedAndNothingIsLost) {
  frmKulturVergleichBearbeiten& f = Oeffnen();
  ASSERT_TRUE(test::Click(f.opbKultur->Button(0)));
  Klicken(f, Key("K0", 0));
  const std::string vorher = FileContents(eigene);
  struct Fall {
    QLineEdit* box;
    QString text;
    QString meldung;
  };
  const Fall faelle[] = {
      {f.txtAkh, QStringLiteral("viele"),
       QStringLiteral("Summe Akh \"viele\" muss ein Betrag von 0 bis 1.000.000.000.000 sein.")},
      {f.txtMenge, QStringLiteral("1,5"),
       QStringLiteral("Menge \"1,5\" muss eine ganze Zahl von 0 bis 1.000.000.000.000 sein.")},
      {f.txtMenge, QStringLiteral("6.000"),
       QStringLiteral("Menge \"6.000\" muss eine ganze Zahl von 0 bis 1.000.000.000.000 sein. Bitte geben Sie "
                      "die Zahl ohne Tausenderpunkte ein.")},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(ui::S(fall.text));
    Klicken(f, Key("K0", 0));
    fall.box->clear();
    ASSERT_TRUE(test::TypeInto(fall.box, fall.text));
    f.txtBemerkung->setFocus();
    const std::size_t gezeigt = prompts->messageBoxes().size();
    prompts->AnswerMsgBox(ui::msgbox::Ok);
    ASSERT_TRUE(test::Click(f.cmbSpeichern));
    ASSERT_EQ(prompts->messageBoxes().size(), gezeigt + 1);
    EXPECT_EQ(prompts->messageBoxes().back().text, QStringLiteral("Die Vergleichskultur wurde nicht gespeichert. ") +
                                                       fall.meldung +
                                                       QStringLiteral("\n\nBitte korrigieren Sie die Eingabe."));
    EXPECT_EQ(QApplication::focusWidget(), fall.box);
    EXPECT_TRUE(FileContents(eigene) == vorher);
  }
}

// A culture the result save stored with a negative marketing cost (from a negative turnover)
// is saved unchanged by the editor.
TEST_F(BearbeitenTest, AStoredNegativeMarketingCostSavesUnchanged) {
  Spalten zeile = Beispielkultur(3, "Negativ");
  zeile["Vermarktung"] = "-2500000,00";
  ZeileEinfuegen(eigene, zeile);
  frmKulturVergleichBearbeiten& f = Oeffnen();
  ASSERT_TRUE(test::Click(f.opbKultur->Button(0)));
  Klicken(f, Key("Negativ", 3));
  ASSERT_TRUE(test::Click(f.cmbSpeichern));
  EXPECT_TRUE(prompts->messageBoxes().empty());
  EXPECT_EQ(SpalteLesen(eigene, "Kultur").back(), "Negativ");
  EXPECT_EQ(SpalteLesen(eigene, "Vermarktung").back(), "-2500000,00");
}

TEST_F(BearbeitenTest, DeletingTheRootDeletesNothingButEmptiesTheBoxes) {
  frmKulturVergleichBearbeiten& f = Oeffnen();
  ASSERT_TRUE(test::Click(f.opbKultur->Button(0)));
  Klicken(f, Key("K1", 1));
  Klicken(f, kWurzel);
  ASSERT_TRUE(test::Click(f.cmbLoeschen));
  EXPECT_EQ(SpalteLesen(eigene, "Kultur"), (Texte{"K0", "K1", "K2"}));
  EXPECT_TRUE(f.txtKultur->text().isEmpty());
  Klicken(f, Key("K1", 1));
  ASSERT_TRUE(test::Click(f.cmbLoeschen));
  EXPECT_EQ(SpalteLesen(eigene, "Kultur"), (Texte{"K0", "K2"}));
  EXPECT_EQ(f.trvKulturvergleich->Children(kWurzel), (QStringList{Key("K0", 0), Key("K2", 1)}));
  // The deleted culture's key went with it: a second delete removes nothing.
  ASSERT_TRUE(test::Click(f.cmbLoeschen));
  EXPECT_EQ(SpalteLesen(eigene, "Kultur"), (Texte{"K0", "K2"}));
}

TEST_F(BearbeitenTest, CostBoxesTakeDigitsAndCommaAndMarkThemTypedIn) {
  frmKulturVergleichBearbeiten& f = Oeffnen();
  ASSERT_TRUE(test::Click(f.opbKultur->Button(0)));
  Klicken(f, Key("K0", 0));
  ASSERT_TRUE(test::FocusByClick(f.txtHeizkosten));
  f.txtHeizkosten->end(false);
  ASSERT_TRUE(test::Press(Qt::Key_Period));
  EXPECT_EQ(prompts->beeps(), 1);
  EXPECT_EQ(f.txtHeizkosten->text(), QStringLiteral("150"));
  EXPECT_EQ(f.Zeichen[0]->text(), QStringLiteral("* * *"));
  f.txtHeizkosten->end(false);
  ASSERT_TRUE(test::Type(QStringLiteral(",5")));
  EXPECT_EQ(f.txtHeizkosten->text(), QStringLiteral("150,5"));
  EXPECT_EQ(f.Zeichen[0]->text(), QStringLiteral("*"));
  EXPECT_EQ(f.Qualitaet[0], 3);
  ASSERT_TRUE(test::PressIn(f.txtGemeinkosten, Qt::Key_Return));
  EXPECT_EQ(test::FocusWidget(), f.txtBemerkung);
  EXPECT_EQ(f.Qualitaet[7], 3);
  ASSERT_TRUE(test::Click(f.cmbSpeichern));
  EXPECT_EQ(SpalteLesen(eigene, "DQHeizung")[2], "3");
  EXPECT_EQ(SpalteLesen(eigene, "DQMaterial")[2], "2");
}

// A value pasted by the context menu is the user's as a typed one is; "-5" is refused whole.
TEST_F(BearbeitenTest, PastedCostsPassTheFilterAndMarkThemTypedIn) {
  frmKulturVergleichBearbeiten& f = Oeffnen();
  ASSERT_TRUE(test::Click(f.opbKultur->Button(0)));
  Klicken(f, Key("K0", 0));
  ASSERT_NE(f.Qualitaet[1], 3);
  const QString vorher = f.txtMaterialkosten->text();
  ASSERT_TRUE(test::PasteByContextMenu(f.txtMaterialkosten, QStringLiteral("-5")));
  EXPECT_EQ(f.txtMaterialkosten->text(), vorher);
  EXPECT_NE(f.Qualitaet[1], 3);
  f.txtMaterialkosten->clear();
  ASSERT_TRUE(test::PasteByContextMenu(f.txtMaterialkosten, QStringLiteral("12,5")));
  EXPECT_EQ(f.txtMaterialkosten->text(), QStringLiteral("12,5"));
  EXPECT_EQ(f.Qualitaet[1], 3);
  EXPECT_EQ(f.Zeichen[1]->text(), QStringLiteral("*"));
  ASSERT_TRUE(test::Click(f.cmbSpeichern));
  EXPECT_EQ(SpalteLesen(eigene, "DQMaterial")[2], "3");
}

TEST_F(BearbeitenTest, NewModeAppendsEachSaveAndAbbruchReturnsToEditing) {
  frmKulturVergleichBearbeiten& f = Oeffnen();
  ASSERT_TRUE(test::Click(f.opbKultur->Button(1)));
  EXPECT_TRUE(f.fraDatenqualitaet->isHidden());
  EXPECT_FALSE(f.cmbAbbruch->isHidden());
  ASSERT_TRUE(test::TypeInto(f.txtKultur, QStringLiteral("Hand")));
  ASSERT_TRUE(test::Click(f.cmbSpeichern));
  ASSERT_TRUE(test::Click(f.cmbSpeichern));
  EXPECT_EQ(SpalteLesen(eigene, "Kultur"), (Texte{"K0", "K1", "K2", "Hand", "Hand"}));
  EXPECT_EQ(SpalteLesen(eigene, "Import")[3], "0");
  ASSERT_TRUE(test::Click(f.cmbAbbruch));
  EXPECT_EQ(f.opbKultur->Selected(), 0);
  EXPECT_FALSE(state().comparison.NeueVergleichskultur);
  EXPECT_TRUE(f.txtKultur->text().isEmpty());
}

TEST_F(BearbeitenTest, ImportRefusesTheOwnDatabaseAndFilesWithoutTheTable) {
  frmKulturVergleichBearbeiten& f = Oeffnen();
  prompts->AnswerFile(ui::Q(eigene)).AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(f.opbKultur->Button(2)));
  ASSERT_EQ(prompts->messageBoxes().size(), 1u);
  EXPECT_EQ(prompts->messageBoxes()[0].text, QStringLiteral("Die Zieldatenbank entspricht der Herkunftsdatenbank.\n\n"
                                                            "Der Vorgang konnte deshalb nicht ausgeführt werden."));
  EXPECT_EQ(f.opbKultur->Selected(), -1);
  EXPECT_FALSE(f.fraImport->isHidden());
  EXPECT_FALSE(f.cmbAuswahlImport->isEnabled());

  const std::string leer = root.Join("Tolvar_DB/Leer.mdb");
  {
    // A database with a table of its own, but not the comparison cultures'.
    auto andere = db::Database::Create(leer);
    ASSERT_TRUE(andere);
    ASSERT_TRUE(andere->Execute("CREATE TABLE Andere (Nr INTEGER)"));
  }
  prompts->AnswerFile(ui::Q(leer)).AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(f.opbKultur->Button(2)));
  ASSERT_EQ(prompts->messageBoxes().size(), 2u);
  EXPECT_EQ(
      prompts->messageBoxes()[1].text,
      QStringLiteral("Die ausgewählte Ergebnis-Datenbank ist ungültig und kann nicht geöffnet werden.\n\nDatei: ") +
          ui::Q(leer) + QStringLiteral("\nEs fehlt die Tabelle \"Vergleichskulturen\"."));
  EXPECT_EQ(f.opbKultur->Selected(), -1);
  EXPECT_EQ(SpalteLesen(eigene, "Kultur").size(), 3u);
}

TEST_F(BearbeitenTest, ImportingAllCulturesOfAnotherDatabase) {
  ErgebnisdatenbankAnlegen(fremde);
  ZeileEinfuegen(fremde, Beispielkultur(0, "F0"));
  ZeileEinfuegen(fremde, Beispielkultur(1, "F1"));
  frmKulturVergleichBearbeiten& f = Oeffnen();
  prompts->AnswerFile(ui::Q(fremde));
  ASSERT_TRUE(test::Click(f.opbKultur->Button(2)));
  EXPECT_EQ(f.txtImport->text(), ui::Q(fremde));
  EXPECT_EQ(f.trvKulturvergleich->Children(kWurzel), (QStringList{Key("F0", 0), Key("F1", 1)}));
  EXPECT_EQ(f.dtgImport->Rows(), 3);

  Ziehen(f, kWurzel, f.dtgImport);
  EXPECT_EQ(f.dtgImport->TextMatrix(0, 0), QStringLiteral("F0"));
  EXPECT_EQ(f.dtgImport->TextMatrix(1, 1), QStringLiteral("1"));

  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(f.cmbAuswahlImport));
  EXPECT_EQ(prompts->messageBoxes().back().text, QStringLiteral("Import erfolgreich beendet."));
  EXPECT_EQ(prompts->messageBoxes().back().style, ui::msgbox::Information);
  EXPECT_EQ(SpalteLesen(eigene, "Kultur"), (Texte{"K0", "K1", "K2", "F0", "F1"}));
  EXPECT_EQ(SpalteLesen(eigene, "Nr"), (Texte{"0", "1", "2", "3", "4"}));
  EXPECT_EQ(SpalteLesen(eigene, "Import"), (Texte{"0", "0", "0", "-1", "-1"}));
  EXPECT_EQ(f.opbKultur->Selected(), 0);
  EXPECT_TRUE(f.fraImport->isHidden());
  EXPECT_TRUE(f.fraDatenqualitaet->isHidden());
  EXPECT_TRUE(f.chbImport->isHidden());
  EXPECT_EQ(f.trvKulturvergleich->Children(kWurzel).size(), 5);
  EXPECT_EQ(f.dtgImport->TextMatrix(0, 0), QString());
}

// A row the editor would refuse (a cost that is no amount, a date that is no date) is not
// imported; one message names its culture, and the other rows are imported.
TEST_F(BearbeitenTest, ImportRefusesRowsTheEditorWouldRefuse) {
  ErgebnisdatenbankAnlegen(fremde);
  Spalten text = Beispielkultur(0, "Text");
  text["Heizung"] = "abc";
  ZeileEinfuegen(fremde, text);
  ZeileEinfuegen(fremde, Beispielkultur(1, "Gut"));
  Spalten negativ = Beispielkultur(2, "Negativ");
  negativ["Menge"] = "-5";
  ZeileEinfuegen(fremde, negativ);
  frmKulturVergleichBearbeiten& f = Oeffnen();
  prompts->AnswerFile(ui::Q(fremde));
  ASSERT_TRUE(test::Click(f.opbKultur->Button(2)));
  f.trvKulturvergleich->SetDropHighlight(kWurzel);
  ui::DragController::Begin(f.trvKulturvergleich);
  ui::DragController::Drop(f.dtgImport, QPoint(5, 5));
  prompts->AnswerMsgBox(ui::msgbox::Ok).AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(f.cmbAuswahlImport));
  ASSERT_EQ(prompts->messageBoxes().size(), 2u);
  EXPECT_EQ(
      prompts->messageBoxes()[0].text,
      QStringLiteral("Diese Vergleichskulturen enthalten ein Datum oder eine Zahl, die keine gültigen Werte sind, "
                     "und werden nicht importiert:\n\n\"Text\"\n\"Negativ\""));
  EXPECT_EQ(prompts->messageBoxes()[1].text, QStringLiteral("Import erfolgreich beendet."));
  EXPECT_EQ(SpalteLesen(eigene, "Kultur"), (Texte{"K0", "K1", "K2", "Gut"}));
}

TEST_F(BearbeitenTest, OneCultureDroppedTwiceIsImportedTwiceAndAnEmptyListStillSucceeds) {
  ErgebnisdatenbankAnlegen(fremde);
  ZeileEinfuegen(fremde, Beispielkultur(0, "F0"));
  ZeileEinfuegen(fremde, Beispielkultur(1, "F1"));
  frmKulturVergleichBearbeiten& f = Oeffnen();
  prompts->AnswerFile(ui::Q(fremde));
  ASSERT_TRUE(test::Click(f.opbKultur->Button(2)));
  for (const QString& key : {Key("F1", 1), Key("F1", 1), Key("F0", 0), Key("F0", 0)}) {
    Ziehen(f, key, f.dtgImport);
  }
  // More listings than rows: the list grows.
  EXPECT_EQ(f.dtgImport->Rows(), 4);
  EXPECT_EQ(f.dtgImport->TextMatrix(3, 0), QStringLiteral("F0"));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(f.cmbAuswahlImport));
  EXPECT_EQ(SpalteLesen(eigene, "Kultur"), (Texte{"K0", "K1", "K2", "F1", "F1", "F0", "F0"}));

  prompts->AnswerFile(ui::Q(fremde)).AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(f.opbKultur->Button(2)));
  ASSERT_TRUE(test::Click(f.cmbAuswahlImport));
  EXPECT_EQ(prompts->messageBoxes().back().text, QStringLiteral("Import erfolgreich beendet."));
  EXPECT_EQ(SpalteLesen(eigene, "Kultur").size(), 7u);
}

TEST_F(BearbeitenTest, ExportAfterImportListsTheOwnCulturesAndLeavesTheSettingAlone) {
  ErgebnisdatenbankAnlegen(fremde);
  ZeileEinfuegen(fremde, Beispielkultur(0, "F0"));
  frmKulturVergleichBearbeiten& f = Oeffnen();
  prompts->AnswerFile(ui::Q(fremde));
  ASSERT_TRUE(test::Click(f.opbKultur->Button(2)));
  prompts->AnswerFile(ui::Q(fremde));
  ASSERT_TRUE(test::Click(f.opbKultur->Button(3)));
  EXPECT_EQ(f.trvKulturvergleich->Children(kWurzel).size(), 3);
  Ziehen(f, Key("K2", 2), f.dtgExport);
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(f.cmbAuswahlExport));
  EXPECT_EQ(prompts->messageBoxes().back().text, QStringLiteral("Export erfolgreich beendet."));
  EXPECT_EQ(SpalteLesen(fremde, "Kultur"), (Texte{"F0", "K2"}));
  EXPECT_EQ(SpalteLesen(fremde, "Nr"), (Texte{"0", "1"}));
  EXPECT_EQ(SpalteLesen(fremde, "Import")[1], "-1");
  EXPECT_EQ(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank, eigene);
  EXPECT_EQ(SpalteLesen(eigene, "Kultur").size(), 3u);
}

// A file damaged after the check (the disk failed meanwhile) is found when the transfer
// begins: the message names that file, never the sound one, and nothing is written.
TEST_F(BearbeitenTest, ATransferNamesTheFileDamagedSinceTheCheck) {
  struct Fall {
    const char* name;
    bool import;
    bool eigeneBeschaedigt;
  };
  const Fall faelle[] = {
      {"Import, Herkunft beschädigt", true, false},
      {"Import, eigene beschädigt", true, true},
      {"Export, Ziel beschädigt", false, false},
      {"Export, eigene beschädigt", false, true},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.name);
    sys::DeleteFile(fremde);
    ErgebnisdatenbankAnlegen(fremde);
    ZeileEinfuegen(fremde, Beispielkultur(0, "F0"));
    const std::string eigeneVorher = FileContents(eigene);
    frmKulturVergleichBearbeiten& f = Oeffnen();
    prompts->AnswerFile(ui::Q(fremde));
    ASSERT_TRUE(test::Click(f.opbKultur->Button(fall.import ? 2 : 3)));
    Ziehen(f, kWurzel, fall.import ? f.dtgImport : f.dtgExport);
    const std::string kaputt = fall.eigeneBeschaedigt ? eigene : fremde;
    const std::string gesund = fall.eigeneBeschaedigt ? fremde : eigene;
    ASSERT_TRUE(Beschaedigen(kaputt, Schaden::EinByte));
    const std::string fremdeVorher = FileContents(fremde), eigeneBeschaedigt = FileContents(eigene);

    prompts->AnswerMsgBox(ui::msgbox::Ok);
    ASSERT_TRUE(test::Click(fall.import ? f.cmbAuswahlImport : f.cmbAuswahlExport));
    const std::string text = ui::S(prompts->messageBoxes().back().text);
    EXPECT_EQ(text.rfind("Die Vergleichskulturen konnten nicht übertragen werden; die Zieldatenbank bleibt "
                         "unverändert.\n\nDatei: " +
                             kaputt + "\n",
                         0),
              0u)
        << text;
    EXPECT_EQ(text.find(gesund), std::string::npos) << text;
    EXPECT_EQ(FileContents(fremde), fremdeVorher);
    EXPECT_EQ(FileContents(eigene), eigeneBeschaedigt);
    // Nothing left to transfer from or into the file that failed.
    EXPECT_EQ(f.opbKultur->Selected(), -1);
    EXPECT_FALSE((fall.import ? f.cmbAuswahlImport : f.cmbAuswahlExport)->isEnabled());

    f.Unload();
    std::ofstream(eigene, std::ios::binary | std::ios::trunc) << eigeneVorher;
    db::UnblockAllFiles();
  }
}

TEST_F(BearbeitenTest, EndingAModeReturnsToTheOwnCultures) {
  ErgebnisdatenbankAnlegen(fremde);
  ZeileEinfuegen(fremde, Beispielkultur(0, "F0"));
  frmKulturVergleichBearbeiten& f = Oeffnen();
  prompts->AnswerFile(ui::Q(fremde));
  ASSERT_TRUE(test::Click(f.opbKultur->Button(2)));
  ASSERT_TRUE(test::Click(f.cmbBeendenImport));
  EXPECT_EQ(f.opbKultur->Selected(), 0);
  EXPECT_EQ(f.AktuelleDatenbank, eigene);
  EXPECT_EQ(f.trvKulturvergleich->Children(kWurzel).size(), 3);
  EXPECT_TRUE(f.fraImport->isHidden());
  EXPECT_FALSE(f.fraBearbeiten->isHidden());
}

TEST_F(BearbeitenTest, CancelledDialogOrForeignDragListsNothing) {
  frmKulturVergleichBearbeiten& f = Oeffnen();
  prompts->CancelFile();
  ASSERT_TRUE(test::Click(f.opbKultur->Button(2)));
  EXPECT_FALSE(f.fraImport->isHidden());
  Ziehen(f, Key("K0", 0), f.dtgImport);
  EXPECT_EQ(f.dtgImport->TextMatrix(0, 0), QString());
  ASSERT_TRUE(test::Click(f.cmbAuswahlImport));
  EXPECT_EQ(SpalteLesen(eigene, "Kultur").size(), 3u);
}

}  // namespace
}  // namespace tolvar::test
