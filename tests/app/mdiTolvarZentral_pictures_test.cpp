// Pictures of every window for review, on demand: with TOLVAR_WINDOW_PICTURES set to a folder
// each window (and each tab of it) is drawn on the sample enterprise into a PNG file there.
// See docs/window-pictures.md.
#include <QDir>
#include <QPixmap>

#include "app_fixture.h"
#include "platform/ui/builders.h"
#include "platform/ui/forms.h"
#include "window_catalogue.h"

namespace tolvar::test {
namespace {

class WindowPictures : public AppTest {};

TEST_F(WindowPictures, DrawsEveryWindow) {
  const QString folder = qEnvironmentVariable("TOLVAR_WINDOW_PICTURES");
  if (folder.isEmpty()) GTEST_SKIP() << "TOLVAR_WINDOW_PICTURES names no folder";
  ASSERT_TRUE(QDir().mkpath(folder));
  MusterOeffnen();
  int written = 0;
  for (const WindowEntry& entry : AllWindows()) {
    ui::Form& window = entry.open();
    ForEachView(window, ui::Q(entry.name), [&](QWidget& shown, const QString& view) {
      QWidget* frame = static_cast<ui::Form&>(shown).Frame();
      const QString file =
          QDir(folder).filePath(QString(view).replace(QLatin1Char(' '), QLatin1Char('_')) + QStringLiteral(".png"));
      EXPECT_TRUE(frame->grab().save(file)) << ui::S(file);
      ++written;
    });
    window.Unload();
    ProcessEvents();
  }
  std::printf("%d window pictures in %s\n", written, qPrintable(folder));
}

}  // namespace
}  // namespace tolvar::test
