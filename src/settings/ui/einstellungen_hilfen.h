#pragma once
// Small helpers shared by the settings windows: texts between Qt and the logic, background
// colours that the editors read back, and the coloured pointers of the own windows.

#include <QColor>
#include <QLineEdit>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <string>

#include "app/mdlGroesse_farben.h"
#include "app/mdlMauszeiger.h"

namespace tolvar::einstellungen_ui {

inline const QString kTitel = QStringLiteral("Tolvar-Information");

inline QString Q(const std::string& text) { return QString::fromStdString(text); }
inline std::string S(const QString& text) { return text.toStdString(); }
inline std::string S(const QLineEdit* box) { return box ? box->text().toStdString() : std::string(); }

// Pointer picture `art` ("Zeiger_", "Hand_", "Info_", "ZeigerInfo_") in the own windows' colour.
inline void Zeiger(QWidget* control, const char* art) {
  if (control == nullptr) return;
  mdlMauszeiger::MausbildSetzen(*control, QString::fromLatin1(art) + Q(mdlGroesse::FarbnameTolvar));
}

// Background of a text box (its base) or of another control (its window colour).
inline void Hintergrund(QWidget* control, const QColor& farbe) {
  if (control == nullptr) return;
  QPalette palette = control->palette();
  palette.setColor(qobject_cast<QLineEdit*>(control) ? QPalette::Base : QPalette::Window, farbe);
  control->setAutoFillBackground(true);
  control->setPalette(palette);
}
inline QColor Hintergrund(const QWidget* control) {
  if (control == nullptr) return QColor();
  return control->palette().color(qobject_cast<const QLineEdit*>(control) ? QPalette::Base : QPalette::Window);
}

}  // namespace tolvar::einstellungen_ui
