// The look the window layouts were made for, as the test main sets it up like the program.
#include "platform/ui/appearance.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>

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

}  // namespace
}  // namespace tolvar::ui
