#include "masterdata/ui/stammdateneditor.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>

#include "app/mdlGroesse_farben.h"
#include "app/mdlMauszeiger.h"
#include "platform/ui/prompts.h"

namespace tolvar::masterdata_ui {

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
    ui::Beep();
    return true;
  }
};

}  // namespace

void BarcodeFeldSperren(QLineEdit* box) {
  box->setReadOnly(true);
  box->setAlignment(Qt::AlignRight);
  box->installEventFilter(new BarcodeFilter(box));
}

void MausbildSetzen(QWidget* control, const char* art, bool morvin) {
  if (control == nullptr) return;
  const std::string& farbe = morvin ? mdlGroesse::FarbnameMorvin : mdlGroesse::FarbnameTolvar;
  mdlMauszeiger::MausbildSetzen(*control, QString::fromLatin1(art) + QString::fromStdString(farbe));
}

QLineEdit* Textfeld(QWidget* parent, const char* name, int laenge) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromLatin1(name));
  if (laenge > 0) box->setMaxLength(laenge);
  return box;
}

QWidget* MitHinweis(QWidget* box, const QString& hinweis) {
  auto* zeile = new QWidget(box->parentWidget());
  auto* layout = new QHBoxLayout(zeile);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(box);
  layout->addWidget(new QLabel(hinweis, zeile));
  return zeile;
}

}  // namespace tolvar::masterdata_ui
