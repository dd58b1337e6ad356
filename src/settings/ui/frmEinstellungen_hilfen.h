#pragma once
// What the settings windows share beyond the common builders: the message title and the
// coloured pointers of the own windows.

#include <QString>
#include <QWidget>

#include "app/mdlMauszeiger.h"
#include "data/state.h"
#include "platform/ui/builders.h"

namespace tolvar::settings::ui {

inline const QString kTitel = QStringLiteral("Tolvar-Information");

// Pointer picture `art` ("Zeiger_", "Hand_", "Info_", "ZeigerInfo_") in the own windows' colour.
inline void Zeiger(QWidget* control, const char* art) {
  if (control == nullptr) return;
  mdlMauszeiger::MausbildSetzen(*control, QString::fromLatin1(art) + tolvar::ui::Q(state().windows.FarbnameTolvar));
}

}  // namespace tolvar::settings::ui
