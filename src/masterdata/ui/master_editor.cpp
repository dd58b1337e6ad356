#include "masterdata/ui/master_editor.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/mdlMauszeiger.h"
#include "data/records_material.h"
#include "data/state.h"
#include "masterdata/mdlMorvin5_nummern.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "platform/ui/prompts.h"

namespace tolvar::masterdata::ui {

namespace {

// Drops every key of a barcode box with a beep, on pressing and on releasing it. Focus keys
// (Tab, Backtab) pass so the user can still leave the box.
class BarcodeFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) return false;
    tolvar::ui::Beep();
    return true;
  }
};

}  // namespace

const MaterialSatz* MaterialAn(int index) { return At(state().masters.MaterialListe, index); }

void NachDemSpeichern(tolvar::ui::Form& fenster, const MaterialSpeicherergebnis& ergebnis) {
  if (ergebnis.gespeichert) {
    fenster.Unload();
    return;
  }
  if (auto* fokus = tolvar::ui::FindControl<QWidget>(&fenster, tolvar::ui::Q(ergebnis.fokus))) fokus->setFocus();
}

void BarcodeFeldSperren(QLineEdit* box) {
  box->setReadOnly(true);
  box->setAlignment(Qt::AlignRight);
  box->installEventFilter(new BarcodeFilter(box));
}

void MausbildSetzen(QWidget* control, const char* art, bool morvin) {
  if (control == nullptr) return;
  const std::string& farbe = morvin ? state().windows.FarbnameMorvin : state().windows.FarbnameTolvar;
  mdlMauszeiger::MausbildSetzen(*control, QString::fromLatin1(art) + tolvar::ui::Q(farbe));
}

void BarcodeVorschlagen(QLineEdit* box, const char* tabelle) {
  if (auto code = mdlMorvin5::NaechstenBarcodeErmitteln(tabelle)) box->setText(tolvar::ui::Q(*code));
}

void NummerVorschlagen(QLineEdit* box, const char* tabelle) {
  if (auto nummer = mdlMorvin5::NaechsteNummerErmitteln(tabelle)) box->setText(tolvar::ui::Q(*nummer));
}

}  // namespace tolvar::masterdata::ui
