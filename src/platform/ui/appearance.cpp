#include "platform/ui/appearance.h"

#include <QApplication>
#include <QCoreApplication>

namespace tolvar::ui {

void PrepareApplication() { QCoreApplication::setAttribute(Qt::AA_Use96Dpi); }

QFont LayoutFont(double points, bool bold) {
  QFont font(QString::fromLatin1(kFontFamily));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

void SetUpApplication(QApplication& /*app*/) { QApplication::setFont(LayoutFont(kFontPoints)); }

}  // namespace tolvar::ui
