// The look the window layouts were made for, as the test main sets it up like the program.
#include "platform/ui/appearance.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>

namespace tolvar::ui {
namespace {

TEST(Appearance, TheApplicationFontIsAnArialMetricElevenPixelSansSerif) {
  const QFont font = QApplication::font();
  EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
  // 8.25 points at the 96 dots per inch the layouts' twips assume.
  EXPECT_EQ(QFontInfo(font).pixelSize(), 11);
  EXPECT_EQ(QFontInfo(LayoutFont(12, true)).pixelSize(), 16);
  EXPECT_TRUE(LayoutFont(8.25, true).bold());
}

TEST(Appearance, QtsOwnDialogTextsAreGerman) {
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "File &name:"), QStringLiteral("Datei&name:"));
}

// The program's own picture from the shipped tree is the icon of the application, so every
// window, a message box of Qt's included, shows it and not the toolkit's.
TEST(Appearance, EveryWindowShowsTheProgramsOwnIcon) {
  const QImage shipped(ProgramIconPath());
  ASSERT_FALSE(shipped.isNull()) << "the shipped tree lacks " << ProgramIconPath().toStdString();
  const QIcon icon = QApplication::windowIcon();
  const QImage::Format format = QImage::Format_ARGB32_Premultiplied;
  EXPECT_EQ(icon.pixmap(shipped.size()).toImage().convertToFormat(format), shipped.convertToFormat(format));
  QWidget window;
  QMessageBox box(&window);
  for (const QWidget* w : std::initializer_list<const QWidget*>{&window, &box}) {
    EXPECT_EQ(w->windowIcon().cacheKey(), icon.cacheKey());
  }
}

}  // namespace
}  // namespace tolvar::ui
