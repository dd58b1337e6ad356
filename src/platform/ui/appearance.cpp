#include "platform/ui/appearance.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/sys/dataroot.h"

namespace tolvar::ui {

void PrepareApplication() { QCoreApplication::setAttribute(Qt::AA_Use96Dpi); }

QFont LayoutFont(double points, bool bold) {
  QFont font(QString::fromLatin1(kFontFamily));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

namespace {

bool LoadGermanTranslation(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (!translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  QCoreApplication::installTranslator(translator);
  return true;
}

}  // namespace

void SetUpApplication(QApplication& app) {
  QApplication::setFont(LayoutFont(kFontPoints));
  // Every control and dialog formats dates, numbers and month names in German, and Qt's own
  // dialog texts (file dialogs, message box buttons) are German, whatever the system's
  // language (a machine set up with LANG=C included).
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  LoadGermanTranslation(app);
  // The program's own icon, once for every window: their title bars and the desktop's window
  // list show it instead of the toolkit's.
  QApplication::setWindowIcon(QIcon(ProgramIconPath()));
}

QString ProgramIconPath() {
  return QDir(QString::fromStdString(sys::ShippedTree())).filePath(QStringLiteral("Bilder/Tolvar.png"));
}

}  // namespace tolvar::ui
