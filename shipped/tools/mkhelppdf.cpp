// mkhelppdf: renders the help pages of a folder into one printable PDF.
//
//   mkhelppdf <help folder> <output.pdf>
//
// The PDF holds a title page, a table of contents with page numbers, then the
// page index.htm and every page "Abschnitt<topic>.htm" in numeric topic order
// (4.1 < 4.2 < ... < 5 < 5.1 < 5.3 < 5.3.1 < ... < 10), each starting on a new
// page, with the page number in the footer. The pages share the stylesheet
// hilfe.css of the same folder. The file is written to
// <output>.tmp and renamed on success; any failure gives a non-zero exit code.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QScreen>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

const char* const kFontFamily = "DejaVu Sans";
constexpr double kMarginMm = 20.0;  // left, right, top, bottom of the text body
constexpr double kFooterMm = 12.0;  // baseline area of the footer, from the paper's bottom edge

struct HelpPage {
  QString fileName;
  std::vector<int> topic;  // empty for index.htm
  QString title;           // text of the first <h1>, else <title>, else the file name
  QString html;
  std::unique_ptr<QTextDocument> doc;
  int firstPage = 0;  // 1-based page number in the PDF
};

void fail(const QString& message) { std::fprintf(stderr, "mkhelppdf: %s\n", qPrintable(message)); }

// "Abschnitt5.3.1.htm" -> {5, 3, 1}; false when the name is not a topic page.
bool parseTopic(const QString& fileName, std::vector<int>& topic) {
  static const QRegularExpression re(QStringLiteral("^Abschnitt(\\d+(?:\\.\\d+)*)\\.htm$"));
  const QRegularExpressionMatch m = re.match(fileName);
  if (!m.hasMatch()) return false;
  topic.clear();
  for (const QString& part : m.captured(1).split(QLatin1Char('.'))) {
    bool ok = false;
    const int n = part.toInt(&ok);
    if (!ok) return false;
    topic.push_back(n);
  }
  return true;
}

QString plainText(QString html) {
  static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
  html.remove(tags);
  QTextDocument d;
  d.setHtml(html);  // resolves entities
  return d.toPlainText().simplified();
}

QString extractTitle(const QString& html, const QString& fallback) {
  static const QRegularExpression h1(
      QStringLiteral("<h1[^>]*>(.*?)</h1>"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression title(
      QStringLiteral("<title[^>]*>(.*?)</title>"),
      QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
  QRegularExpressionMatch m = h1.match(html);
  if (m.hasMatch() && !plainText(m.captured(1)).isEmpty()) return plainText(m.captured(1));
  m = title.match(html);
  if (m.hasMatch() && !plainText(m.captured(1)).isEmpty()) return plainText(m.captured(1));
  return fallback;
}

// Links between the help pages lead nowhere inside the PDF: keep their text only.
QString withoutLinks(QString html) {
  static const QRegularExpression open(QStringLiteral("<a\\s[^>]*>"), QRegularExpression::CaseInsensitiveOption);
  static const QRegularExpression close(QStringLiteral("</a\\s*>"), QRegularExpression::CaseInsensitiveOption);
  html.remove(open);
  html.remove(close);
  return html;
}

QString escaped(const QString& s) { return s.toHtmlEscaped(); }

class Renderer {
 public:
  Renderer(QPdfWriter& writer, double logicalDpi) : writer_(writer), painter_(&writer) {
    const double devDpi = writer.resolution();
    scale_ = devDpi / logicalDpi;
    const QSizeF paperMm = QPageSize(QPageSize::A4).size(QPageSize::Millimeter);
    const double mmToDev = devDpi / 25.4;
    paperDev_ = QSizeF(paperMm.width() * mmToDev, paperMm.height() * mmToDev);
    marginDev_ = kMarginMm * mmToDev;
    footerDev_ = kFooterMm * mmToDev;
    bodyLogical_ =
        QSizeF((paperDev_.width() - 2 * marginDev_) / scale_, (paperDev_.height() - 2 * marginDev_) / scale_);
  }

  bool active() const { return painter_.isActive(); }
  QSizeF bodySize() const { return bodyLogical_; }

  void setTotalPages(int n) { totalPages_ = n; }

  void prepare(QTextDocument& doc) const {
    doc.setDefaultFont(QFont(QString::fromLatin1(kFontFamily), 10));
    doc.setDocumentMargin(0);
    doc.setPageSize(bodyLogical_);
  }

  void titlePage() {
    startPage();
    const QRectF body(marginDev_, marginDev_, paperDev_.width() - 2 * marginDev_, paperDev_.height() - 2 * marginDev_);
    painter_.save();
    QFont big(QString::fromLatin1(kFontFamily));
    big.setPointSizeF(40);
    big.setBold(true);
    painter_.setFont(big);
    const QRectF top(body.left(), body.top() + body.height() * 0.28, body.width(), body.height() * 0.12);
    painter_.drawText(top, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Tolvar"));

    QFont mid(QString::fromLatin1(kFontFamily));
    mid.setPointSizeF(24);
    painter_.setFont(mid);
    const QRectF second(body.left(), top.bottom() + body.height() * 0.02, body.width(), body.height() * 0.07);
    painter_.drawText(second, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Dokumentation"));

    QFont small(QString::fromLatin1(kFontFamily));
    small.setPointSizeF(13);
    painter_.setFont(small);
    const QRectF third(body.left(), second.bottom() + body.height() * 0.03, body.width(), body.height() * 0.12);
    painter_.drawText(third, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                      QStringLiteral("Produktionskosten von Gartenbaukulturen kalkulieren,\n"
                                     "Heizkosten ermitteln und Kulturen vergleichen"));
    painter_.restore();
  }

  void document(QTextDocument& doc) {
    const int pages = std::max(1, doc.pageCount());
    const double pageH = bodyLogical_.height();
    for (int p = 0; p < pages; ++p) {
      startPage();
      painter_.save();
      painter_.translate(marginDev_, marginDev_);
      painter_.scale(scale_, scale_);
      painter_.translate(0, -p * pageH);
      doc.drawContents(&painter_, QRectF(0, p * pageH, bodyLogical_.width(), pageH));
      painter_.restore();
      footer();
    }
  }

  bool finish() { return painter_.end(); }

 private:
  void startPage() {
    if (pageNo_ > 0) writer_.newPage();
    ++pageNo_;
  }

  void footer() {
    painter_.save();
    QFont f(QString::fromLatin1(kFontFamily));
    f.setPointSizeF(8.5);
    painter_.setFont(f);
    painter_.setPen(QColor(0x55, 0x55, 0x55));
    const double lineH = footerDev_ * 0.5;
    const QRectF area(marginDev_, paperDev_.height() - footerDev_ - lineH / 2, paperDev_.width() - 2 * marginDev_,
                      lineH);
    painter_.drawLine(QPointF(area.left(), area.top() - lineH * 0.3), QPointF(area.right(), area.top() - lineH * 0.3));
    painter_.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tolvar \u2013 Dokumentation"));
    const QString number = totalPages_ > 0 ? QStringLiteral("Seite %1 von %2").arg(pageNo_).arg(totalPages_)
                                           : QStringLiteral("Seite %1").arg(pageNo_);
    painter_.drawText(area, Qt::AlignRight | Qt::AlignVCenter, number);
    painter_.restore();
  }

  QPdfWriter& writer_;
  QPainter painter_;
  double scale_ = 1.0;
  QSizeF paperDev_;
  double marginDev_ = 0;
  double footerDev_ = 0;
  QSizeF bodyLogical_;
  int pageNo_ = 0;
  int totalPages_ = 0;
};

QString tocHtml(const std::vector<HelpPage>& pages, bool withNumbers) {
  QString html = QStringLiteral(
      "<html><head><style>"
      "h1 { font-size: 18pt; font-weight: bold; color: #1f4e3d; margin-bottom: 12pt; }"
      "td { font-size: 10.5pt; padding-top: 3pt; padding-bottom: 3pt; }"
      "td.n { text-align: right; }"
      "</style></head><body><h1>Inhalt</h1>"
      "<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">");
  for (const HelpPage& p : pages) {
    const QString number = withNumbers ? QString::number(p.firstPage) : QStringLiteral("000");
    const bool sub = p.topic.size() > 2;
    html += QStringLiteral("<tr><td>%1%2</td><td class=\"n\" width=\"12%\">%3</td></tr>")
                .arg(sub ? QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;") : QString(), escaped(p.title), number);
  }
  html += QStringLiteral("</table></body></html>");
  return html;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  const QStringList args = app.arguments();
  if (args.size() != 3) {
    fail(QStringLiteral("Aufruf: mkhelppdf <Hilfeordner> <Ausgabe.pdf>"));
    return 2;
  }
  const QDir folder(args.at(1));
  const QString output = args.at(2);
  if (!folder.exists()) {
    fail(QStringLiteral("Ordner nicht gefunden: %1").arg(args.at(1)));
    return 1;
  }

  // Collect the pages: index.htm first, then the topics in numeric order.
  std::vector<HelpPage> pages;
  for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
    HelpPage page;
    if (name == QLatin1String("index.htm")) {
      page.topic.clear();
    } else if (!parseTopic(name, page.topic)) {
      continue;
    }
    page.fileName = name;
    pages.push_back(std::move(page));
  }
  if (pages.empty()) {
    fail(QStringLiteral("keine Hilfeseiten in %1").arg(folder.absolutePath()));
    return 1;
  }
  std::sort(pages.begin(), pages.end(), [](const HelpPage& a, const HelpPage& b) {
    return a.topic < b.topic;  // empty (index) first; a prefix before its extensions
  });

  for (HelpPage& p : pages) {
    QFile f(folder.filePath(p.fileName));
    if (!f.open(QIODevice::ReadOnly)) {
      fail(QStringLiteral("kann %1 nicht lesen").arg(f.fileName()));
      return 1;
    }
    p.html = QString::fromUtf8(f.readAll());
    p.title = extractTitle(p.html, p.fileName);
  }

  // The pages link the shared stylesheet; it applies to every page of the PDF.
  QString styleSheet;
  {
    QFile f(folder.filePath(QStringLiteral("hilfe.css")));
    if (!f.open(QIODevice::ReadOnly)) {
      fail(QStringLiteral("kann %1 nicht lesen").arg(f.fileName()));
      return 1;
    }
    styleSheet = QString::fromUtf8(f.readAll());
  }
  const QUrl baseUrl = QUrl::fromLocalFile(folder.absolutePath() + QLatin1Char('/'));

  const QString tmp = output + QStringLiteral(".tmp");
  QFile::remove(tmp);
  bool ok = false;
  {
    QPdfWriter writer(tmp);
    writer.setResolution(300);
    writer.setTitle(QStringLiteral("Tolvar \u2013 Dokumentation"));
    writer.setCreator(QStringLiteral("Tolvar"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));

    double logicalDpi = 96.0;
    if (const QScreen* s = QGuiApplication::primaryScreen()) logicalDpi = s->logicalDotsPerInchY();
    if (logicalDpi <= 0) logicalDpi = 96.0;

    Renderer r(writer, logicalDpi);
    if (!r.active()) {
      fail(QStringLiteral("kann %1 nicht schreiben").arg(tmp));
      return 1;
    }

    // Lay out every page to learn where each one starts.
    for (HelpPage& p : pages) {
      p.doc = std::make_unique<QTextDocument>();
      r.prepare(*p.doc);
      p.doc->setDefaultStyleSheet(styleSheet);
      p.doc->setBaseUrl(baseUrl);
      p.doc->setHtml(withoutLinks(p.html));
    }
    QTextDocument toc;
    r.prepare(toc);
    toc.setHtml(tocHtml(pages, false));
    const int tocPages = std::max(1, toc.pageCount());
    int next = 1 + tocPages + 1;  // title page, contents, then the help pages
    for (HelpPage& p : pages) {
      p.firstPage = next;
      next += std::max(1, p.doc->pageCount());
    }
    toc.setHtml(tocHtml(pages, true));
    if (std::max(1, toc.pageCount()) != tocPages) {
      fail(QStringLiteral("Inhaltsverzeichnis hat die Seitenzahl geändert"));
      r.finish();
      QFile::remove(tmp);
      return 1;
    }
    r.setTotalPages(next - 1);

    r.titlePage();
    r.document(toc);
    for (HelpPage& p : pages) r.document(*p.doc);
    ok = r.finish();
  }
  if (!ok || QFileInfo(tmp).size() == 0) {
    fail(QStringLiteral("Fehler beim Schreiben von %1").arg(tmp));
    QFile::remove(tmp);
    return 1;
  }
  if (std::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(output).constData()) != 0) {
    fail(QStringLiteral("kann %1 nicht in %2 umbenennen").arg(tmp, output));
    QFile::remove(tmp);
    return 1;
  }
  return 0;
}
