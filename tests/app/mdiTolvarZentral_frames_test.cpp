// Every window of the program on a 1024 x 768 screen, opened as a person reaches it: its frame
// (title bar and border of the window manager included) lies inside the screen's available
// area, it opens where and as large as its layout gives it, and a fixed dialog offers a close
// box only and comes back when the window manager minimises it. Qt's own dialogs sit centred
// on their window by their frame. Offscreen the frames have no title bar; on the desktop run
// they are the window manager's.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>

#include "app_fixture.h"
#include "data/state.h"
#include "masterdata/ui/frmAufwandmenge.h"
#include "masterdata/ui/frmMaterial4opt.h"
#include "masterdata/ui/frmRechner.h"
#include "masterdata/ui/mdlPopUp.h"
#include "platform/sys/screen.h"
#include "platform/ui/builders.h"
#include "platform/ui/forms.h"
#include "platform/ui/placement.h"
#include "platform/ui/prompts.h"
#include "support/ui_desktop.h"
#include "support/ui_input.h"
#include "window_catalogue.h"

namespace tolvar::test {
namespace {

using sys::TwipsToPixels;

QString Text(const QRect& r) {
  return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool Centred(const QRect& frame, const QRect& on) {
  return std::abs(frame.center().x() - on.center().x()) <= 1 && std::abs(frame.center().y() - on.center().y()) <= 1;
}

// Beside the anchor, level with its top: to its right where the screen has room, else to its
// left, else over it as far right as the screen allows.
bool BesideOf(const QRect& frame, const QRect& anchor, const QRect& screen) {
  if (frame.top() != anchor.top()) return false;
  if (anchor.right() + frame.width() <= screen.right()) return frame.left() == anchor.right() + 1;
  if (anchor.left() - frame.width() >= screen.left()) return frame.right() == anchor.left() - 1;
  return frame.right() == screen.right();
}

// The faults of a top-level window's frame; `main` is the main window's frame.
QStringList TopLevelFaults(ui::Form& window, const Frame& e, const QRect& screen, const QRect& main) {
  QStringList faults;
  const QRect frame = window.frameGeometry();
  if (!screen.contains(frame)) faults << QStringLiteral("frame %1 leaves the screen %2").arg(Text(frame), Text(screen));
  bool placed = true;
  switch (e.place) {
    case Place::Anywhere:
      break;
    case Place::CentreOwner:
      placed = Centred(frame, main);
      break;
    case Place::CentreScreen:
      placed = Centred(frame, screen);
      break;
    case Place::At:
      placed = frame.topLeft() == QPoint(TwipsToPixels(e.left), TwipsToPixels(e.top));
      break;
    case Place::BesideSite: {
      ui::Form* standort = ui::Forms::Find(QStringLiteral("frmStandort"));
      placed = standort != nullptr && BesideOf(frame, standort->frameGeometry(), screen);
      break;
    }
    case Place::WorkArea:
      placed = false;
      break;
  }
  if (!placed) faults << QStringLiteral("frame %1 not where its layout puts it").arg(Text(frame));
  if (e.fixedDialog) faults << FixedDialogFaults(&window) << MinimiseFaults(&window);
  return faults;
}

QStringList ChildFaults(ui::Form& window, const Frame& e) {
  QStringList faults;
  auto* sub = qobject_cast<QMdiSubWindow*>(window.Frame());
  if (sub == nullptr || sub->mdiArea() == nullptr) return {QStringLiteral("not a child window of the main window")};
  const QRect frame = sub->geometry();
  const QRect work = sub->mdiArea()->viewport()->rect();
  if (frame.topLeft() != QPoint(TwipsToPixels(e.left), TwipsToPixels(e.top))) {
    faults << QStringLiteral("child frame %1 not where its layout puts it").arg(Text(frame));
  }
  // Its right edge, with the close box of its title row, lies in the work area.
  if (frame.right() > work.right()) {
    faults << QStringLiteral("child frame %1 reaches past the work area %2").arg(Text(frame), Text(work));
  }
  if (sub->windowFlags().testFlag(Qt::FramelessWindowHint) == e.titleRow) {
    faults << (e.titleRow ? QStringLiteral("shows no title row") : QStringLiteral("shows a title row"));
  }
  if (sub->isMaximized()) faults << QStringLiteral("maximised");
  return faults;
}

class WindowFramesTest : public AppTest {
 protected:
  ScopedScreen small{1024, 768};
};

TEST_F(WindowFramesTest, EveryWindowLiesWholeOnTheScreenWhereAndAsLargeAsItsLayoutGivesIt) {
  const QRect bildschirm(0, 0, 1024, 768);
  mdiTolvarZentral& haupt = MusterOeffnen();
  ASSERT_TRUE(WaitUntilPlaced(&haupt));
  // The main window's outer size at the screen's corner, its caption on the screen.
  const QRect main(0, 0, TwipsToPixels(15360), TwipsToPixels(11050));
  EXPECT_EQ(haupt.frameGeometry(), main) << ui::S(Text(haupt.frameGeometry()));
  // On the desktop the window manager says what it offers on a window.
  if (OnDesktop()) {
    ASSERT_TRUE(AllowedActions(&haupt).has_value());
  }

  QStringList faults;
  std::map<QString, int> heights;
  CheckEveryWindow(
      [&](const WindowEntry& entry, ui::Form& window) {
        const Frame& e = entry.frame;
        const bool child = window.Kind() == ui::FormKind::MdiChild;
        QStringList own = child ? ChildFaults(window, e) : TopLevelFaults(window, e, bildschirm, haupt.frameGeometry());
        if (e.width != 0 && window.size() != QSize(TwipsToPixels(e.width), TwipsToPixels(e.height))) {
          own << QStringLiteral("client area %1 x %2").arg(window.width()).arg(window.height());
        }
        // The settings window keeps one height whichever overheads panel it shows.
        const auto [first, fresh] = heights.emplace(window.Name(), window.frameGeometry().height());
        if (window.Name() == QLatin1String("frmEinstellungen") && !fresh &&
            first->second != window.frameGeometry().height()) {
          own << QStringLiteral("%1 px high, before %2").arg(window.frameGeometry().height()).arg(first->second);
        }
        return own;
      },
      &faults);
  EXPECT_TRUE(faults.isEmpty()) << faults.size() << " faults:\n" << ui::S(faults.join(QLatin1Char('\n')));

  // Opening an enterprise loads the main window again: it takes the same frame.
  prompts->AnswerFile(ui::Q(Muster()));
  Befehl("mnuoeffnen");
  ui::MainForm* wieder = ui::Forms::Main();
  ASSERT_NE(wieder, nullptr);
  ASSERT_TRUE(WaitUntilPlaced(wieder));
  EXPECT_EQ(wieder->frameGeometry(), main) << ui::S(Text(wieder->frameGeometry()));
}

// A message box and a file dialog shown from a window away from the screen's centre: each
// sits centred on that window by its frame, whole on the screen, and is never stranded when
// it is minimised: it comes back alone, or with the program when the user restores it.
TEST_F(WindowFramesTest, QtDialogsSitCentredOnTheirWindowByTheirFrame) {
  const QRect bildschirm(0, 0, 1024, 768);
  ASSERT_TRUE(WaitUntilPlaced(&MusterOeffnen()));
  frmRechner& rechner = frmRechner::instanz();
  rechner.MoveFrameTo(QPoint(260, 160));
  rechner.Show();
  ASSERT_TRUE(WaitUntilPlaced(&rechner));
  ASSERT_TRUE(ActivateWindowOf(&rechner));
  const ScopedQtPrompts qt;

  struct Fall {
    const char* was;
    std::function<void()> zeigen;
  };
  const Fall faelle[] = {
      {"Meldung", [] { ui::MsgBox(QStringLiteral("Der Datensatz wurde gespeichert."), ui::msgbox::OkOnly); }},
      {"Frage",
       [] {
         ui::MsgBox(QStringLiteral("Soll der Wert mit 1 bestzt werden?"), ui::msgbox::YesNo,
                    QStringLiteral("Tolvar-Information"));
       }},
      {"Öffnen", [] { ui::OpenFileDialog(QString(), QString(), QStringLiteral(".mdb|*.mdb|")); }},
  };
  for (const Fall& fall : faelle) {
    SCOPED_TRACE(fall.was);
    ActivateWindowOf(&rechner);
    QStringList faults;
    bool gesehen = false;
    QTimer::singleShot(0, &rechner, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      gesehen = true;
      if (WaitUntilPlaced(dialog)) {
        const QRect frame = dialog->frameGeometry();
        if (!bildschirm.contains(frame)) faults << QStringLiteral("frame %1 leaves the screen").arg(Text(frame));
        if (!Centred(frame, rechner.frameGeometry())) {
          faults << QStringLiteral("frame %1 not centred on %2").arg(Text(frame), Text(rechner.frameGeometry()));
        }
        faults << MinimiseFaults(dialog);
      }
      // A question has no escape: it is answered by its first button.
      if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        box->buttons().front()->click();
      } else {
        dialog->reject();
      }
    });
    fall.zeigen();
    EXPECT_TRUE(gesehen) << "no dialog shown";
    EXPECT_TRUE(faults.isEmpty()) << ui::S(faults.join(QLatin1Char('\n')));
  }
}

// The application-rate calculator names the material in its caption and opens wide enough to
// show it whole, as far as the screen allows.
TEST_F(WindowFramesTest, ApplicationRateCalculatorShowsItsWholeCaption) {
  const QRect bildschirm(0, 0, 1024, 768);
  ASSERT_TRUE(WaitUntilPlaced(&MusterOeffnen()));
  // Found afresh for each name: closing the editor reloads the master list.
  const auto spritzungIndex = [] {
    const auto& materialien = state().masters.MaterialListe;
    const auto spritzung = std::find_if(materialien.begin(), materialien.end(),
                                        [](const MaterialSatz& m) { return m.Materialname == "Fungizid (Spritzung)"; });
    return spritzung == materialien.end() ? -1 : static_cast<int>(spritzung - materialien.begin());
  };
  ASSERT_GE(spritzungIndex(), 0);
  for (const QString& name :
       {QStringLiteral("Fungizid (Spritzung)"),
        QStringLiteral("Fungizid gegen Grauschimmel und Echten Mehltau an Topfpflanzen (Spritzung)"),
        QStringLiteral("Fungizid ") + QString(200, QLatin1Char('x'))}) {
    SCOPED_TRACE(ui::S(name));
    state().selection.AktuellerBaum = "Material";
    state().selection.MaterialIndex = spritzungIndex();
    ASSERT_GE(state().selection.MaterialIndex, 0);
    mdlPopUp::PopUpAendern();
    ASSERT_TRUE(frmMaterial4opt::IsLoaded());
    frmMaterial4opt& material = frmMaterial4opt::instanz();
    ASSERT_TRUE(WaitUntilPlaced(&material));
    ASSERT_TRUE(TypeInto(material.txtName, name));
    ASSERT_TRUE(Click(material.cmbAufwandMenge));
    ASSERT_TRUE(frmAufwandmenge::IsLoaded());
    frmAufwandmenge& rate = frmAufwandmenge::instanz();
    ASSERT_TRUE(WaitUntilPlaced(&rate));
    EXPECT_EQ(rate.windowTitle(), QStringLiteral("Aufwandmenge für ") + name);
    const QRect frame = rate.frameGeometry();
    EXPECT_TRUE(bildschirm.contains(frame)) << ui::S(Text(frame));
    EXPECT_GE(frame.width(), std::min(ui::WholeTitleWidth(&rate), bildschirm.width())) << ui::S(Text(frame));
    rate.Unload();
    material.Unload();
    ProcessEvents();
  }
}

}  // namespace
}  // namespace tolvar::test
