#include "app/frmBegruessung.h"

#include <QEvent>
#include <QLabel>
#include <QPixmap>
#include <QTimer>

#include "app/mdiTolvarZentral.h"
#include "app/mdlGroesse.h"
#include "app/mdlHilfe.h"
#include "app/version.h"
#include "data/state.h"
#include "platform/sys/dataroot.h"
#include "platform/ui/builders.h"

namespace tolvar {

namespace {
std::chrono::milliseconds g_wartezeit{5000};
}

std::chrono::milliseconds frmBegruessung::Wartezeit() { return g_wartezeit; }
void frmBegruessung::SetWartezeit(std::chrono::milliseconds wartezeit) { g_wartezeit = wartezeit; }

frmBegruessung::frmBegruessung() : FormOf(QStringLiteral("frmBegruessung"), ui::FormKind::Window) {
  setWindowFlag(Qt::FramelessWindowHint);
  pcbBegruessung = ui::MakeLabel(this, QStringLiteral("pcbBegruessung"), QString());
  pcbBegruessung->installEventFilter(this);
}

void frmBegruessung::Form_Load() {
  const QPixmap bild(ui::Q(sys::DataPath("\\Bilder\\Begruessung.png")));
  pcbBegruessung->setPixmap(bild);
  pcbBegruessung->resize(bild.isNull() ? QSize(480, 320) : bild.size());
  setFixedSize(pcbBegruessung->size());
  Show();

  // Recorded before the wait: a double-click opens the main window at once, and its closing
  // writes these values to the registry.
  tolvar::State& s = state();
  s.enterprise.Programmpfad = sys::DataRoot();
  s.enterprise.Programmversion = app::Programmversion();

  mdlGroesse::BildschirmaufloesungPruefen();
  if (state().windows.AufloesungOk == 0) {
    Unload();
    return;
  }
  // The wait hands control back to the event loop, so the screen stays responsive.
  m_warten = new QTimer(this);
  m_warten->setSingleShot(true);
  connect(m_warten, &QTimer::timeout, this, [this] { Unload(); });
  m_warten->start(g_wartezeit);
}

void frmBegruessung::Form_Unload(bool& /*cancel*/) {
  if (m_warten) m_warten->stop();
  if (state().windows.AufloesungOk != 0) mdiTolvarZentral::instanz().Show();
}

void frmBegruessung::pcbBegruessung_DblClick() { Unload(); }

void frmBegruessung::Form_KeyDown(int key, int /*shift*/) {
  if (key == Qt::Key_F1) mdlHilfe::HilfeAufrufen("Index");
}

bool frmBegruessung::eventFilter(QObject* watched, QEvent* event) {
  if (watched == pcbBegruessung && event->type() == QEvent::MouseButtonDblClick) {
    pcbBegruessung_DblClick();
    return true;
  }
  return FormOf::eventFilter(watched, event);
}

}  // namespace tolvar
