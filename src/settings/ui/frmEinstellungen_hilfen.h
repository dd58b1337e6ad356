#pragma once
// What the settings windows share beyond the common builders: the message title, the
// coloured pointers of the own windows, and named controls for windows that a layout
// arranges (these are not measured in twips, so they take no place).

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "app/mdlGroesse_farben.h"
#include "app/mdlMauszeiger.h"
#include "platform/ui/builders.h"

namespace tolvar::settings::ui {

inline const QString kTitel = QStringLiteral("Tolvar-Information");

// Pointer picture `art` ("Zeiger_", "Hand_", "Info_", "ZeigerInfo_") in the own windows' colour.
inline void Zeiger(QWidget* control, const char* art) {
  if (control == nullptr) return;
  mdlMauszeiger::MausbildSetzen(*control, QString::fromLatin1(art) + tolvar::ui::Q(mdlGroesse::FarbnameTolvar));
}

inline QPushButton* Knopf(QWidget* parent, const QString& name, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  return button;
}

inline QLineEdit* Feld(QWidget* parent, const QString& name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  return box;
}

inline QGroupBox* Rahmen(QWidget* parent, const QString& name, const QString& text) {
  auto* frame = new QGroupBox(text, parent);
  frame->setObjectName(name);
  return frame;
}

// A caption; decoration keeps the empty name.
inline QLabel* Beschriftung(QWidget* parent, const QString& text, const QString& name = QString()) {
  auto* label = new QLabel(text, parent);
  if (!name.isEmpty()) label->setObjectName(name);
  return label;
}

}  // namespace tolvar::settings::ui
