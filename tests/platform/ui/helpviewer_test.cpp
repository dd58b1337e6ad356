#include "platform/ui/helpviewer.h"

#include <QFile>
#include <QTextBrowser>

#include <vector>

#include <gtest/gtest.h>

#include "support/fixtures.h"
#include "support/ui_forms.h"

namespace tolvar::ui {
namespace {

void WritePage(const test::TempDir& dir, const std::string& name, const QString& html) {
  QFile file(QString::fromStdString(dir.Join(name)));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(html.toUtf8());
}

QString Page(const QString& title, const QString& h1, const QString& body) {
  return QStringLiteral("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
                        "<title>%1</title></head><body><h1>%2</h1>%3</body></html>")
      .arg(title, h1, body);
}

class HelpViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WritePage(dir, "index.htm", Page("Tolvar-Hilfe", QStringLiteral("Übersicht"),
                                     "<p><a href=\"Abschnitt5.htm\">Stammdaten</a></p>"));
    WritePage(dir, "Abschnitt5.htm", Page("Hilfe – 5", "5 Stammdaten", "<p>Gewächshaus eins. Gewächshaus zwei.</p>"));
    WritePage(dir, "Abschnitt10.htm", Page("Hilfe – 10", "10 Über Tolvar", "<p>Version</p>"));
    WritePage(dir, "Abschnitt5.3.1.htm", Page("5.3.1 Gefäße", "", "<p>Töpfe</p>"));
    folder = QString::fromStdString(dir.Path());
  }
  void TearDown() override {
    if (HelpViewer::Exists()) HelpViewer::Instance().hide();
  }

  test::TempDir dir;
  QString folder;
};

TEST(HelpViewerTitles, PageTitleTakesTheHeadingThenTheTitle) {
  struct Case {
    const char* html;
    const char* title;
  };
  const Case cases[] = {
      {"<title>Tolvar-Hilfe</title><h1>Übersicht</h1>", "Übersicht"},
      {"<TITLE>Nur Titel</TITLE><body>Text</body>", "Nur Titel"},
      {"<title>T</title><h1 class=\"k\">A &amp; <b>B</b>\n  C</h1>", "A & B C"},
      {"<title>Ersatz</title><h1></h1>", "Ersatz"},
      {"<p>ohne</p>", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(HelpViewer::PageTitle(QString::fromUtf8(c.html)), QString::fromUtf8(c.title)) << c.html;
}

TEST(HelpViewerTitles, PagesAreOrderedByIndexThenSectionNumber) {
  const QStringList pages = {"Abschnitt10.htm", "Abschnitt5.3.1.htm", "Anhang.htm", "Abschnitt5.htm",
                             "index.htm",       "Abschnitt4.7.htm",   "Abschnitt5.3.htm", "Abschnitt6.1.1.htm"};
  const QStringList expected = {"index.htm",       "Abschnitt4.7.htm",   "Abschnitt5.htm", "Abschnitt5.3.htm",
                                "Abschnitt5.3.1.htm", "Abschnitt6.1.1.htm", "Abschnitt10.htm", "Anhang.htm"};
  EXPECT_EQ(HelpViewer::OrderedPages(pages), expected);
}

TEST_F(HelpViewerTest, ShowsAnExistingPageWithTheContentsOfAllPages) {
  HelpViewer& viewer = HelpViewer::Instance();
  ASSERT_TRUE(viewer.ShowPage(folder, "Abschnitt5.htm"));
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_TRUE(viewer.isWindow());
  EXPECT_EQ(viewer.CurrentPage(), "Abschnitt5.htm");
  EXPECT_EQ(viewer.ContentsPages(),
            QStringList({"index.htm", "Abschnitt5.htm", "Abschnitt5.3.1.htm", "Abschnitt10.htm"}));
  EXPECT_EQ(viewer.ContentsTitles(),
            QStringList({QStringLiteral("Übersicht"), "5 Stammdaten", QStringLiteral("5.3.1 Gefäße"), "10 Über Tolvar"}));
}

TEST_F(HelpViewerTest, MissingPageShowsNothingAndKeepsThePageShown) {
  HelpViewer& viewer = HelpViewer::Instance();
  ASSERT_TRUE(viewer.ShowPage(folder, "Abschnitt10.htm"));
  for (const char* page : {"Abschnitt99.htm", "", "Abschnitt.htm"}) {
    EXPECT_FALSE(viewer.ShowPage(folder, page)) << page;
    EXPECT_EQ(viewer.CurrentPage(), "Abschnitt10.htm");
  }
  EXPECT_FALSE(viewer.ShowPage(folder + "/fehlt", "index.htm"));
}

TEST_F(HelpViewerTest, OneWindowIsReusedAndClosingOnlyHidesIt) {
  HelpViewer& first = HelpViewer::Instance();
  first.ShowPage(folder, "index.htm");
  first.close();
  test::ProcessEvents();
  ASSERT_TRUE(HelpViewer::Exists());
  EXPECT_FALSE(first.isVisible());
  HelpViewer& second = HelpViewer::Instance();
  EXPECT_EQ(&first, &second);
  ASSERT_TRUE(second.ShowPage(folder, "Abschnitt5.htm"));
  EXPECT_TRUE(second.isVisible());
}

TEST_F(HelpViewerTest, BackAndForwardWalkThePagesShown) {
  HelpViewer& viewer = HelpViewer::Instance();
  viewer.ShowPage(folder, "index.htm");
  viewer.ShowPage(folder, "Abschnitt5.htm");
  viewer.ShowPage(folder, "Abschnitt10.htm");
  ASSERT_TRUE(viewer.CanGoBack());
  viewer.Back();
  EXPECT_EQ(viewer.CurrentPage(), "Abschnitt5.htm");
  EXPECT_TRUE(viewer.CanGoForward());
  viewer.Forward();
  EXPECT_EQ(viewer.CurrentPage(), "Abschnitt10.htm");
  EXPECT_FALSE(viewer.CanGoForward());
}

TEST_F(HelpViewerTest, FindNextWalksTheMatchesAndWrapsAround) {
  HelpViewer& viewer = HelpViewer::Instance();
  ASSERT_TRUE(viewer.ShowPage(folder, "Abschnitt5.htm"));
  auto* browser = viewer.findChild<QTextBrowser*>();
  ASSERT_NE(browser, nullptr);
  // Two matches; the third search starts again at the top.
  std::vector<int> starts;
  for (int round = 0; round < 3; ++round) {
    EXPECT_TRUE(viewer.FindNext(QStringLiteral("Gewächshaus"))) << round;
    EXPECT_EQ(viewer.SelectedText(), QStringLiteral("Gewächshaus"));
    starts.push_back(browser->textCursor().selectionStart());
  }
  EXPECT_LT(starts[0], starts[1]);
  EXPECT_EQ(starts[2], starts[0]);
  EXPECT_FALSE(viewer.FindNext(QStringLiteral("Kalkulation")));
  EXPECT_FALSE(viewer.FindNext(QString()));
}

}  // namespace
}  // namespace tolvar::ui
