#include "platform/ui/prompts.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpacerItem>
#include <QStringList>
#include <QTreeView>

#include "platform/ui/placement.h"

namespace tolvar::ui {

namespace {

int ButtonsOf(int style) { return style & 0x0F; }

QString TitleOrDefault(const QString& title) {
  if (!title.isEmpty()) return title;
  const QString name = QGuiApplication::applicationDisplayName();
  return name.isEmpty() ? QStringLiteral("Tolvar") : name;
}

QString ButtonText(int answer) {
  switch (answer) {
    case msgbox::Ok:
      return QStringLiteral("OK");
    case msgbox::Cancel:
      return QStringLiteral("Abbrechen");
    case msgbox::Abort:
      return QStringLiteral("Abbrechen");
    case msgbox::Retry:
      return QStringLiteral("Wiederholen");
    case msgbox::Ignore:
      return QStringLiteral("Ignorieren");
    case msgbox::Yes:
      return QStringLiteral("Ja");
    case msgbox::No:
      return QStringLiteral("Nein");
    case msgbox::TryAgain:
      return QStringLiteral("Wiederholen");
    case msgbox::Continue:
      return QStringLiteral("Weiter");
    default:
      return QString();
  }
}

QMessageBox::ButtonRole RoleOf(int answer) {
  switch (answer) {
    case msgbox::Yes:
      return QMessageBox::YesRole;
    case msgbox::No:
      return QMessageBox::NoRole;
    case msgbox::Cancel:
    case msgbox::Abort:
      return QMessageBox::RejectRole;
    default:
      return QMessageBox::AcceptRole;
  }
}

QMessageBox::Icon IconOf(int style) {
  switch (style & 0x70) {
    case msgbox::Critical:
      return QMessageBox::Critical;
    case msgbox::Question:
      return QMessageBox::Question;
    case msgbox::Exclamation:
      return QMessageBox::Warning;
    case msgbox::Information:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// The patterns of a Qt filter "Beschreibung (*.a *.b)".
QStringList PatternsOf(const QString& qtFilter) {
  const qsizetype open = qtFilter.lastIndexOf(QLatin1Char('('));
  if (open < 0 || !qtFilter.endsWith(QLatin1Char(')'))) return {};
  return qtFilter.mid(open + 1, qtFilter.size() - open - 2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Selects the filter that lists a wildcard `pattern` (one no filter lists is added in front);
// a plain file name is proposed in the name box.
void ApplyPattern(QFileDialog& dialog, QStringList filters, const QString& pattern) {
  const bool wildcard = pattern.contains(QLatin1Char('*')) || pattern.contains(QLatin1Char('?'));
  QString selected;
  if (wildcard) {
    const QString wanted = pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern;
    for (const QString& filter : filters) {
      if (PatternsOf(filter).contains(wanted, Qt::CaseInsensitive)) {
        selected = filter;
        break;
      }
    }
    if (selected.isEmpty()) {
      selected = wanted + QStringLiteral(" (") + wanted + QLatin1Char(')');
      filters.prepend(selected);
    }
  }
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  if (!selected.isEmpty()) dialog.selectNameFilter(selected);
  if (!wildcard && !pattern.isEmpty()) dialog.selectFile(pattern);
}

// The file list of a file dialog with its size and date columns in the program's locale: the
// dialog's own model writes them in the system's, with English month names under LANG=C.
class GermanFileDetails final : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;

  QVariant data(const QModelIndex& index, int role) const override {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (role != Qt::DisplayRole || files == nullptr) return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    if (index.column() == kDateColumn) {
      return QLocale().toString(files->lastModified(source), QStringLiteral("dd.MM.yyyy HH:mm"));
    }
    if (index.column() == kSizeColumn && !files->isDir(source)) {
      return QLocale().formattedDataSize(files->size(source), 1, QLocale::DataSizeTraditionalFormat);
    }
    return QIdentityProxyModel::data(index, role);
  }

 private:
  static constexpr int kSizeColumn = 1;
  static constexpr int kDateColumn = 3;
};

// German sizes and dates in the dialog's detail list, and its size, type and date columns as
// wide as their contents, so none of them is cut.
void ShowDetailsWhole(QFileDialog& dialog) {
  dialog.setProxyModel(new GermanFileDetails(&dialog));
  auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (details == nullptr) return;
  QHeaderView* header = details->header();
  for (int column = 1; column < header->count(); ++column) {
    header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  }
}

// A file dialog that takes a typed name as typed. Qt's dialog reads quotes in a typed name as
// a list of names ('Kopie "B".MSD' stands for "B"), so it refuses such a name in an open
// dialog, and it refuses a name longer than the file system takes in a save dialog with a
// disabled button. Here an open dialog takes a typed name that names an existing file, and a
// save dialog any typed name that is no folder; the commands say what is wrong with it.
class TypedNameDialog final : public QFileDialog {
 public:
  TypedNameDialog(QWidget* parent, const QString& title, const QString& folder, bool save)
      : QFileDialog(parent, title, folder), m_save(save) {
    // The widget dialog, whose name box this reads; the platform's own may differ.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  }

  // The file the dialog was closed with.
  std::optional<QString> Chosen() const {
    if (m_typed) return m_typed;
    const QStringList chosen = selectedFiles();
    if (chosen.isEmpty() || chosen.front().isEmpty()) return std::nullopt;
    return chosen.front();
  }

  void accept() override {
    if (const std::optional<QString> typed = TakenAsTyped()) {
      m_typed = typed;
      QDialog::accept();
      return;
    }
    if (const std::optional<QString> missing = NamesNoFile()) {
      // Qt's own message would name only a quoted part of the name; this one names it whole,
      // and the dialog stays open for another name.
      MsgBox(QStringLiteral("Die Datei \"%1\" wurde nicht gefunden.").arg(*missing), msgbox::Exclamation);
      return;
    }
    QFileDialog::accept();
  }

 protected:
  // The dialog's widgets exist once it is shown.
  void showEvent(QShowEvent* event) override {
    QFileDialog::showEvent(event);
    if (m_edit != nullptr) return;
    m_edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (auto* box = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox")))
      m_button = box->button(m_save ? QDialogButtonBox::Save : QDialogButtonBox::Open);
    if (m_edit == nullptr || m_button == nullptr) return;
    m_button->installEventFilter(this);
    // After the dialog's own handling of the typed text, which may disable the button.
    connect(m_edit, &QLineEdit::textChanged, this, [this] { KeepButtonEnabled(); });
    KeepButtonEnabled();
  }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == m_button && event->type() == QEvent::EnabledChange) KeepButtonEnabled();
    return QFileDialog::eventFilter(watched, event);
  }

 private:
  // Qt disables the button for a name it reads otherwise; a name taken as typed keeps it.
  void KeepButtonEnabled() {
    if (m_button != nullptr && !m_button->isEnabled() && TakenAsTyped()) m_button->setEnabled(true);
  }

  std::optional<QString> TakenAsTyped() const {
    if (m_edit == nullptr || m_edit->text().trimmed().isEmpty()) return std::nullopt;
    const QString file = TypedFileName(m_edit->text(), directory().absolutePath());
    const QFileInfo info(file);
    if (m_save ? info.isDir() : !info.isFile()) return std::nullopt;
    return file;
  }

  // The name typed into an open dialog where it names neither a file nor a folder (a folder
  // is opened, a pattern with * or ? filters the list, as in the dialog itself).
  std::optional<QString> NamesNoFile() const {
    if (m_save || m_edit == nullptr) return std::nullopt;
    const QString typed = m_edit->text().trimmed();
    if (typed.isEmpty() || typed.contains(QLatin1Char('*')) || typed.contains(QLatin1Char('?'))) return std::nullopt;
    if (QFileInfo::exists(TypedFileName(typed, directory().absolutePath()))) return std::nullopt;
    return typed;
  }

  bool m_save = false;
  QLineEdit* m_edit = nullptr;
  QPushButton* m_button = nullptr;
  std::optional<QString> m_typed;
};

// The window manager writes a box's title in its bold title font between the window icon and
// the window buttons; a box with a short text is made wide enough that its title is not cut.
void KeepTitleWhole(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (grid == nullptr) return;
  const int width = WholeTitleWidth(&box);
  grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                grid->columnCount());
}

// A dialog of the prompts sits as the program's windows do: by its frame, centred on its
// owner, whole on the screen; and as a modal window it never stays minimised alone.
void Present(QDialog& dialog, const QWidget* owner) {
  CentreOnOwner(&dialog, owner);
  KeepRestored(&dialog);
}

class QtPrompts final : public Prompts {
 public:
  int MsgBox(const QString& text, int style, const QString& title) override {
    QWidget* owner = QApplication::activeWindow();
    QMessageBox box(IconOf(style), TitleOrDefault(title), text, QMessageBox::NoButton, owner);
    const std::vector<int> answers = MsgBoxAnswers(style);
    std::vector<QPushButton*> buttons;
    for (int answer : answers) buttons.push_back(box.addButton(ButtonText(answer), RoleOf(answer)));
    const std::size_t defaultIndex = (style & msgbox::DefaultButton3) ? 2 : (style & msgbox::DefaultButton2) ? 1 : 0;
    box.setDefaultButton(buttons.at(defaultIndex < buttons.size() ? defaultIndex : 0));
    const int dismiss = MsgBoxDismissAnswer(style);
    for (std::size_t i = 0; i < answers.size(); ++i) {
      if (answers[i] == dismiss && (dismiss != msgbox::No)) box.setEscapeButton(buttons[i]);
    }
    KeepTitleWhole(box);
    Present(box, owner);
    box.exec();
    for (std::size_t i = 0; i < answers.size(); ++i) {
      if (box.clickedButton() == buttons[i]) return answers[i];
    }
    return dismiss;
  }

  std::optional<QString> OpenFileDialog(const FileDialogRequest& request) override { return Run(request, false); }
  std::optional<QString> SaveFileDialog(const FileDialogRequest& request) override { return Run(request, true); }
  void Beep() override { QApplication::beep(); }

 private:
  static std::optional<QString> Run(const FileDialogRequest& request, bool save) {
    // Without a title of its own a dialog is titled as the system titles its file dialogs.
    const QString title = !request.title.isEmpty() ? request.title
                          : save                   ? QStringLiteral("Speichern unter")
                                                   : QStringLiteral("Öffnen");
    QWidget* owner = QApplication::activeWindow();
    TypedNameDialog dialog(owner, title, request.folder, save);
    // The commands ask their own question before replacing a file, or replace it silently.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setLabelText(QFileDialog::Accept, save ? QStringLiteral("Speichern") : QStringLiteral("Öffnen"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Suchen in:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    ShowDetailsWhole(dialog);
    const QString filter = QtFileFilter(request.filter);
    ApplyPattern(dialog, filter.isEmpty() ? QStringList() : filter.split(QStringLiteral(";;")), request.pattern);
    Present(dialog, owner);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
  }
};

Prompts*& Installed() {
  static Prompts* installed = nullptr;
  return installed;
}

}  // namespace

QString TypedFileName(const QString& typed, const QString& folder) {
  if (QDir::isAbsolutePath(typed)) return QDir::cleanPath(typed);
  return QDir::cleanPath(QDir(folder).filePath(typed));
}

std::vector<int> MsgBoxAnswers(int style) {
  switch (ButtonsOf(style)) {
    case msgbox::OkCancel:
      return {msgbox::Ok, msgbox::Cancel};
    case msgbox::AbortRetryIgnore:
      return {msgbox::Abort, msgbox::Retry, msgbox::Ignore};
    case msgbox::YesNoCancel:
      return {msgbox::Yes, msgbox::No, msgbox::Cancel};
    case msgbox::YesNo:
      return {msgbox::Yes, msgbox::No};
    case msgbox::RetryCancel:
      return {msgbox::Retry, msgbox::Cancel};
    case msgbox::CancelTryAgainContinue:
      return {msgbox::Cancel, msgbox::TryAgain, msgbox::Continue};
    default:
      return {msgbox::Ok};
  }
}

int MsgBoxDismissAnswer(int style) {
  const std::vector<int> answers = MsgBoxAnswers(style);
  for (int answer : answers) {
    if (answer == msgbox::Cancel) return answer;
  }
  if (ButtonsOf(style) == msgbox::YesNo) return msgbox::No;
  if (ButtonsOf(style) == msgbox::AbortRetryIgnore) return msgbox::Abort;
  return msgbox::Ok;
}

QString NormalizeLineBreaks(const QString& text) {
  QString result = text;
  result.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return result;
}

QString QtFileFilter(const QString& filter) {
  if (!filter.contains(QLatin1Char('|'))) return filter;  // already in Qt's form, or none
  const QStringList parts = filter.split(QLatin1Char('|'));
  QStringList result;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      const QString trimmed = p.trimmed();
      patterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    QString description = parts[i].trimmed();
    // Qt reads the patterns from a trailing "(...)": replace one the description already has.
    static const QRegularExpression trailing(QStringLiteral("\\s*\\([^()]*\\)$"));
    description.remove(trailing);
    result << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return result.join(QStringLiteral(";;"));
}

Prompts& CurrentPrompts() {
  static QtPrompts qtPrompts;
  Prompts* installed = Installed();
  return installed != nullptr ? *installed : qtPrompts;
}

Prompts* SetPrompts(Prompts* prompts) {
  Prompts* previous = Installed();
  Installed() = prompts;
  return previous;
}

int MsgBox(const QString& text, int style, const QString& title) {
  return CurrentPrompts().MsgBox(NormalizeLineBreaks(text), style, title);
}

std::optional<QString> OpenFileDialog(const QString& title, const QString& folder, const QString& filter,
                                      const QString& pattern) {
  return CurrentPrompts().OpenFileDialog({.title = title, .folder = folder, .filter = filter, .pattern = pattern});
}

std::optional<QString> SaveFileDialog(const QString& title, const QString& folder, const QString& filter,
                                      const QString& pattern) {
  return CurrentPrompts().SaveFileDialog({.title = title, .folder = folder, .filter = filter, .pattern = pattern});
}

void Beep() { CurrentPrompts().Beep(); }

}  // namespace tolvar::ui
