#include "calculation/ui/frmVermarktungInfo.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculation/cost_breakdown.h"
#include "calculation/ui/frmKalkulation.h"
#include "data/mdlFehler.h"
#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/optiongroup.h"
#include "settings/settings_logic.h"

namespace tolvar {

frmVermarktungInfo::frmVermarktungInfo()
    : FensterOf(QStringLiteral("Vermarktungskosten"), {.art = kArt,
                                                       .wertText = "Vermarktungskosten:",
                                                       .einheitText = "€/ 1000 Stk",
                                                       .berechnenBeimSchliessen = true}) {
  resize(sys::TwipsToPixels(12840), sys::TwipsToPixels(4320));
  QFont fett = font();
  fett.setBold(true);
  setFont(fett);

  // Information: the percentage in use.
  fraVermarktungskostenInfo = ui::MakeGroup(this, QStringLiteral("fraVermarktungskostenInfo"),
                                            QStringLiteral("Vermarktungskosten"), 240, 240, 9360, 1800);
  fraVermarktungskostenInfo->hide();
  lblVermarktungskostenInfo[0] =
      ui::MakeLabel(fraVermarktungskostenInfo, ui::ControlName(QStringLiteral("lblVermarktungskostenInfo"), 0),
                    QStringLiteral("Vermarktungskosten"), 240, 420, 2000, 285);
  txtVermarktungskostenInfo =
      ui::MakeTextBox(fraVermarktungskostenInfo, QStringLiteral("txtVermarktungskostenInfo"), 2280, 360, 1000, 315);
  txtVermarktungskostenInfo->setAlignment(Qt::AlignRight);
  lblVermarktungskostenInfo[1] =
      ui::MakeLabel(fraVermarktungskostenInfo, ui::ControlName(QStringLiteral("lblVermarktungskostenInfo"), 1),
                    QStringLiteral("% Marktleistung"), 3360, 420, 2000, 285);
  ui::MakeOptionButton(fraVermarktungskostenInfo, ui::ControlName(QStringLiteral("opbVermarktungskostenInfo"), 0),
                       QStringLiteral("aus den Betriebseinstellungen"), 240, 900, 4500, 285);
  ui::MakeOptionButton(fraVermarktungskostenInfo, ui::ControlName(QStringLiteral("opbVermarktungskostenInfo"), 1),
                       QStringLiteral("kulturspezifisch errechnet"), 240, 1260, 4500, 285);
  opbVermarktungskostenInfo =
      new ui::OptionGroup(fraVermarktungskostenInfo, QStringLiteral("opbVermarktungskostenInfo"));

  // Entry of the culture's own percentage.
  fraVermarktung =
      ui::MakeGroup(this, QStringLiteral("fraVermarktung"), QStringLiteral("Vermarktungskosten"), 240, 240, 9360, 3000);
  fraVermarktung->hide();
  ui::MakeOptionButton(fraVermarktung, ui::ControlName(QStringLiteral("opbVermarktung"), 0),
                       QStringLiteral("Verteilung der Vermarktungskosten über die Marktleistung bezogen auf den "
                                      "Gesamtumsatz des Betriebes"),
                       240, 300, 8900, 285);
  auto* pauschal =
      ui::MakeOptionButton(fraVermarktung, ui::ControlName(QStringLiteral("opbVermarktung"), 1),
                           QStringLiteral("Verteilung der Vermarktungskosten über einen pauschalen Prozentsatz der "
                                          "Marktleistung"),
                           240, 660, 8900, 285);
  pauschal->setChecked(true);
  opbVermarktung = new ui::OptionGroup(fraVermarktung, QStringLiteral("opbVermarktung"));
  cmbReset =
      ui::MakeButton(fraVermarktung, QStringLiteral("cmbReset"), QStringLiteral("Zurücksetzen"), 7560, 2460, 1560, 375);

  fraVermarktungskosten =
      ui::MakeGroup(fraVermarktung, QStringLiteral("fraVermarktungskosten"), QString(), 240, 1080, 7200, 660);
  lblVermarktung[4] = ui::MakeLabel(fraVermarktungskosten, ui::ControlName(QStringLiteral("lblVermarktung"), 4),
                                    QStringLiteral("Vermarktungskosten"), 120, 240, 2000, 285);
  txtVermarktung = ui::MakeTextBox(fraVermarktungskosten, QStringLiteral("txtVermarktung"), 2160, 180, 1000, 315);
  lblVermarktung[5] = ui::MakeLabel(fraVermarktungskosten, ui::ControlName(QStringLiteral("lblVermarktung"), 5),
                                    QStringLiteral("% Marktleistung"), 3240, 240, 2000, 285);

  fraUmsatz = ui::MakeGroup(fraVermarktung, QStringLiteral("fraUmsatz"), QString(), 240, 1080, 7200, 1320);
  fraUmsatz->hide();
  lblVermarktung[0] = ui::MakeLabel(fraUmsatz, ui::ControlName(QStringLiteral("lblVermarktung"), 0),
                                    QStringLiteral("Umsatz:"), 120, 240, 2000, 285);
  txtUmsatz = ui::MakeTextBox(fraUmsatz, QStringLiteral("txtUmsatz"), 2160, 180, 1500, 315);
  lblVermarktung[2] = ui::MakeLabel(fraUmsatz, ui::ControlName(QStringLiteral("lblVermarktung"), 2),
                                    QStringLiteral("€/ Jahr"), 3720, 240, 900, 285);
  lblVermarktung[1] = ui::MakeLabel(fraUmsatz, ui::ControlName(QStringLiteral("lblVermarktung"), 1),
                                    QStringLiteral("Vermarktungskosten:"), 120, 720, 2000, 285);
  txtVermarktungskosten = ui::MakeTextBox(fraUmsatz, QStringLiteral("txtVermarktungskosten"), 2160, 660, 1500, 315);
  lblVermarktung[3] = ui::MakeLabel(fraUmsatz, ui::ControlName(QStringLiteral("lblVermarktung"), 3),
                                    QStringLiteral("€/ Jahr"), 3720, 720, 900, 285);
  cmbUmsatzOK = ui::MakeButton(fraUmsatz, QStringLiteral("cmbUmsatzOK"), QStringLiteral("OK"), 5400, 660, 1215, 375);

  fraVergleich->move(sys::TwipsToPixels(240), sys::TwipsToPixels(240));

  cmbOK = ui::MakeButton(this, QStringLiteral("cmbOK"), QStringLiteral("Vermarktungskosten übernehmen"), 7200, 3480,
                         3600, 495);
  cmbOK->hide();

  connect(opbVermarktung, &ui::OptionGroup::Click, this, [this](int index) { opbVermarktung_Click(index); });
  connect(cmbUmsatzOK, &QPushButton::clicked, this, [this] { cmbUmsatzOK_Click(); });
  connect(cmbReset, &QPushButton::clicked, this, [this] { cmbReset_Click(); });
  connect(cmbOK, &QPushButton::clicked, this, [this] { cmbOK_Click(); });
  SetStartPosition(ui::StartPosition::CentreScreen);
}

void frmVermarktungInfo::opbVermarktung_Click(int /*index*/) {
  if (opbVermarktung->Value(0)) {
    fraUmsatz->show();
    fraVermarktungskosten->hide();
    txtVermarktungskosten->clear();
    txtUmsatz->clear();
    txtUmsatz->setFocus();
  }
  if (opbVermarktung->Value(1)) {
    fraUmsatz->hide();
    fraVermarktungskosten->show();
    txtVermarktung->clear();
    txtVermarktung->setFocus();
  }
}

void frmVermarktungInfo::cmbUmsatzOK_Click() {
  std::string& anteil = state().enterprise.AktuelleEinstellungen.Vermarktungskosten;
  // Empty or non-numeric boxes, or no turnover, keep the enterprise's percentage.
  if (auto neu = calculation::VermarktungsanteilAusUmsatz(ui::S(txtVermarktungskosten), ui::S(txtUmsatz))) {
    anteil = *neu;
  }
  fraUmsatz->hide();
  fraVermarktungskosten->show();
  opbVermarktung->ClearAll();
  txtVermarktung->setText(ui::Q(anteil));
}

void frmVermarktungInfo::cmbReset_Click() {
  fraUmsatz->hide();
  fraVermarktungskosten->show();
  opbVermarktung->SetValue(0, false);
  opbVermarktung->SetValue(1, true);
  txtVermarktung->clear();
  txtVermarktung->setFocus();
}

void frmVermarktungInfo::cmbOK_Click() {
  const int16_t herkunft = state().calculation.HerkunftVermarktung();
  if (herkunft != Herkunft::KulturspezifischErrechnet && herkunft != Herkunft::Vergleichskultur) return;
  frmKalkulation* kalkulation = GeladeneKalkulation();
  if (kalkulation == nullptr) {
    Unload();
    return;
  }
  std::optional<std::string> kosten;
  if (herkunft == Herkunft::KulturspezifischErrechnet) {
    if (txtVermarktung->text().isEmpty()) txtVermarktung->setText(QStringLiteral("0"));
    kosten = calculation::VermarktungskostenJe1000(ui::S(kalkulation->txtPreis), ui::S(txtVermarktung));
  } else {
    if (txtKostenVergleichskultur->text().isEmpty()) txtKostenVergleichskultur->setText(QStringLiteral("0"));
    // A comparison culture's cost, negative ones included, within the largest amount.
    if (auto wert = base::ParseNumberIn(ui::S(txtKostenVergleichskultur), settings::kBetragMitVorzeichen)) {
      kosten = base::Format(*wert, "0.00");
    }
  }
  // A price or a value that is no number cannot be taken over: in the calculation window's
  // marketing box it would leave the material costs and every margin after them empty. An
  // empty price is a value not entered; any other refusal a value to check.
  if (!kosten) {
    if (herkunft == Herkunft::KulturspezifischErrechnet && kalkulation->txtPreis->text().trimmed().isEmpty()) {
      mdlFehler::MeldungWerteFehlen();
    } else {
      const QLineEdit* box =
          herkunft == Herkunft::KulturspezifischErrechnet ? txtVermarktung : txtKostenVergleichskultur;
      mdlFehler::MeldungWertePruefen(ui::S(box->text()));
    }
    return;
  }
  kalkulation->txtVermarktung()->setText(ui::Q(*kosten));
  UebernahmeAbschliessen();
}

}  // namespace tolvar
