// The culture properties dialog: new cultures and groups, changing one, the summaries, and
// the culture tree rebuilt on closing.
#include "culture/ui/frmKultur.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "app/mdiTolvarZentral.h"
#include "culture/ui/bewegungsdaten_fixture.h"
#include "data/mdlDatenLaden.h"
#include "platform/ui/builders.h"
#include "platform/ui/datecontrols.h"
#include "platform/ui/tabstrip.h"
#include "support/ui_input.h"

namespace tolvar::test {
namespace {

class KulturDialog : public BewegungsdatenFenster {
 protected:
  frmKultur& Oeffnen(const char* modus, const char* nr = nullptr) {
    State& s = state();
    s.selection.AktuellerBaum = "Kulturen";
    s.selection.Bearbeitungsmodus = modus;
    s.selection.AktuelleUeberPNr = "1001";
    mdlDatenLaden::MaterialienLaden();  // loaded with the enterprise, as the summaries expect
    for (std::size_t i = 0; nr != nullptr && i < s.masters.KulturListe.size(); ++i) {
      if (s.masters.KulturListe[i].KulturNr == nr) s.selection.KulturIndex = static_cast<int>(i);
    }
    frmKultur& d = frmKultur::instanz();
    d.Show();
    return d;
  }
  std::vector<std::string> Kultur(const std::string& nr) {
    return Abfragezeilen(Morvin(),
                         "SELECT Kulturname, Kuerzel, Gliederungspunkt, UeberPNr, Arbeitsende, Aktuell FROM "
                         "Kulturen WHERE KulturNr = '" +
                             nr + "'");
  }
  static QStringList Texte(const ui::KeyedTree* baum, const QString& wurzel) {
    QStringList texte;
    for (const QString& key : baum->Children(wurzel)) texte << baum->Text(key);
    return texte;
  }
};

TEST_F(KulturDialog, NewModeProposesNumberAndBarcode) {
  frmKultur& d = Oeffnen("Neu");
  EXPECT_EQ(d.txtNr->text(), QStringLiteral("K1010"));
  EXPECT_EQ(d.txtCode->text(), QStringLiteral("10000010"));
  EXPECT_EQ(d.dtpAnfang->Value(), base::Today());
  EXPECT_FALSE(d.dtpEnde->HasDate());
  EXPECT_TRUE(d.chbAktuell->isChecked());
  EXPECT_TRUE(d.opbKultur->isChecked());
  EXPECT_TRUE(d.opbGruppe->isEnabled());
  EXPECT_EQ(d.Caption(), QStringLiteral("Kulturen"));
  EXPECT_TRUE(d.regKultur->TabVisible(0));
  EXPECT_FALSE(d.regKultur->TabVisible(1));
  EXPECT_FALSE(d.regKultur->TabVisible(2));
}

TEST_F(KulturDialog, LayoutsOfCultureAndGroup) {
  frmKultur& d = Oeffnen("Neu");
  ASSERT_TRUE(test::Click(d.opbGruppe));
  EXPECT_EQ(d.Caption(), QStringLiteral("Neue Gruppe definieren"));
  EXPECT_EQ(d.fraKulturdaten->title(), QStringLiteral("Gruppendaten:"));
  EXPECT_EQ(d.lblName->text(), QStringLiteral("Gruppenname:"));
  EXPECT_EQ(d.lblKuerzel->text(), QStringLiteral("Gruppenkürzel:"));
  EXPECT_FALSE(d.dtpAnfang->isVisibleTo(&d));
  EXPECT_EQ(d.regKultur->TabCaption(0), QStringLiteral("Gruppe"));
  EXPECT_FALSE(d.regKultur->TabVisible(1));
  ASSERT_TRUE(test::Click(d.opbKultur));
  EXPECT_EQ(d.Caption(), QStringLiteral("Neue Kultur definieren"));
  EXPECT_EQ(d.fraKulturdaten->title(), QStringLiteral("Kultudaten:"));
  EXPECT_TRUE(d.dtpEnde->isVisibleTo(&d));
  EXPECT_TRUE(d.regKultur->TabVisible(2));
  EXPECT_EQ(d.regKultur->Tab(), 0);
}

TEST_F(KulturDialog, SavingNewRecords) {
  struct Fall {
    bool gruppe;
    const char* name;
    const char* kuerzel;
    std::string gespeichert;
  };
  const std::vector<Fall> faelle = {
      {false, "Topfrosen Frühjahr 2006", "", "Topfrosen Frühjahr 2006|Topfrosen |0|1001|1900-01-01|-1"},
      {true, "Stauden", "ST", "Stauden|ST|-1|1001|1900-01-01|-1"},
  };
  int nr = 1010;
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    frmKultur& d = Oeffnen("Neu");
    if (f.gruppe) {
      ASSERT_TRUE(test::Click(d.opbGruppe));
    }
    ASSERT_TRUE(test::TypeInto(d.txtName, ui::Q(f.name)));
    ASSERT_TRUE(test::TypeInto(d.txtKuerzel, QString::fromLatin1(f.kuerzel)));
    ASSERT_TRUE(test::Click(d.cmbSpeichern));
    ProcessEvents();
    EXPECT_FALSE(frmKultur::IsLoaded());
    EXPECT_EQ(Kultur("K" + std::to_string(nr++)), std::vector<std::string>{f.gespeichert});
  }
  // Closing rebuilt the culture data window's tree with the new current records.
  EXPECT_TRUE(form->trvKulturen->Has(QStringLiteral("K1010")));
  EXPECT_TRUE(form->trvKulturen->Has(QStringLiteral("K1011")));
}

TEST_F(KulturDialog, NewRecordKeepsTheGroupTheMenuSetWhateverIsRightClickedLater) {
  State& s = state();
  s.selection.AktuellerBaum = "Kulturen";
  s.selection.AktuelleUeberPNr = "0";
  s.selection.KulturIndex = -1;
  for (std::size_t i = 0; i < s.masters.KulturListe.size(); ++i) {
    if (s.masters.KulturListe[i].KulturNr == "K1002") s.selection.KulturIndex = static_cast<int>(i);
  }
  ASSERT_GE(s.selection.KulturIndex, 0);
  // "New" in the pop-up of the group K1002: the editor opens, then the menu sets the parent.
  ASSERT_TRUE(test::TriggerCommand(&mdiTolvarZentral::instanz(), QStringLiteral("mnuPopUp2Neu")));
  ASSERT_TRUE(frmKultur::IsLoaded());
  EXPECT_EQ(s.selection.AktuelleUeberPNr, "1002");
  ProcessEvents();
  // A right-click on another tree moves the program-wide selection while the editor is open.
  s.selection.AktuelleUeberPNr = "1009";
  frmKultur& d = frmKultur::instanz();
  ASSERT_TRUE(test::TypeInto(d.txtName, QStringLiteral("Hortensien 14 cm")));
  ASSERT_TRUE(test::Click(d.cmbSpeichern));
  ProcessEvents();
  EXPECT_FALSE(frmKultur::IsLoaded());
  EXPECT_EQ(Kultur("K1010"), std::vector<std::string>{"Hortensien 14 cm|Hortensien|0|1002|1900-01-01|-1"});
}

// The editor saves in the mode and for the record it was opened with, whatever pop-up command
// is chosen on the culture tree while it is open.
class KulturDialogMitMenue : public KulturDialog {
 protected:
  void SetUp() override {
    KulturDialog::SetUp();
    MainWindowShown();
    form->Show();
    ASSERT_TRUE(ActivateWindowOf(form));
  }
  void Menue(const char* knoten, const char* befehl) {
    ASSERT_TRUE(PopUpCommand(form->trvKulturen, QString::fromLatin1(knoten), QString::fromLatin1(befehl)));
  }
  static int Anzahl(const std::string& pfad, const std::string& where) {
    return std::stoi(Abfragezeilen(pfad, "SELECT count(*) FROM Kulturen WHERE " + where)[0]);
  }
};

TEST_F(KulturDialogMitMenue, ChangeKeepsItsRecordWhenANewCultureIsAskedForMeanwhile) {
  Menue("K1004", "mnuPopUp3Aendern");  // Cyclamen 12 cm
  ASSERT_TRUE(frmKultur::IsLoaded());
  frmKultur& d = frmKultur::instanz();
  ASSERT_EQ(d.txtName->text(), QStringLiteral("Cyclamen 12 cm"));
  ASSERT_TRUE(TypeInto(d.txtName, QStringLiteral("Cyclamen 12 cm rot")));
  Menue("Kultur", "mnuPopUp1Neu");  // the tree's root: "Neue Gruppe/ Kultur eingeben"
  ASSERT_TRUE(frmKultur::IsLoaded());
  EXPECT_EQ(d.txtName->text(), QStringLiteral("Cyclamen 12 cm rot"));
  ASSERT_TRUE(Click(d.cmbSpeichern));
  ProcessEvents();
  EXPECT_FALSE(frmKultur::IsLoaded());
  EXPECT_EQ(Anzahl(Morvin(), "KulturNr = 'K1004'"), 1);
  EXPECT_EQ(Anzahl(Morvin(), "Barcode = 10000004"), 1);
  EXPECT_EQ(Kultur("K1004"), std::vector<std::string>{"Cyclamen 12 cm rot|Cycl 12|0|1001|2024-11-15|-1"});
  EXPECT_TRUE(Meldungen().empty());
}

TEST_F(KulturDialogMitMenue, NewCultureIsStoredWhenAChangeIsAskedForMeanwhile) {
  Menue("Kultur", "mnuPopUp1Neu");
  ASSERT_TRUE(frmKultur::IsLoaded());
  frmKultur& d = frmKultur::instanz();
  ASSERT_TRUE(TypeInto(d.txtName, QStringLiteral("Hortensien 14 cm")));
  Menue("K1004", "mnuPopUp3Aendern");
  ASSERT_TRUE(frmKultur::IsLoaded());
  EXPECT_EQ(d.txtName->text(), QStringLiteral("Hortensien 14 cm"));
  ASSERT_TRUE(Click(d.cmbSpeichern));
  ProcessEvents();
  EXPECT_TRUE(Meldungen().empty());
  EXPECT_FALSE(frmKultur::IsLoaded());
  EXPECT_EQ(Kultur("K1010"), std::vector<std::string>{"Hortensien 14 cm|Hortensien|0|0|1900-01-01|-1"});
  EXPECT_EQ(Kultur("K1004")[0].substr(0, 15), "Cyclamen 12 cm|");
}

// A record that is gone by the time of saving is refused; the window keeps what was typed.
TEST_F(KulturDialogMitMenue, ChangeOfARecordThatIsGoneKeepsTheWindowAndItsEntries) {
  Menue("K1004", "mnuPopUp3Aendern");
  frmKultur& d = frmKultur::instanz();
  ASSERT_TRUE(TypeInto(d.txtName, QStringLiteral("Cyclamen neu")));
  Exec(Morvin(), "UPDATE Kulturen SET KulturNr = 'K1099' WHERE KulturNr = 'K1004'");
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(Click(d.cmbSpeichern));
  ProcessEvents();
  ASSERT_EQ(Meldungen().size(), 1u);
  EXPECT_TRUE(Meldungen()[0].contains(QStringLiteral("nicht gefunden")));
  ASSERT_TRUE(frmKultur::IsLoaded());
  EXPECT_EQ(d.txtName->text(), QStringLiteral("Cyclamen neu"));
  EXPECT_EQ(Kultur("K1099")[0].substr(0, 15), "Cyclamen 12 cm|");
}

TEST_F(KulturDialog, EmptyNameKeepsTheDialogOpen) {
  frmKultur& d = Oeffnen("Neu");
  d.txtBemerkung->setPlainText(QStringLiteral("getippt"));
  prompts->AnswerMsgBox(ui::msgbox::Ok);
  ASSERT_TRUE(test::Click(d.cmbSpeichern));
  ProcessEvents();
  EXPECT_EQ(Meldungen(), std::vector<QString>{QStringLiteral("Sie müssen erst einen Namen vergeben")});
  ASSERT_TRUE(frmKultur::IsLoaded());
  EXPECT_EQ(d.txtBemerkung->toPlainText(), QStringLiteral("getippt"));
  EXPECT_EQ(d.focusWidget(), d.txtName);
  EXPECT_TRUE(Kultur("K1010").empty());
}

TEST_F(KulturDialog, ChangingACultureShowsItsSummaries) {
  frmKultur& d = Oeffnen("Aendern", "K1003");
  EXPECT_EQ(d.Caption(), QStringLiteral("Kulturen"));
  EXPECT_FALSE(d.opbKultur->isEnabled());
  EXPECT_FALSE(d.opbGruppe->isEnabled());
  EXPECT_TRUE(d.regKultur->TabVisible(1));
  EXPECT_EQ(d.regKultur->Tab(), 0);
  EXPECT_EQ(d.txtName->text(), QStringLiteral("Weihnachtsstern 13 cm"));
  EXPECT_EQ(d.txtCode->text(), QStringLiteral("10000003"));
  EXPECT_EQ(d.dtpEnde->Value(), *base::MakeDate(2024, 12, 6));

  const ui::Grid* g = d.dtgKulturPhasen;
  EXPECT_EQ(GitterZeile(g, 0, 7), "Kulturphase|Beginn|Ende|Menge|TT °C|NT °C|Licht (W/Nm²)");
  EXPECT_EQ(GitterZeile(g, 1, 7), "Bewurzelung|01.07.2024|28.07.2024|6000|24|22|0");
  EXPECT_FALSE(g->TextMatrix(3, 0).isEmpty());
  EXPECT_TRUE(g->TextMatrix(4, 0).isEmpty());

  const QStringList standorte = Texte(d.trvStandort, QStringLiteral("Standorte"));
  ASSERT_EQ(standorte.size(), 3);
  EXPECT_EQ(standorte[0], QStringLiteral("Venlo-Haus 2; 60 Nm² von 01.07.2024 bis 28.07.2024"));
  EXPECT_EQ(d.trvStandort->Image(QStringLiteral("Standorte")), QStringLiteral("open"));
  EXPECT_TRUE(d.trvStandort->Expanded(QStringLiteral("Standorte")));
  const QStringList materialien = Texte(d.trvMaterial, QStringLiteral("Materialien"));
  ASSERT_EQ(materialien.size(), 6);
  EXPECT_EQ(materialien[0], QStringLiteral("Topf 13 cm mit ED73; 6000 Stück am 29.07.2024"));
  EXPECT_EQ(materialien[3], QStringLiteral("Fungizid (Spritzung); 400 Nm² am 01.10.2024"));
  const QStringList arbeiten = Texte(d.trvKulturarbeiten, QStringLiteral("Taetigkeiten"));
  ASSERT_FALSE(arbeiten.isEmpty());
  EXPECT_TRUE(arbeiten[0].contains(QStringLiteral(" für 18 h am 01.07.2024"))) << ui::S(arbeiten[0]);
  EXPECT_EQ(d.trvKulturarbeiten->Text(QStringLiteral("Taetigkeiten")), QStringLiteral("Kulturarbeiten"));
}

TEST_F(KulturDialog, LightColumnIsIntensityTimesHours) {
  frmKultur& d = Oeffnen("Aendern", "K1006");
  EXPECT_EQ(d.dtgKulturPhasen->TextMatrix(1, 6), QStringLiteral("400"));
}

TEST_F(KulturDialog, ChangingAGroupAndCancelling) {
  frmKultur& d = Oeffnen("Aendern", "K1001");
  EXPECT_EQ(d.Caption(), QStringLiteral("Neue Gruppe definieren"));
  EXPECT_FALSE(d.opbGruppe->isEnabled());
  EXPECT_TRUE(d.opbGruppe->isChecked());
  EXPECT_FALSE(d.regKultur->TabVisible(1));
  EXPECT_FALSE(d.dtpEnde->HasDate());  // 01.01.1900: no end
  ASSERT_TRUE(test::TypeInto(d.txtName, QStringLiteral("Anders")));
  form->trvKulturen->Clear();
  ASSERT_TRUE(test::Click(d.cmbAbbruch));
  ProcessEvents();
  EXPECT_FALSE(frmKultur::IsLoaded());
  EXPECT_EQ(Kultur("K1001").front().substr(0, 13), "Topfpflanzen|");
  EXPECT_TRUE(form->trvKulturen->Has(QStringLiteral("K1003")));  // rebuilt all the same

  frmKultur& e = Oeffnen("Aendern", "K1004");
  ASSERT_TRUE(test::TypeInto(e.txtName, QStringLiteral("Cyclamen 10 cm")));
  ASSERT_TRUE(test::Click(e.cmbSpeichern));
  ProcessEvents();
  EXPECT_EQ(Kultur("K1004").front().substr(0, 15), "Cyclamen 10 cm|");
  EXPECT_EQ(form->trvKulturen->Text(QStringLiteral("K1004")), QStringLiteral("Cyclamen 10 cm"));
}

}  // namespace
}  // namespace tolvar::test
