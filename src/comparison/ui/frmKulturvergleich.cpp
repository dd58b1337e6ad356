#include "comparison/ui/frmKulturvergleich.h"

#include <QComboBox>
#include <QRadioButton>
#include <string>
#include <vector>

#include "app/mdlHilfe.h"
#include "app/mdlMauszeiger.h"
#include "comparison/ui/quality_marks.h"
#include "data/comparison_table.h"
#include "data/state.h"
#include "platform/sys/fehlertext.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/optiongroup.h"
#include "platform/ui/prompts.h"

namespace tolvar {

using comparison::ui::Qualitaetszeichen;
using ui::Q;

namespace {

QString Feldname(const char* name, int i) { return ui::ControlName(QString::fromLatin1(name), i); }

// Unit captions after a number box, per row Top, in the left and the right frame.
void Einheit(QWidget* rahmen, const QString& text, int top) {
  ui::MakeLabel(rahmen, QString(), text, 3600, top, 1500, 285);
}

void Setzen(QLineEdit* box, const std::string& text) { box->setText(Q(text)); }

}  // namespace

frmKulturvergleich::frmKulturvergleich() : FormOf(QStringLiteral("frmKulturvergleich"), ui::FormKind::MdiChild) {
  setCaption(QString());
  // No caption: the child window shows no title row.
  SetFrameless();
  resize(sys::TwipsToPixels(15255), sys::TwipsToPixels(9900));
  fraBasisKultur = ui::MakeFrame(this, QStringLiteral("fraBasisKultur"), 240, 240, 6135, 9495);
  fraBasis = ui::MakeFrame(this, QStringLiteral("fraBasis"), 9000, 240, 6135, 9495);
  for (QFrame* f : {fraBasisKultur, fraBasis}) f->setFrameShape(QFrame::Box);
  ui::MakeLabel(fraBasisKultur, QStringLiteral("lblBasisKultur"), QStringLiteral("Akuelle Kultur"), 120, 0, 2000, 285);
  ui::MakeLabel(fraBasis, QStringLiteral("lblBasis"), QStringLiteral("Basiskultur [100%]"), 120, 0, 2000, 285);
  SpalteAufbauen(0, fraBasisKultur);
  SpalteAufbauen(1, fraBasis);

  // Unit options of the margins in the left frame; unit labels in the right one.
  fraDKFL = ui::MakeFrame(fraBasisKultur, QStringLiteral("fraDKFL"), 4200, 4560, 1215, 1095);
  fraEKFL = ui::MakeFrame(fraBasisKultur, QStringLiteral("fraEKFL"), 4200, 6480, 1215, 1095);
  static const char* const kEinheiten[] = {"€/1000Stk.", "€/BJm²", "€/Akh"};
  for (int k = 0; k < 3; ++k) {
    ui::MakeOptionButton(fraDKFL, Feldname("opbDKFL", k), Q(kEinheiten[k]), 0, 360 * k, 1215, 330);
    ui::MakeOptionButton(fraEKFL, Feldname("opbEKFL", k), Q(kEinheiten[k]), 0, 360 * k, 1215, 330);
  }
  opbDKFL = new ui::OptionGroup(this, QStringLiteral("opbDKFL"));
  opbEKFL = new ui::OptionGroup(this, QStringLiteral("opbEKFL"));
  connect(opbDKFL, &ui::OptionGroup::Click, this, [this](int i) { opbDKFL_Click(i); });
  connect(opbEKFL, &ui::OptionGroup::Click, this, [this](int i) { opbEKFL_Click(i); });
  lblDKFLEinheit =
      ui::MakeLabel(fraBasis, QStringLiteral("lblDKFLEinheit"), QStringLiteral("€/1000Stk."), 3600, 4920, 1200, 285);
  lblEKFLEinheit =
      ui::MakeLabel(fraBasis, QStringLiteral("lblEKFLEinheit"), QStringLiteral("€/1000Stk."), 3600, 6720, 1200, 285);
  BalkenAufbauen();
}

void frmKulturvergleich::SpalteAufbauen(int i, QFrame* r) {
  const auto idx = static_cast<std::size_t>(i);
  ui::MakeLabel(r, QString(), QStringLiteral("Kultur:"), 240, 360, 1800, 285);
  comKultur[idx] = ui::MakeComboBox(r, Feldname("comKultur", i), 2040, 360, 3135, 315);
  comKultur[idx]->setEditable(true);
  comKultur[idx]->setInsertPolicy(QComboBox::NoInsert);
  cmbOK[idx] = ui::MakeButton(r, Feldname("cmbOK", i), QStringLiteral("OK"), 5160, 360, 735, 315);
  connect(cmbOK[idx], &QPushButton::clicked, this, [this, i] { cmbOK_Click(i); });

  ui::MakeLabel(r, QString(), QStringLiteral("Beginn:"), 240, 1080, 1800, 285);
  txtBeginn[idx] = ui::MakeTextBox(r, Feldname("txtBeginn", i), 2040, 1080, 1215, 285, false);
  ui::MakeLabel(r, QString(), QStringLiteral("Ende:"), 3480, 1080, 1000, 285);
  txtEnde[idx] = ui::MakeTextBox(r, Feldname("txtEnde", i), 4560, 1080, 1215, 285, false);

  struct Zeile {
    const char* beschriftung;
    const char* name;
    Paar<QLineEdit>* box;
    int top;
    const char* einheit;
  };
  const Zeile zeilen[] = {
      {.beschriftung = "Menge:", .name = "txtMenge", .box = &txtMenge, .top = 1680, .einheit = "Stück"},
      {.beschriftung = "Preis:",
       .name = "txtPreis",
       .box = &txtPreis,
       .top = 2160,
       .einheit = i == 0 ? "€/ Stück" : "€/Stück"},
      {.beschriftung = "Heizkosten:",
       .name = "txtHeizkosten",
       .box = &txtHeizkosten,
       .top = 3000,
       .einheit = "€/1000Stk."},
      {.beschriftung = "Materialkosten:",
       .name = "txtMaterialkosten",
       .box = &txtMaterialkosten,
       .top = 3480,
       .einheit = "€/1000Stk."},
      {.beschriftung = "Sonstige Sachkosten:",
       .name = "txtSachkosten",
       .box = &txtSachkosten,
       .top = 3960,
       .einheit = "€/1000Stk."},
      {.beschriftung = "DKFL:", .name = "txtDKFL", .box = &txtDKFL, .top = 4920, .einheit = nullptr},
      {.beschriftung = "Arbeitskosten:",
       .name = "txtArbeitskosten",
       .box = &txtArbeitskosten,
       .top = 5880,
       .einheit = "€/1000Stk."},
      {.beschriftung = "EKFL:", .name = "txtEKFL", .box = &txtEKFL, .top = 6720, .einheit = nullptr},
      {.beschriftung = "Gemeinkosten:",
       .name = "txtGemeinkosten",
       .box = &txtGemeinkosten,
       .top = 7800,
       .einheit = "€/1000Stk."},
      {.beschriftung = "Gewinn [1000 Pfl]:",
       .name = "txtGewinnPflanze",
       .box = &txtGewinnPflanze,
       .top = 8400,
       .einheit = "€/1000Stk."},
      {.beschriftung = "Gewinn [Kultur]:",
       .name = "txtGewinnKultur",
       .box = &txtGewinnKultur,
       .top = 8880,
       .einheit = "€/Kultur"},
  };
  for (const Zeile& z : zeilen) {
    ui::MakeLabel(r, QString(), Q(z.beschriftung), 240, z.top, 2000, 285);
    (*z.box)[idx] = ui::MakeTextBox(r, Feldname(z.name, i), 2400, z.top, 1095, 285, true);
    if (z.einheit != nullptr) Einheit(r, Q(z.einheit), z.top);
  }
  DQHeizung[idx] = Qualitaetszeichen(r, Feldname("DQHeizung", i), 5160, 3000, 13.5);
  DQMaterial[idx] = Qualitaetszeichen(r, Feldname("DQMaterial", i), 5160, 3480, 13.5);
  DQArbeit[idx] = Qualitaetszeichen(r, Feldname("DQArbeit", i), 5160, 5880, 13.5);
  DQGemein[idx] = Qualitaetszeichen(r, Feldname("DQGemein", i), 5160, 7800, 13.5);

  cmbSachkostenInfo[idx] =
      ui::MakeButton(r, Feldname("cmbSachkostenInfo", i), QStringLiteral("Info"), 5160, 3960, 735, 285);
  connect(cmbSachkostenInfo[idx], &QPushButton::clicked, this, [this, i] { cmbSachkostenInfo_Click(i); });
  cmbKulturInfo[idx] =
      ui::MakeButton(r, Feldname("cmbKulturInfo", i), QStringLiteral("Kultur- Info"), 5160, 8400, 855, 495);
  connect(cmbKulturInfo[idx], &QPushButton::clicked, this, [this, i] { cmbKulturInfo_Click(i); });
  for (int k = 0; k < 2; ++k) {
    const int index = 2 * i + k;
    const int links = i == 0 ? 5460 : 5160;
    cmbTQM[static_cast<std::size_t>(index)] =
        ui::MakeButton(r, Feldname("cmbTQM", index), QStringLiteral("Info"), links, k == 0 ? 4920 : 6720, 600, 285);
    connect(cmbTQM[static_cast<std::size_t>(index)], &QPushButton::clicked, this,
            [this, index] { cmbTQM_Click(index); });
  }
}

void frmKulturvergleich::Form_Load() {
  Frame()->move(sys::TwipsToPixels(-100), 0);
  const QString farbe = Q(state().windows.FarbnameTolvar);
  mdlMauszeiger::MausbildSetzen(*this, QStringLiteral("Zeiger_") + farbe);
  std::vector<QPushButton*> info = {cmbSachkostenInfo[0], cmbSachkostenInfo[1], cmbKulturInfo[0], cmbKulturInfo[1]};
  info.insert(info.end(), cmbTQM.begin(), cmbTQM.end());
  for (QPushButton* k : info) mdlMauszeiger::MausbildSetzen(*k, QStringLiteral("ZeigerInfo_") + farbe);

  const std::string& pfad = state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank;
  if (!pfad.empty()) {
    std::vector<VergleichskulturSatz> kulturen;
    std::string fehler;
    if (data::VergleichskulturenLesen(pfad, kulturen, &fehler)) {
      for (QComboBox* liste : comKultur) {
        for (const VergleichskulturSatz& k : kulturen) liste->addItem(Q(k.Kultur));
        if (liste->count() > 0) liste->setCurrentIndex(0);
      }
    } else {
      ui::MsgBox(Q(sys::Fehlermeldung("Die Ergebnisdatenbank konnte nicht gelesen werden:\n\n" + pfad, fehler)),
                 ui::msgbox::Critical, QStringLiteral("Tolvar-Information"));
    }
  }
  VergleichsdatenZuruecksetzen();
  DatenQualitaetAnzeigen();
  BalkenZuruecksetzen();
  EKFLBalkenAnzeigen();
  DKFLBalkenAnzeigen();
}

void frmKulturvergleich::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("7.3");
}

void frmKulturvergleich::cmbOK_Click(int /*index*/) {
  VergleichsdatenZuruecksetzen();
  VergleichsdatenLaden();
  if (const auto meldung = comparison::UngueltigeZahlenMeldung(state().comparison.VergleichsspalteListe)) {
    ui::MsgBox(Q(*meldung), ui::msgbox::Critical, QStringLiteral("Tolvar-Information"));
  }
  DatenQualitaetAnzeigen();
  BalkenZuruecksetzen();
  AbweichungenAnzeigen();
  opbDKFL->SetValue(1, true);
  opbEKFL->SetValue(1, true);
  DKFLBalkenAnzeigen();
  EKFLBalkenAnzeigen();
}

void frmKulturvergleich::VergleichsdatenZuruecksetzen() {
  for (VergleichsspalteSatz& spalte : state().comparison.VergleichsspalteListe) comparison::SpalteZuruecksetzen(spalte);
}

void frmKulturvergleich::VergleichsdatenLaden() {
  auto& paar = state().comparison.VergleichsspalteListe;
  for (std::size_t i = 0; i < 2; ++i) {
    VergleichsspalteSatz& spalte = paar[i];
    // A typed text that names no entry selects nothing.
    QComboBox* liste = comKultur[i];
    int position = liste->currentIndex();
    if (position >= 0 && liste->currentText() != liste->itemText(position)) position = -1;
    spalte.Nr = std::to_string(position);
    // An unreadable database leaves the column at its reset values.
    comparison::SpalteLaden(state().enterprise.AktuelleEinstellungen.Ergebnisdatenbank, spalte);

    const comparison::SpaltenAnzeige a = comparison::SpalteAnzeigen(spalte);
    Setzen(txtArbeitskosten[i], a.Arbeitskosten);
    txtBeginn[i]->setText(Q(a.Beginn));
    txtEnde[i]->setText(Q(a.Ende));
    Setzen(txtGemeinkosten[i], a.Gemeinkosten);
    Setzen(txtHeizkosten[i], a.Heizkosten);
    Setzen(txtMaterialkosten[i], a.Materialkosten);
    Setzen(txtPreis[i], a.Preis);
    Setzen(txtSachkosten[i], a.Sachkosten);
    Setzen(txtMenge[i], a.Menge);
    Setzen(txtGewinnKultur[i], a.GewinnKultur);
    Setzen(txtGewinnPflanze[i], a.GewinnPflanze);
  }
  // A margin that cannot be shown per m² and year or per labour hour switches both margins
  // to per 1000 plants and loads again; per 1000 plants cannot fail, so this happens once.
  if (!MargeUmrechnen(comparison::Marge::DKFL) || !MargeUmrechnen(comparison::Marge::EKFL)) {
    opbDKFL->SetValue(0, true);
    opbEKFL->SetValue(0, true);
    VergleichsdatenLaden();
  }
}

bool frmKulturvergleich::MargeUmrechnen(comparison::Marge marge) {
  const bool dkfl = marge == comparison::Marge::DKFL;
  const int auswahl = (dkfl ? opbDKFL : opbEKFL)->Selected();
  if (auswahl < 0) return true;
  const auto einheit = static_cast<comparison::Einheit>(auswahl);
  const Paar<QLineEdit>& boxen = dkfl ? txtDKFL : txtEKFL;
  for (std::size_t i = 0; i < 2; ++i) {
    const auto text = comparison::MargeUmrechnen(state().comparison.VergleichsspalteListe[i], marge, einheit);
    if (!text && einheit != comparison::Einheit::Je1000Stueck) return false;
    boxen[i]->setText(Q(text.value_or(std::string())));  // no figure from a value that is no number
    (dkfl ? lblDKFLEinheit : lblEKFLEinheit)->setText(Q(comparison::EinheitText(einheit)));
  }
  return true;
}

}  // namespace tolvar
