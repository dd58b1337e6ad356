#include "settings/ui/frmTabellenrechner.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>
#include <vector>

#include "base/values.h"
#include "data/mdlFehler.h"
#include "platform/ui/builders.h"
#include "platform/ui/keyfilters.h"
#include "platform/ui/tabstrip.h"
#include "settings/ui/frmEinstellungen_hilfen.h"

namespace tolvar {

namespace {

const char* const kPosten[8] = {"Abschreibung Gebäude und Anlagen",
                                "Versicherungen und Beiträge",
                                "Verwaltung und Büro",
                                "Fahrzeuge",
                                "Energie allgemein",
                                "Instandhaltung allgemein",
                                "Löhne nicht zurechenbar",
                                "Sonstiges"};

std::optional<double> Zahl(const QLineEdit* box) { return base::ParseNumber(ui::S(box)); }
// An empty box counts 0; other text must be a number.
std::optional<double> ZahlOderNull(const QLineEdit* box) {
  if (box->text().trimmed().isEmpty()) return 0.0;
  return Zahl(box);
}

QString Text(std::optional<double> wert) {
  if (!wert) return QString();
  return ui::Q(base::Format(*wert, "0.00"));
}

}  // namespace

frmTabellenrechner::frmTabellenrechner() : FormOf(QStringLiteral("frmTabellenrechner"), ui::FormKind::Window) {
  setCaption(QStringLiteral("Tolvar-Kalkulation"));
  // Working in the workbook and closing it returns to the caller as it was left.
  setHelperWindow(true);
  auto* layout = new QVBoxLayout(this);
  regBlatt = new ui::TabStrip(this);
  regBlatt->setObjectName(QStringLiteral("regBlatt"));
  layout->addWidget(regBlatt);

  const auto feld = [this](QFormLayout* form, const char* name, const QString& text) {
    QLineEdit* box = ui::MakeTextBox(this, QLatin1String(name));
    ui::InstallNumericFilter(box);
    connect(box, &QLineEdit::textChanged, this, &frmTabellenrechner::Rechnen);
    form->addRow(text, box);
    return box;
  };
  const auto ergebnis = [this](QFormLayout* form, const char* name, const QString& text) {
    QLineEdit* box = ui::MakeTextBox(this, QLatin1String(name));
    box->setReadOnly(true);
    form->addRow(text, box);
    return box;
  };

  auto* lohn = new QFormLayout(regBlatt->Page(regBlatt->AddTab(QStringLiteral("Lohnkosten"))));
  txtBruttolohn = feld(lohn, "txtBruttolohn", QStringLiteral("Bruttolohn (€/ Monat):"));
  txtArbeitgeberanteil = feld(lohn, "txtArbeitgeberanteil", QStringLiteral("Arbeitgeberanteile (%):"));
  txtSonderzahlungen = feld(lohn, "txtSonderzahlungen", QStringLiteral("Sonderzahlungen (€/ Jahr):"));
  txtStunden = feld(lohn, "txtStunden", QStringLiteral("Produktive Stunden je Jahr:"));
  txtLohnErgebnis = ergebnis(lohn, "txtLohnErgebnis", QStringLiteral("Lohnkosten (€/ Stunde):"));

  auto* gemein = new QFormLayout(regBlatt->Page(regBlatt->AddTab(QStringLiteral("Gemeinkosten"))));
  for (std::size_t i = 0; i < txtPosten.size(); ++i) {
    const QString name = QStringLiteral("txtPosten(%1)").arg(i);
    txtPosten[i] = feld(gemein, name.toLatin1().constData(), ui::Q(kPosten[i]) + QStringLiteral(" (€/ Jahr):"));
  }
  txtGemeinkostenErgebnis = ergebnis(gemein, "txtGemeinkostenErgebnis", QStringLiteral("Gemeinkosten (€/ Jahr):"));

  auto* maschine = new QFormLayout(regBlatt->Page(regBlatt->AddTab(QStringLiteral("Maschinenkosten"))));
  txtAnschaffung = feld(maschine, "txtAnschaffung", QStringLiteral("Anschaffungspreis (€):"));
  txtRestwert = feld(maschine, "txtRestwert", QStringLiteral("Restwert (€):"));
  txtNutzungsdauer = feld(maschine, "txtNutzungsdauer", QStringLiteral("Nutzungsdauer (Jahre):"));
  txtZinssatz = feld(maschine, "txtZinssatz", QStringLiteral("Zinssatz (%):"));
  txtReparaturen = feld(maschine, "txtReparaturen", QStringLiteral("Reparaturen (€/ Jahr):"));
  txtAuslastung = feld(maschine, "txtAuslastung", QStringLiteral("Auslastung (Einheiten/ Jahr):"));
  txtMaschinenErgebnis = ergebnis(maschine, "txtMaschinenErgebnis", QStringLiteral("Kosten (€/ Einheit):"));

  auto* knoepfe = new QHBoxLayout;
  knoepfe->addStretch();
  cmbUebernehmen = ui::MakeButton(this, QStringLiteral("cmbUebernehmen"), QStringLiteral("Übernehmen"));
  cmbAbbrechen = ui::MakeButton(this, QStringLiteral("cmbAbbrechen"), QStringLiteral("Abbrechen"));
  knoepfe->addWidget(cmbUebernehmen);
  knoepfe->addWidget(cmbAbbrechen);
  layout->addLayout(knoepfe);
  // The boxes of the sheet shown, then the buttons: the window opens in its first box.
  std::vector<QWidget*> folge = {txtBruttolohn, txtArbeitgeberanteil, txtSonderzahlungen, txtStunden, txtLohnErgebnis};
  folge.insert(folge.end(), txtPosten.begin(), txtPosten.end());
  folge.insert(folge.end(), {txtGemeinkostenErgebnis, txtAnschaffung, txtRestwert, txtNutzungsdauer, txtZinssatz,
                             txtReparaturen, txtAuslastung, txtMaschinenErgebnis, cmbUebernehmen, cmbAbbrechen});
  SetTabOrder(folge);
  connect(cmbUebernehmen, &QPushButton::clicked, this, &frmTabellenrechner::cmbUebernehmen_Click);
  connect(cmbAbbrechen, &QPushButton::clicked, this, &frmTabellenrechner::cmbAbbrechen_Click);
}

void frmTabellenrechner::BlattAktivieren(mdlExcel::Rechner rechner) {
  m_blatt = rechner;
  const int blatt = static_cast<int>(rechner);
  regBlatt->SetTabVisible(blatt, true);
  regBlatt->SetTab(blatt);
  for (int i = 0; i < regBlatt->Count(); ++i) {
    if (i != blatt) regBlatt->SetTabVisible(i, false);
  }
}

void frmTabellenrechner::Rechnen() {
  // Wage per productive hour: a year's wage with the extras, on top the employer's share.
  std::optional<double> lohn;
  const auto brutto = Zahl(txtBruttolohn);
  const auto anteil = ZahlOderNull(txtArbeitgeberanteil);
  const auto sonder = ZahlOderNull(txtSonderzahlungen);
  const auto stunden = Zahl(txtStunden);
  if (brutto && anteil && sonder && stunden && *stunden > 0) {
    lohn = (*brutto * 12 + *sonder) * (1 + *anteil / 100) / *stunden;
  }
  txtLohnErgebnis->setText(Text(lohn));

  std::optional<double> summe = 0.0;
  for (QLineEdit* posten : txtPosten) {
    const auto wert = ZahlOderNull(posten);
    summe = (summe && wert) ? std::optional<double>(*summe + *wert) : std::nullopt;
  }
  txtGemeinkostenErgebnis->setText(Text(summe));

  // Price per unit: depreciation, interest on the mean capital and repairs over the yearly use.
  std::optional<double> preis;
  const auto anschaffung = Zahl(txtAnschaffung);
  const auto rest = ZahlOderNull(txtRestwert);
  const auto jahre = Zahl(txtNutzungsdauer);
  const auto zins = ZahlOderNull(txtZinssatz);
  const auto reparatur = ZahlOderNull(txtReparaturen);
  const auto einheiten = Zahl(txtAuslastung);
  if (anschaffung && rest && jahre && zins && reparatur && einheiten && *jahre > 0 && *einheiten > 0) {
    const double jahreskosten = (*anschaffung - *rest) / *jahre + (*anschaffung + *rest) / 2 * *zins / 100 + *reparatur;
    preis = jahreskosten / *einheiten;
  }
  txtMaschinenErgebnis->setText(Text(preis));
}

QString frmTabellenrechner::Ergebnis() const {
  switch (AktivesBlatt()) {
    case mdlExcel::Rechner::Lohnkosten:
      return txtLohnErgebnis->text();
    case mdlExcel::Rechner::Gemeinkosten:
      return txtGemeinkostenErgebnis->text();
    case mdlExcel::Rechner::Maschinenkosten:
      return txtMaschinenErgebnis->text();
  }
  return QString();
}

void frmTabellenrechner::cmbUebernehmen_Click() {
  const QString wert = Ergebnis();
  if (wert.isEmpty()) {
    // No result: a box the sheet needs is empty, or a box holds what gives no number. The
    // message is about the first such box of the sheet, which takes the cursor after it.
    const std::vector<Feld> felder = Felder(AktivesBlatt());
    const auto leer = std::find_if(felder.begin(), felder.end(),
                                   [](const Feld& f) { return f.noetig && f.box->text().trimmed().isEmpty(); });
    QLineEdit* betroffen = nullptr;
    if (leer != felder.end()) {
      betroffen = leer->box;
      mdlFehler::MeldungWerteFehlen();
    } else {
      const auto falsch = std::find_if(felder.begin(), felder.end(), [](const Feld& f) {
        if (f.box->text().trimmed().isEmpty()) return false;
        const std::optional<double> zahl = Zahl(f.box);
        return !zahl || (f.positiv && *zahl <= 0);
      });
      if (falsch != felder.end()) betroffen = falsch->box;
      mdlFehler::MeldungWertePruefen(betroffen != nullptr ? ui::S(betroffen) : std::string());
    }
    if (betroffen != nullptr) betroffen->setFocus(Qt::OtherFocusReason);
    return;
  }
  mdlExcel::ErgebnisSchreiben(AktivesBlatt(), ui::S(wert));
  Unload();
}

std::vector<frmTabellenrechner::Feld> frmTabellenrechner::Felder(mdlExcel::Rechner blatt) const {
  switch (blatt) {
    case mdlExcel::Rechner::Lohnkosten:
      return {{txtBruttolohn, true, false},
              {txtArbeitgeberanteil, false, false},
              {txtSonderzahlungen, false, false},
              {txtStunden, true, true}};
    case mdlExcel::Rechner::Gemeinkosten: {
      std::vector<Feld> posten;
      for (QLineEdit* box : txtPosten) posten.push_back({box, false, false});
      return posten;
    }
    case mdlExcel::Rechner::Maschinenkosten:
      return {{txtAnschaffung, true, false}, {txtRestwert, false, false},    {txtNutzungsdauer, true, true},
              {txtZinssatz, false, false},   {txtReparaturen, false, false}, {txtAuslastung, true, true}};
  }
  return {};
}

void frmTabellenrechner::cmbAbbrechen_Click() { Unload(); }

void frmTabellenrechner::Form_Unload(bool& /*cancel*/) { Q_EMIT Geschlossen(); }

}  // namespace tolvar
