#include "settings/ui/mdlExcel_rechner.h"

#include <QCursor>
#include <QEventLoop>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <optional>

#include "platform/sys/files.h"
#include "platform/ui/controls.h"
#include "platform/ui/forms.h"
#include "platform/ui/grid.h"
#include "platform/ui/prompts.h"
#include "settings/mdlExcel.h"
#include "settings/ui/frmEinstellungen_hilfen.h"
#include "settings/ui/frmTabellenrechner.h"

namespace tolvar::mdlExcel {

namespace {

bool g_laeuft = false;

// The hourglass on the calling window while the run lasts; its own pointer comes back after.
class Sanduhr {
 public:
  explicit Sanduhr(QWidget* fenster) : m_fenster(fenster) {
    if (!m_fenster) return;
    m_hatteZeiger = m_fenster->testAttribute(Qt::WA_SetCursor);
    m_zeiger = m_fenster->cursor();
    m_fenster->setCursor(Qt::WaitCursor);
  }
  ~Sanduhr() {
    if (!m_fenster) return;
    if (m_hatteZeiger) {
      m_fenster->setCursor(m_zeiger);
    } else {
      m_fenster->unsetCursor();
    }
  }
  Sanduhr(const Sanduhr&) = delete;
  Sanduhr& operator=(const Sanduhr&) = delete;

 private:
  QPointer<QWidget> m_fenster;
  bool m_hatteZeiger = false;
  QCursor m_zeiger;
};

// Opens the workbook at the sheet of `rechner` and waits until it is closed. The result file is
// emptied first, so a run that ends without a result leaves nothing an earlier run left. False,
// after the message, when the calculator cannot run (its result file, part of the installation,
// is missing or cannot be written).
bool Ausfuehren(Rechner rechner) {
  if (!sys::FileExists(ErgebnisdateiPfad(rechner)) || !ErgebnisLeeren(rechner)) {
    ui::MsgBox(ui::Q(MeldungKeinRechner()), ui::msgbox::Critical, settings::ui::kTitel);
    return false;
  }
  frmTabellenrechner& mappe = frmTabellenrechner::instanz();
  mappe.BlattAktivieren(rechner);
  QEventLoop warten;
  QObject::connect(&mappe, &frmTabellenrechner::Geschlossen, &warten, &QEventLoop::quit);
  g_laeuft = true;
  mappe.Show();
  mappe.raise();
  mappe.activateWindow();
  warten.exec();
  g_laeuft = false;
  return true;
}

// A second press while a run waits brings the workbook forward instead of nesting a run.
bool SchonOffen() {
  if (!g_laeuft) return false;
  if (frmTabellenrechner::IsLoaded()) {
    frmTabellenrechner::instanz().raise();
    frmTabellenrechner::instanz().activateWindow();
  }
  return true;
}

void Setzen(QWidget* fenster, const char* feld, const std::string& text) {
  if (auto* box = ui::FindControl<QLineEdit>(fenster, QLatin1String(feld))) box->setText(ui::Q(text));
}

bool Sichtbar(const QWidget* fenster, const char* rahmen) {
  const auto* control = ui::FindControl<QWidget>(fenster, QLatin1String(rahmen));
  return control != nullptr && !control->isHidden();
}

}  // namespace

bool RechnerLaeuft() { return g_laeuft; }

void LohnkostenInExcelErmitteln(ui::Form& fenster) {
  if (SchonOffen()) return;
  QPointer<ui::Form> aufrufer(&fenster);
  Sanduhr sanduhr(&fenster);
  if (!Ausfuehren(Rechner::Lohnkosten)) return;
  // The caller closed meanwhile: the result is still taken once, so it cannot turn up later.
  if (!aufrufer) {
    ErgebnisLesen(Rechner::Lohnkosten);
    return;
  }
  const bool tarif = aufrufer->Name() == QLatin1String("frmTarif");
  // frmTarif: the new-group frame first, then the edit frame; neither shown: no field.
  if (tarif && !Sichtbar(aufrufer, "fraNeu") && !Sichtbar(aufrufer, "fraBearbeiten")) {
    ErgebnisLesen(Rechner::Lohnkosten);
    return;
  }
  const bool neu = tarif && Sichtbar(aufrufer, "fraNeu");
  if (const std::optional<Uebergabe> wert = LohnErgebnisUebernehmen(neu)) {
    Setzen(aufrufer, wert->ziel == Ziel::LohnNeu ? "txtLohn" : "txtLohnB", wert->Text);
  }
}

void GemeinkostenInExcelErmitteln(ui::Form& fenster) {
  if (SchonOffen()) return;
  QPointer<ui::Form> aufrufer(&fenster);
  Sanduhr sanduhr(&fenster);
  if (!Ausfuehren(Rechner::Gemeinkosten)) return;
  const std::optional<Uebergabe> wert = GemeinkostenErgebnisUebernehmen();
  if (!wert || !aufrufer) return;
  if (wert->ziel == Ziel::GemeinkostenZeile) {
    if (auto* grid = ui::FindControl<ui::Grid>(aufrufer.data(), QStringLiteral("dtgStandort"))) {
      grid->SetTextMatrix(wert->Zeile, 1, ui::Q(wert->Text));
    }
  } else {
    Setzen(aufrufer, "txtGemeinkosten", wert->Text);
  }
}

void MaschinenkostenInExcelErmitteln() {
  if (SchonOffen()) return;
  QPointer<ui::Form> material(ui::Forms::Find(QStringLiteral("frmMaterial4opt")));
  Sanduhr sanduhr(material);
  if (!Ausfuehren(Rechner::Maschinenkosten)) return;
  const std::optional<Uebergabe> wert = MaschinenkostenErgebnisUebernehmen();
  if (wert && material) Setzen(material, "txtPreis", wert->Text);
}

}  // namespace tolvar::mdlExcel
