#include <gtest/gtest.h>

#include <vector>

#include "platform/sys/screen.h"
#include "platform/sys/shell.h"
#include "support/fixtures.h"

namespace tolvar::sys {
namespace {

TEST(RecordingShell, RecordsRequestsAndAnswersAsSet) {
  test::ScopedShell shell;
  EXPECT_TRUE(CurrentShell().OpenDocument("/daten/Hilfe Ü.pdf"));
  shell->SetResult(false);
  EXPECT_FALSE(CurrentShell().OpenUrl("https://www.example.org"));
  EXPECT_FALSE(CurrentShell().OpenUrl("mailto:info@example.org"));
  using K = RecordingShell::Kind;
  EXPECT_EQ(shell->Requests(), (std::vector<RecordingShell::Request>{{K::Document, "/daten/Hilfe Ü.pdf"},
                                                                     {K::Url, "https://www.example.org"},
                                                                     {K::Url, "mailto:info@example.org"}}));
}

TEST(CurrentShell, DefaultIsDesktopShellAndComesBack) {
  Shell* const defaultShell = &CurrentShell();
  EXPECT_NE(dynamic_cast<DesktopShell*>(defaultShell), nullptr);
  {
    test::ScopedShell shell(false);
    EXPECT_EQ(&CurrentShell(), &*shell);
  }
  EXPECT_EQ(&CurrentShell(), defaultShell);
}

// Logic tests run without a QGuiApplication: the desktop shell must report failure, not crash.
TEST(DesktopShell, WithoutGuiApplicationFails) {
  DesktopShell shell;
  EXPECT_FALSE(shell.OpenDocument("/proc/version"));
  EXPECT_FALSE(shell.OpenUrl("https://www.example.org"));
  EXPECT_FALSE(shell.OpenUrl("mailto:info@example.org"));
}

TEST(Screen, FixedDoubleAndPrimaryWithoutGui) {
  Screen* const defaultScreen = &CurrentScreen();
  EXPECT_EQ(defaultScreen->Width(), 0);
  EXPECT_EQ(defaultScreen->Height(), 0);
  {
    test::ScopedScreen screen(1024, 768);
    EXPECT_EQ(CurrentScreen().Width(), 1024);
    EXPECT_EQ(CurrentScreen().Height(), 768);
  }
  EXPECT_EQ(&CurrentScreen(), defaultScreen);
}

TEST(Twips, ConversionRoundsToNearestPixel) {
  static_assert(PixelsToTwips(TwipsToPixels(1440)) == 1440);
  const struct {
    int twips;
    int pixels;
  } cases[] = {{0, 0},   {7, 0},    {8, 1},     {15, 1},     {22, 1},      {23, 2},      {-7, 0},
               {-8, -1}, {-23, -2}, {1440, 96}, {4800, 320}, {11520, 768}, {15360, 1024}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.twips);
    EXPECT_EQ(TwipsToPixels(c.twips), c.pixels);
  }
  for (int pixels = -50; pixels <= 2000; ++pixels) {
    ASSERT_EQ(PixelsToTwips(pixels), pixels * 15);
    ASSERT_EQ(TwipsToPixels(PixelsToTwips(pixels)), pixels);
  }
}

}  // namespace
}  // namespace tolvar::sys
