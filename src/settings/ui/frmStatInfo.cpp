#include "settings/ui/frmStatInfo.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>

#include "app/mdlHilfe.h"
#include "platform/ui/builders.h"
#include "platform/ui/controls.h"
#include "settings/ui/frmEinstellungen_hilfen.h"

namespace tolvar {

using ui::Q;

frmStatInfo::frmStatInfo() : FormOf(QStringLiteral("frmStatInfo"), ui::FormKind::Window) {
  setCaption(QString());
  auto* layout = new QGridLayout(this);
  static const char* const kTexte[6] = {
      "Station:", "Reg.Bezirk:", "Landkreis:", "Gemeinde:", "Geographische Lage:", "Höhe:"};
  const auto box = [this](const char* name) {
    QLineEdit* edit = ui::MakeTextBox(this, QLatin1String(name));
    edit->setReadOnly(true);
    return edit;
  };
  txtStatName = box("txtStatName");
  txtRegBezirk = box("txtRegBezirk");
  txtLkr = box("txtLkr");
  txtGemeinde = box("txtGemeinde");
  txtLage = box("txtLage");
  txtHoehe = box("txtHoehe");
  const std::array<QLineEdit*, 6> boxen = {txtStatName, txtRegBezirk, txtLkr, txtGemeinde, txtLage, txtHoehe};
  for (std::size_t i = 0; i < lblinfo.size(); ++i) {
    lblinfo[i] = ui::MakeLabel(this, ui::ControlName(QStringLiteral("lblinfo"), static_cast<int>(i)), Q(kTexte[i]));
    layout->addWidget(lblinfo[i], static_cast<int>(i), 0);
    layout->addWidget(boxen[i], static_cast<int>(i), 1);
  }
  pcbStatInfo = ui::MakeLabel(this, QStringLiteral("pcbStatInfo"), QString());
  layout->addWidget(pcbStatInfo, 0, 2, 7, 1);
}

void frmStatInfo::Anzeigen(const mdlWetterstation::StationsInfo& info) {
  txtStatName->setText(Q(info.StatName));
  txtRegBezirk->setText(Q(info.RegBezirk));
  txtLkr->setText(Q(info.Lkr));
  txtGemeinde->setText(Q(info.Gemeinde));
  txtHoehe->setText(Q(info.Hoehe));
  txtLage->setText(Q(info.Lage));
  pcbStatInfo->setPixmap(QPixmap(Q(info.Bild)));
  pcbStatInfo->setProperty("bild", Q(info.Bild));
}

void frmStatInfo::Form_Load() { settings::ui::Zeiger(this, "Info_"); }

void frmStatInfo::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("4.2");
}

}  // namespace tolvar
