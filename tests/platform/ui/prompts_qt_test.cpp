// The real Qt dialogs behind the prompt service, answered by a timer in their own modal loop.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFont>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>

#include "platform/ui/placement.h"
#include "platform/ui/prompts.h"
#include "support/ui_desktop.h"
#include "support/ui_input.h"

namespace tolvar::ui {
namespace {

// Uses the Qt dialogs instead of the test main's scripted service for one test.
class QtPromptsTest : public ::testing::Test {
 protected:
  void SetUp() override { previous = SetPrompts(nullptr); }
  void TearDown() override { SetPrompts(previous); }

  // Runs `answer` on the modal dialog of type T once it is open.
  template <class T, class F>
  static void WhenOpen(F answer) {
    QTimer::singleShot(0, qApp, [answer] {
      auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
      ASSERT_NE(dialog, nullptr);
      answer(dialog);
    });
  }

  Prompts* previous = nullptr;
};

QStringList ButtonTexts(QMessageBox* box) {
  QStringList texts;
  for (QAbstractButton* button : box->buttons()) texts << button->text();
  texts.sort();
  return texts;
}

QAbstractButton* ButtonWithText(QMessageBox* box, const QString& text) {
  for (QAbstractButton* button : box->buttons()) {
    if (button->text() == text) return button;
  }
  return nullptr;
}

TEST_F(QtPromptsTest, MessageBoxShowsGermanButtonsAndReturnsTheClickedOne) {
  struct Case {
    int style;
    QStringList buttons;  // sorted
    QString click;
    int answer;
    QMessageBox::Icon icon;
  };
  const Case cases[] = {
      {36, {QStringLiteral("Ja"), QStringLiteral("Nein")}, QStringLiteral("Nein"), msgbox::No, QMessageBox::Question},
      {36, {QStringLiteral("Ja"), QStringLiteral("Nein")}, QStringLiteral("Ja"), msgbox::Yes, QMessageBox::Question},
      {16, {QStringLiteral("OK")}, QStringLiteral("OK"), msgbox::Ok, QMessageBox::Critical},
      {64, {QStringLiteral("OK")}, QStringLiteral("OK"), msgbox::Ok, QMessageBox::Information},
      {48, {QStringLiteral("OK")}, QStringLiteral("OK"), msgbox::Ok, QMessageBox::Warning},
      {1,
       {QStringLiteral("Abbrechen"), QStringLiteral("OK")},
       QStringLiteral("Abbrechen"),
       msgbox::Cancel,
       QMessageBox::NoIcon},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    WhenOpen<QMessageBox>([c](QMessageBox* box) {
      EXPECT_EQ(ButtonTexts(box), c.buttons);
      EXPECT_EQ(box->icon(), c.icon);
      EXPECT_EQ(box->text(), QStringLiteral("Erste Zeile\nZweite Zeile"));
      EXPECT_EQ(box->windowTitle(), QStringLiteral("Tolvar-Information"));
      ButtonWithText(box, c.click)->click();
    });
    EXPECT_EQ(MsgBox(QStringLiteral("Erste Zeile\n\rZweite Zeile"), c.style, QStringLiteral("Tolvar-Information")),
              c.answer);
  }
}

TEST_F(QtPromptsTest, MessageBoxIsAFixedDialogWholeOnTheScreen) {
  WhenOpen<QMessageBox>([](QMessageBox* box) {
    ASSERT_TRUE(test::WaitUntilPlaced(box));
    EXPECT_EQ(test::FixedDialogFaults(box), QStringList());
    EXPECT_TRUE(AvailableArea().contains(box->frameGeometry()));
    // A short text still leaves the title bar room for the whole title beside its buttons.
    QFont bold = box->font();
    bold.setBold(true);
    EXPECT_GT(box->width(), QFontMetrics(bold).horizontalAdvance(box->windowTitle()) + 80);
    box->accept();
  });
  MsgBox(QStringLiteral("Die Datei fehlt."), msgbox::Critical, QStringLiteral("Tolvar-Information"));
}

TEST_F(QtPromptsTest, EscapeOnYesNoCancelGivesCancel) {
  WhenOpen<QMessageBox>([](QMessageBox* box) { box->reject(); });
  EXPECT_EQ(MsgBox(QStringLiteral("Speichern?"), 35, QString()), msgbox::Cancel);
}

TEST_F(QtPromptsTest, SaveDialogAsksNoOverwriteQuestionAndReportsCancel) {
  WhenOpen<QFileDialog>([](QFileDialog* dialog) {
    EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_EQ(dialog->nameFilters(),
              (QStringList{QStringLiteral("Access-Datenbank (*.mdb)"), QStringLiteral("Alle Dateien (*)")}));
    EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("Access-Datenbank (*.mdb)"));
    dialog->reject();
  });
  EXPECT_EQ(SaveFileDialog(QStringLiteral("Betrieb speichern unter"), QDir::tempPath(),
                           QStringLiteral("Access-Datenbank (*.mdb)|*.mdb|Alle Dateien|*.*"), QStringLiteral("*.mdb")),
            std::nullopt);
}

TEST_F(QtPromptsTest, OpenDialogReturnsTheChosenFile) {
  const QString path = QDir::temp().filePath(QStringLiteral("tolvar_prompt_test.MSD"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  WhenOpen<QFileDialog>([path](QFileDialog* dialog) {
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    // A pattern no filter lists comes first and is selected.
    EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("*.MSD (*.MSD)"));
    dialog->selectFile(path);
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(OpenFileDialog(QStringLiteral("Sicherungsdatei laden"), QDir::tempPath(),
                           QStringLiteral("Alle Dateien|*.*"), QStringLiteral("*.MSD")),
            path);
  QFile::remove(path);
}

// Whatever the system's language, the dialog's file list shows sizes and dates in German, and
// its size, type and date columns are as wide as what they show.
TEST_F(QtPromptsTest, FileListShowsGermanSizesAndDatesInWholeColumns) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString name = QStringLiteral("Gärtnerei Beispiel.mdb");
  QFile file(folder.filePath(name));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(QByteArray(1536, 'x'));
  ASSERT_TRUE(file.flush());
  ASSERT_TRUE(file.setFileTime(QDateTime(QDate(2023, 11, 3), QTime(14, 5)), QFileDevice::FileModificationTime));
  file.close();
  WhenOpen<QFileDialog>([name](QFileDialog* dialog) {
    auto* list = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->isVisible());
    const QAbstractItemModel* files = list->model();
    // The folder is read in the background; the row turns up once it has been.
    const auto row = [&] {
      const QModelIndex root = list->rootIndex();
      for (int r = 0; r < files->rowCount(root); ++r) {
        if (files->index(r, 0, root).data().toString() == name) return r;
      }
      return -1;
    };
    while (row() < 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    const QModelIndex root = list->rootIndex();
    EXPECT_EQ(files->index(row(), 1, root).data().toString().toStdString(), "1,5 kB");
    EXPECT_EQ(files->index(row(), 3, root).data().toString().toStdString(), "03.11.2023 14:05");
    QStyleOptionViewItem option;
    option.initFrom(list);
    for (int column = 1; column <= 3; ++column) {
      SCOPED_TRACE(column);
      const QModelIndex cell = files->index(row(), column, root);
      EXPECT_GE(list->header()->sectionSize(column), list->itemDelegate()->sizeHint(option, cell).width())
          << cell.data().toString().toStdString();
      EXPECT_GE(list->header()->sectionSize(column), list->header()->sectionSizeHint(column));
    }
    dialog->reject();
  });
  EXPECT_EQ(OpenFileDialog(QStringLiteral("Betrieb öffnen"), folder.path(), QStringLiteral(".mdb|*.mdb|")),
            std::nullopt);
}

// A name typed for saving is taken as typed: the dialog would read the quotes as a list of
// names and save under "Test" in the current folder.
TEST_F(QtPromptsTest, SaveDialogTakesTheTypedNameAsTyped) {
  const QString typed = QStringLiteral("O'Neil \"Test\"; Gärtnerei.mdb");
  WhenOpen<QFileDialog>([typed](QFileDialog* dialog) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(typed);
    static_cast<QDialog*>(dialog)->accept();
  });
  EXPECT_EQ(SaveFileDialog(QString(), QDir::tempPath(), QStringLiteral("Alle Dateien|*.*")),
            QDir(QDir::tempPath()).filePath(typed));
  EXPECT_EQ(TypedFileName(QStringLiteral("/a/b/x \"y\".mdb"), QStringLiteral("/c")),
            QStringLiteral("/a/b/x \"y\".mdb"));
  EXPECT_EQ(TypedFileName(QStringLiteral("x;y.mdb"), QStringLiteral("/c/d")), QStringLiteral("/c/d/x;y.mdb"));
}

// The dialog's button that accepts it ("Öffnen", "Speichern").
QPushButton* AcceptButton(QFileDialog* dialog, bool save) {
  auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
  return box == nullptr ? nullptr : box->button(save ? QDialogButtonBox::Save : QDialogButtonBox::Open);
}

// A typed name is taken as typed in the open dialogs as in the save dialogs: a name with
// quotes that names an existing file opens it, and a save name too long for the file system
// still leaves the dialog (the command says "Der Name ist zu lang.") instead of a disabled
// button.
TEST_F(QtPromptsTest, TypedNamesAreTakenAsTyped) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString kopie = QStringLiteral("Kopie \"B\".MSD");
  QFile file(QDir(folder.path()).filePath(kopie));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  struct Case {
    const char* name;
    bool save;
    QString typed;
  };
  const Case cases[] = {
      {"open, quotes", false, kopie},
      {"save, quotes", true, QStringLiteral("Neu \"C\".mdb")},
      {"save, too long", true, QString(300, QLatin1Char('x')) + QStringLiteral(".mdb")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    bool enabled = false;
    WhenOpen<QFileDialog>([&c, &enabled](QFileDialog* dialog) {
      auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      QPushButton* button = AcceptButton(dialog, c.save);
      ASSERT_NE(edit, nullptr);
      ASSERT_NE(button, nullptr);
      edit->setText(c.typed);
      QApplication::processEvents();
      enabled = button->isEnabled();
      if (!enabled) {
        dialog->reject();
        return;
      }
      button->click();
      if (dialog->isVisible()) dialog->reject();
    });
    const std::optional<QString> chosen =
        c.save ? SaveFileDialog(QString(), folder.path(), QStringLiteral("Alle Dateien|*.*"))
               : OpenFileDialog(QString(), folder.path(), QStringLiteral(".MSD|*.MSD|"));
    EXPECT_TRUE(enabled);
    EXPECT_EQ(chosen, QDir(folder.path()).filePath(c.typed));
  }
}

// A typed name that names no file, confirmed with Enter, gets the program's message naming it
// whole, quotes and all, and the open dialog stays open for another name.
TEST_F(QtPromptsTest, OpenDialogNamesAMissingTypedNameWhole) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  for (const QString& typed : {QStringLiteral("Nix \"X\".mdb"), QStringLiteral("Nix.mdb")}) {
    SCOPED_TRACE(typed.toStdString());
    QString meldung;
    bool offenDanach = false;
    WhenOpen<QFileDialog>([&](QFileDialog* dialog) {
      auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      ASSERT_NE(edit, nullptr);
      ASSERT_TRUE(test::TypeInto(edit, typed));
      WhenOpen<QMessageBox>([&meldung](QMessageBox* box) {
        meldung = box->text();
        box->buttons().front()->click();
      });
      ASSERT_TRUE(test::PressEnter());
      offenDanach = dialog->isVisible();
      dialog->reject();
    });
    EXPECT_EQ(OpenFileDialog(QStringLiteral("Betrieb öffnen"), folder.path(), QStringLiteral(".mdb|*.mdb|")),
              std::nullopt);
    EXPECT_EQ(meldung, QStringLiteral("Die Datei \"%1\" wurde nicht gefunden.").arg(typed));
    EXPECT_TRUE(offenDanach);
  }
}

}  // namespace
}  // namespace tolvar::ui
