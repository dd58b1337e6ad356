#pragma once
// The help window: a top-level window of its own, apart from the program's windows, showing the
// HTML pages of a help folder with a contents list, back and forward, and search in the page.
// One instance is reused for every request; closing it only hides it.

#include <QString>
#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace tolvar::ui {

class HelpViewer : public QWidget {
  Q_OBJECT

 public:
  // The one help window; built on first use.
  static HelpViewer& Instance();
  // True when the help window has been built (and not destroyed since).
  static bool Exists();

  // Shows page `page` (a file name such as "index.htm") of help folder `folder` and brings the
  // window to the front. False, and nothing shown, when the page does not exist.
  bool ShowPage(const QString& folder, const QString& page);

  // File name of the page shown ("Abschnitt5.3.1.htm"), or "" before the first page.
  QString CurrentPage() const;
  // Folder whose pages the contents list holds.
  QString Folder() const { return m_folder; }
  // Titles of the contents list, in its order, and the page behind each entry.
  QStringList ContentsTitles() const;
  QStringList ContentsPages() const { return m_pages; }

  // Selects the next occurrence of `text` in the page after the selection, wrapping around once
  // at the end. False when the page does not contain it.
  bool FindNext(const QString& text);
  QString SelectedText() const;

  bool CanGoBack() const;
  bool CanGoForward() const;
  void Back();
  void Forward();

  // The title a page gives itself: its first <h1>, else its <title>, else "".
  static QString PageTitle(const QString& html);
  // Help pages in contents order: "index.htm" first, then the section pages by section number
  // ("Abschnitt4.1.htm" < "Abschnitt5.htm" < "Abschnitt5.3.1.htm" < "Abschnitt10.htm").
  static QStringList OrderedPages(QStringList pages);

 protected:
  void closeEvent(class QCloseEvent* event) override;

 private:
  HelpViewer();

  void loadContents(const QString& folder);
  void sourceChanged(const QUrl& source);
  void contentsClicked(int row);
  void updateButtons();

  QString m_folder;
  QStringList m_pages;
  QListWidget* m_contents;
  QTextBrowser* m_browser;
  QPushButton* m_back;
  QPushButton* m_forward;
  QLineEdit* m_find;
  QPushButton* m_findNext;
};

}  // namespace tolvar::ui
