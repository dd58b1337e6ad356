#include "platform/ui/helpviewer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTextBrowser>
#include <vector>

#include "platform/ui/builders.h"
#include "support/fixtures.h"
#include "support/ui_forms.h"

namespace tolvar::ui {
namespace {

void WritePage(const test::TempDir& dir, const std::string& name, const QString& html) {
  QFile file(Q(dir.Join(name)));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(html.toUtf8());
}

QString Page(const QString& title, const QString& h1, const QString& body) {
  return QStringLiteral(
             "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
             "<title>%1</title></head><body><h1>%2</h1>%3</body></html>")
      .arg(title, h1, body);
}

class HelpViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WritePage(dir, "index.htm",
              Page(QStringLiteral("Tolvar-Hilfe"), QStringLiteral("Übersicht"),
                   QStringLiteral("<p><a href=\"Abschnitt5.htm\">Stammdaten</a></p>")));
    WritePage(dir, "Abschnitt5.htm",
              Page(QStringLiteral("Hilfe – 5"), QStringLiteral("5 Stammdaten"),
                   QStringLiteral("<p>Gewächshaus eins. Gewächshaus zwei.</p>")));
    WritePage(dir, "Abschnitt10.htm",
              Page(QStringLiteral("Hilfe – 10"), QStringLiteral("10 Über Tolvar"), QStringLiteral("<p>Version</p>")));
    WritePage(dir, "Abschnitt5.3.1.htm",
              Page(QStringLiteral("5.3.1 Gefäße"), QString(), QStringLiteral("<p>Töpfe</p>")));
    folder = Q(dir.Path());
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
  for (const Case& c : cases) EXPECT_EQ(HelpViewer::PageTitle(Q(c.html)), Q(c.title)) << c.html;
}

TEST(HelpViewerTitles, PagesAreOrderedByIndexThenSectionNumber) {
  const QStringList pages = {QStringLiteral("Abschnitt10.htm"),  QStringLiteral("Abschnitt5.3.1.htm"),
                             QStringLiteral("Anhang.htm"),       QStringLiteral("Abschnitt5.htm"),
                             QStringLiteral("index.htm"),        QStringLiteral("Abschnitt4.7.htm"),
                             QStringLiteral("Abschnitt5.3.htm"), QStringLiteral("Abschnitt6.1.1.htm")};
  const QStringList expected = {QStringLiteral("index.htm"),          QStringLiteral("Abschnitt4.7.htm"),
                                QStringLiteral("Abschnitt5.htm"),     QStringLiteral("Abschnitt5.3.htm"),
                                QStringLiteral("Abschnitt5.3.1.htm"), QStringLiteral("Abschnitt6.1.1.htm"),
                                QStringLiteral("Abschnitt10.htm"),    QStringLiteral("Anhang.htm")};
  EXPECT_EQ(HelpViewer::OrderedPages(pages), expected);
}

TEST_F(HelpViewerTest, ShowsAnExistingPageWithTheContentsOfAllPages) {
  HelpViewer& viewer = HelpViewer::Instance();
  ASSERT_TRUE(viewer.ShowPage(folder, QStringLiteral("Abschnitt5.htm")));
  EXPECT_TRUE(viewer.isVisible());
  EXPECT_TRUE(viewer.isWindow());
  EXPECT_EQ(viewer.CurrentPage(), QStringLiteral("Abschnitt5.htm"));
  EXPECT_EQ(viewer.ContentsPages(),
            QStringList({QStringLiteral("index.htm"), QStringLiteral("Abschnitt5.htm"),
                         QStringLiteral("Abschnitt5.3.1.htm"), QStringLiteral("Abschnitt10.htm")}));
  EXPECT_EQ(viewer.ContentsTitles(), QStringList({QStringLiteral("Übersicht"), QStringLiteral("5 Stammdaten"),
                                                  QStringLiteral("5.3.1 Gefäße"), QStringLiteral("10 Über Tolvar")}));
}

TEST_F(HelpViewerTest, MissingPageShowsNothingAndKeepsThePageShown) {
  HelpViewer& viewer = HelpViewer::Instance();
  ASSERT_TRUE(viewer.ShowPage(folder, QStringLiteral("Abschnitt10.htm")));
  for (const char* page : {"Abschnitt99.htm", "", "Abschnitt.htm"}) {
    EXPECT_FALSE(viewer.ShowPage(folder, QLatin1String(page))) << page;
    EXPECT_EQ(viewer.CurrentPage(), QStringLiteral("Abschnitt10.htm"));
  }
  EXPECT_FALSE(viewer.ShowPage(folder + QStringLiteral("/fehlt"), QStringLiteral("index.htm")));
}

TEST_F(HelpViewerTest, OneWindowIsReusedAndClosingOnlyHidesIt) {
  HelpViewer& first = HelpViewer::Instance();
  first.ShowPage(folder, QStringLiteral("index.htm"));
  first.close();
  test::ProcessEvents();
  ASSERT_TRUE(HelpViewer::Exists());
  EXPECT_FALSE(first.isVisible());
  HelpViewer& second = HelpViewer::Instance();
  EXPECT_EQ(&first, &second);
  ASSERT_TRUE(second.ShowPage(folder, QStringLiteral("Abschnitt5.htm")));
  EXPECT_TRUE(second.isVisible());
}

TEST_F(HelpViewerTest, BackAndForwardWalkThePagesShown) {
  HelpViewer& viewer = HelpViewer::Instance();
  viewer.ShowPage(folder, QStringLiteral("index.htm"));
  viewer.ShowPage(folder, QStringLiteral("Abschnitt5.htm"));
  viewer.ShowPage(folder, QStringLiteral("Abschnitt10.htm"));
  ASSERT_TRUE(viewer.CanGoBack());
  viewer.Back();
  EXPECT_EQ(viewer.CurrentPage(), QStringLiteral("Abschnitt5.htm"));
  EXPECT_TRUE(viewer.CanGoForward());
  viewer.Forward();
  EXPECT_EQ(viewer.CurrentPage(), QStringLiteral("Abschnitt10.htm"));
  EXPECT_FALSE(viewer.CanGoForward());
}

TEST_F(HelpViewerTest, FindNextWalksTheMatchesAndWrapsAround) {
  HelpViewer& viewer = HelpViewer::Instance();
  ASSERT_TRUE(viewer.ShowPage(folder, QStringLiteral("Abschnitt5.htm")));
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
