#include "platform/ui/helpviewer.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSplitter>
#include <QStringDecoder>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/sys/shell.h"
#include "platform/ui/builders.h"

namespace tolvar::ui {

namespace {

QPointer<HelpViewer>& instancePointer() {
  static QPointer<HelpViewer> viewer;
  return viewer;
}

QString readPage(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return QString();
  const QByteArray data = file.readAll();
  const auto encoding = QStringConverter::encodingForHtml(data);
  QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
  return decoder.decode(data);
}

QString plainText(const QString& html) { return QTextDocumentFragment::fromHtml(html).toPlainText().simplified(); }

// Section numbers of "Abschnitt5.3.1.htm" as {5, 3, 1}; empty for any other name.
QList<int> sectionOf(const QString& page) {
  static const QRegularExpression pattern(QStringLiteral("^Abschnitt(\\d+(?:\\.\\d+)*)\\.htm$"),
                                          QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = pattern.match(page);
  QList<int> numbers;
  if (!match.hasMatch()) return numbers;
  for (const QString& part : match.captured(1).split(QLatin1Char('.'))) numbers.append(part.toInt());
  return numbers;
}

}  // namespace

HelpViewer& HelpViewer::Instance() {
  QPointer<HelpViewer>& viewer = instancePointer();
  if (viewer.isNull()) {
    viewer = new HelpViewer();
    // The window belongs to no program window; it goes when the program ends.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, viewer.data(), [] { delete instancePointer().data(); });
  }
  return *viewer;
}

bool HelpViewer::Exists() { return !instancePointer().isNull(); }

HelpViewer::HelpViewer() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QStringLiteral("Tolvar-Hilfe"));
  resize(900, 650);

  m_back = new QPushButton(QStringLiteral("Zurück"), this);
  m_forward = new QPushButton(QStringLiteral("Vorwärts"), this);
  m_find = new QLineEdit(this);
  m_findNext = new QPushButton(QStringLiteral("Weitersuchen"), this);
  auto* findLabel = new QLabel(QStringLiteral("Suchen:"), this);
  findLabel->setBuddy(m_find);

  auto* bar = new QHBoxLayout();
  bar->addWidget(m_back);
  bar->addWidget(m_forward);
  bar->addSpacing(16);
  bar->addWidget(findLabel);
  bar->addWidget(m_find, 1);
  bar->addWidget(m_findNext);

  m_contents = new QListWidget(this);
  m_browser = new QTextBrowser(this);
  m_browser->setOpenLinks(false);
  auto* splitter = new QSplitter(this);
  splitter->addWidget(m_contents);
  splitter->addWidget(m_browser);
  splitter->setStretchFactor(0, 0);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({260, 640});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(splitter, 1);

  connect(m_back, &QPushButton::clicked, this, &HelpViewer::Back);
  connect(m_forward, &QPushButton::clicked, this, &HelpViewer::Forward);
  connect(m_findNext, &QPushButton::clicked, this, [this] { FindNext(m_find->text()); });
  connect(m_find, &QLineEdit::returnPressed, this, [this] { FindNext(m_find->text()); });
  connect(m_contents, &QListWidget::currentRowChanged, this, &HelpViewer::contentsClicked);
  connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::sourceChanged);
  connect(m_browser, &QTextBrowser::backwardAvailable, this, &HelpViewer::updateButtons);
  connect(m_browser, &QTextBrowser::forwardAvailable, this, &HelpViewer::updateButtons);
  // Pages of the help folder open here; web and mail links go to the desktop's programs.
  connect(m_browser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.isRelative() || url.isLocalFile()) {
      const QUrl target = m_browser->source().resolved(url);
      if (QFileInfo(target.toLocalFile()).isFile()) m_browser->setSource(target);
    } else {
      sys::CurrentShell().OpenUrl(S(url.toString()));
    }
  });
  updateButtons();
}

bool HelpViewer::ShowPage(const QString& folder, const QString& page) {
  const QString path = QDir(folder).filePath(page);
  if (page.isEmpty() || !QFileInfo(path).isFile()) return false;
  if (QDir::cleanPath(folder) != QDir::cleanPath(m_folder)) loadContents(folder);
  m_browser->setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
  return true;
}

QString HelpViewer::CurrentPage() const { return QFileInfo(m_browser->source().toLocalFile()).fileName(); }

QStringList HelpViewer::ContentsTitles() const {
  QStringList titles;
  for (int row = 0; row < m_contents->count(); ++row) titles.append(m_contents->item(row)->text());
  return titles;
}

bool HelpViewer::FindNext(const QString& text) {
  if (text.isEmpty()) return false;
  if (m_browser->find(text)) return true;
  // Not found after the selection: start again at the top.
  QTextCursor cursor = m_browser->textCursor();
  cursor.movePosition(QTextCursor::Start);
  m_browser->setTextCursor(cursor);
  return m_browser->find(text);
}

QString HelpViewer::SelectedText() const { return m_browser->textCursor().selectedText(); }

bool HelpViewer::CanGoBack() const { return m_browser->isBackwardAvailable(); }
bool HelpViewer::CanGoForward() const { return m_browser->isForwardAvailable(); }
void HelpViewer::Back() { m_browser->backward(); }
void HelpViewer::Forward() { m_browser->forward(); }

QString HelpViewer::PageTitle(const QString& html) {
  static const QRegularExpression h1(
      QStringLiteral("<h1[^>]*>(.*?)</h1>"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression title(
      QStringLiteral("<title[^>]*>(.*?)</title>"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  for (const QRegularExpression* pattern : {&h1, &title}) {
    const QRegularExpressionMatch match = pattern->match(html);
    if (!match.hasMatch()) continue;
    const QString text = plainText(match.captured(1));
    if (!text.isEmpty()) return text;
  }
  return QString();
}

QStringList HelpViewer::OrderedPages(QStringList pages) {
  auto rank = [](const QString& page) {
    if (page.compare(QLatin1String("index.htm"), Qt::CaseInsensitive) == 0) return 0;
    return sectionOf(page).isEmpty() ? 2 : 1;
  };
  std::stable_sort(pages.begin(), pages.end(), [&](const QString& a, const QString& b) {
    const int ra = rank(a);
    const int rb = rank(b);
    if (ra != rb) return ra < rb;
    if (ra == 1) {
      const QList<int> sa = sectionOf(a);
      const QList<int> sb = sectionOf(b);
      return std::lexicographical_compare(sa.begin(), sa.end(), sb.begin(), sb.end());
    }
    return a.compare(b, Qt::CaseInsensitive) < 0;
  });
  return pages;
}

void HelpViewer::closeEvent(QCloseEvent* event) {
  // Kept for the next request.
  hide();
  event->ignore();
}

void HelpViewer::loadContents(const QString& folder) {
  m_folder = folder;
  const QDir dir(folder);
  m_pages = OrderedPages(dir.entryList({QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files));
  const QSignalBlocker block(m_contents);
  m_contents->clear();
  for (const QString& page : m_pages) {
    QString title = PageTitle(readPage(dir.filePath(page)));
    if (title.isEmpty()) title = QFileInfo(page).completeBaseName();
    m_contents->addItem(title);
  }
}

void HelpViewer::sourceChanged(const QUrl& source) {
  const QSignalBlocker block(m_contents);
  m_contents->setCurrentRow(static_cast<int>(m_pages.indexOf(QFileInfo(source.toLocalFile()).fileName())));
  updateButtons();
}

void HelpViewer::contentsClicked(int row) {
  if (row < 0 || row >= m_pages.size()) return;
  m_browser->setSource(QUrl::fromLocalFile(QFileInfo(QDir(m_folder).filePath(m_pages.at(row))).absoluteFilePath()));
}

void HelpViewer::updateButtons() {
  m_back->setEnabled(m_browser->isBackwardAvailable());
  m_forward->setEnabled(m_browser->isForwardAvailable());
}

}  // namespace tolvar::ui
