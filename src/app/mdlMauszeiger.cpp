#include "app/mdlMauszeiger.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QVariant>
#include <QWidget>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "data/cost_types.h"
#include "data/state.h"
#include "platform/sys/dataroot.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/imagelist.h"

namespace tolvar::ui {

WaitCursor::WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
WaitCursor::~WaitCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace tolvar::ui

namespace tolvar::mdlMauszeiger {

namespace {

// Widget property holding the key of the picture a widget shows as pointer.
constexpr const char* kBildProperty = "tolvarMausbild";

const char* const kArten[] = {"Zeiger_", "Hand_", "Info_", "ZeigerInfo_"};
const char* const kFarben[] = {"Weiss", "Grau", "Schwarz", "Blau", "Rot", "Gruen"};

enum class Farbe { Eigene, Fremde };

struct Benannt {
  std::string_view name;
  const char* art;
  Farbe farbe;
};

struct Zeile {
  const char* fenster;
  bool alleZeiger = false;  // all controls "Zeiger_" own; otherwise custom mode without a picture
  // The cost button of every cost type (KostenartDaten::kostenknopf) shows "ZeigerInfo_" own.
  bool kostenknoepfe = false;
  std::vector<Benannt> benannte{};
};

const std::vector<Zeile>& Tabelle() {
  constexpr Farbe E = Farbe::Eigene;
  constexpr Farbe F = Farbe::Fremde;
  static const std::vector<Zeile> tabelle = {
      {.fenster = "mdiTolvarZentral", .alleZeiger = true},
      {.fenster = "frmStammdaten",
       .benannte = {{"trvMaterial", "Zeiger_", E},
                    {"trvKulturen", "Zeiger_", F},
                    {"trvStandort", "Zeiger_", F},
                    {"trvTaetigkeit", "Zeiger_", F},
                    {"trvPersonal", "Zeiger_", F},
                    {"cmbAnzeigen(0)", "Zeiger_", F},
                    {"cmbAnzeigen(1)", "Zeiger_", F},
                    {"cmbAnzeigen(2)", "Zeiger_", E},
                    {"cmbAnzeigen(3)", "Zeiger_", F},
                    {"cmbAnzeigen(4)", "Zeiger_", F}}},
      {.fenster = "frmBewegungsdaten",
       .benannte = {{"trvKulturen", "Zeiger_", F},
                    {"fraBearbeitenModus2", "Zeiger_", F},
                    {"fraPhasenInfo", "Zeiger_", E},
                    {"fraMaterial", "Zeiger_", E}}},
      {.fenster = "frmKalkulation",
       .alleZeiger = true,
       .kostenknoepfe = true,
       .benannte = {{"trvKulturen", "Zeiger_", E}}},
      {.fenster = "frmArbeitInfo", .benannte = {{"dtgArbeit", "Info_", F}}},
      {.fenster = "frmMaterialInfo", .benannte = {{"dtgMaterial", "Info_", E}}},
      {.fenster = "frmEnergieInfo", .benannte = {{"dtgEnergie", "Info_", E}}},
      {.fenster = "frmVantelInfo", .benannte = {{"dtgVantel", "Info_", E}}},
      {.fenster = "frmPSMInfo", .benannte = {{"dtgArbeitMaterial", "Info_", E}}},
      {.fenster = "frmMaschinenInfo", .benannte = {{"dtgMaschinen", "Info_", E}}},
      {.fenster = "frmKultur",
       .benannte = {{"dtgKulturPhasen", "Info_", E},
                    {"trvKulturarbeiten", "Info_", F},
                    {"trvStandort", "Info_", F},
                    {"trvMaterial", "Info_", E},
                    {"fraKulturarbeiten", "Info_", F},
                    {"fraStandort", "Info_", F},
                    {"fraMaterial", "Info_", E}}},
      {.fenster = "frmStandort",
       .alleZeiger = true,
       .benannte = {{"regStandort", "Zeiger_", E},
                    {"fraBezeichnung", "Zeiger_", F},
                    {"opbHaus", "Hand_", F},
                    {"opbGruppe", "Hand_", F}}},
  };
  return tabelle;
}

QString Schluessel(const char* art, Farbe farbe) {
  const std::string& wort = farbe == Farbe::Eigene ? state().windows.FarbnameTolvar : state().windows.FarbnameMorvin;
  return QString::fromLatin1(art) + ui::Q(wort);
}

// The window's controls in creation order, frames' contents included. Qt's internal parts,
// separate windows (menus, dialogs) and windows hosted inside it are not its controls.
void Sammeln(const QWidget& parent, std::vector<QPointer<QWidget>>& controls) {
  for (QObject* child : parent.children()) {
    auto* widget = qobject_cast<QWidget*>(child);
    if (widget == nullptr || widget->isWindow() || qobject_cast<ui::Form*>(widget) != nullptr) continue;
    const QString name = widget->objectName();
    if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_"))) controls.emplace_back(widget);
    Sammeln(*widget, controls);
  }
}

// Custom mode without a picture of its own: the platform's standard pointer, unless the
// control already shows a pointer of its own.
void EigenerModus(QWidget& control) {
  if (!control.testAttribute(Qt::WA_SetCursor)) control.setCursor(Qt::ArrowCursor);
}

}  // namespace

ui::ImageList& imlMauszeiger() {
  static QPointer<ui::ImageList> liste;
  if (liste.isNull()) liste = new ui::ImageList(QCoreApplication::instance());
  if (liste->Count() < static_cast<int>(std::size(kArten) * std::size(kFarben))) {
    for (const char* art : kArten) {
      for (const char* farbe : kFarben) {
        const QString key = QString::fromLatin1(art) + QString::fromLatin1(farbe);
        if (!liste->Has(key)) liste->Add(key, ui::Q(sys::DataPath("\\Bilder\\" + ui::S(key) + ".png")));
      }
    }
  }
  return *liste;
}

bool MausbildSetzen(QWidget& control, const QString& key) {
  const QPixmap bild = imlMauszeiger().Picture(key);
  if (bild.isNull()) return false;
  control.setCursor(QCursor(bild, 0, 0));
  control.setProperty(kBildProperty, key);
  return true;
}

QString Mausbild(const QWidget& control) {
  if (!control.testAttribute(Qt::WA_SetCursor) || control.cursor().shape() != Qt::BitmapCursor) return QString();
  return control.property(kBildProperty).toString();
}

void MauszeigerSetzen(QWidget& form) {
  const QString name = form.objectName();
  const Zeile* zeile = nullptr;
  for (const Zeile& z : Tabelle()) {
    if (name == QLatin1String(z.fenster)) {
      zeile = &z;
      break;
    }
  }
  if (zeile == nullptr) return;

  MausbildSetzen(form, Schluessel("Zeiger_", Farbe::Eigene));

  std::vector<QPointer<QWidget>> controls;
  Sammeln(form, controls);
  const QString alle = Schluessel("Zeiger_", Farbe::Eigene);
  for (const QPointer<QWidget>& control : controls) {
    if (control.isNull()) continue;
    EigenerModus(*control);
    if (zeile->alleZeiger) MausbildSetzen(*control, alle);
  }

  std::vector<Benannt> benannte = zeile->benannte;
  if (zeile->kostenknoepfe) {
    for (const KostenartDaten& d : kKostenartTabelle) benannte.push_back({d.kostenknopf, "ZeigerInfo_", Farbe::Eigene});
  }
  for (const Benannt& benannt : benannte) {
    if (QWidget* control = ui::FindControl<QWidget>(&form, ui::Q(benannt.name))) {
      MausbildSetzen(*control, Schluessel(benannt.art, benannt.farbe));
    }
  }
}

}  // namespace tolvar::mdlMauszeiger
