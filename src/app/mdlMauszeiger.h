#pragma once
// Coloured mouse pointers: the shared picture list and the setter that gives the windows of
// the pointer table and their controls their pictures. The pictures' colours tell, control by
// control, whether the data comes from the own database or from the sibling program's.

#include <QString>

class QWidget;

namespace tolvar::ui {
class ImageList;

// The hourglass for the whole program while the object lives (nestable).
class WaitCursor {
 public:
  WaitCursor();
  ~WaitCursor();
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};
}  // namespace tolvar::ui

namespace tolvar::mdlMauszeiger {

// The 24 pointer pictures, keyed kind word + colour word ("Zeiger_Blau", "Hand_Rot", "Info_Gruen",
// "ZeigerInfo_Weiss"), read from <data root>/Bilder/<key>.png; pictures still missing are
// looked for again on each use.
ui::ImageList& imlMauszeiger();

// Gives `control` the picture `key` as its pointer (hotspot top-left). False, and the control
// keeps its pointer, when the list lacks the key.
bool MausbildSetzen(QWidget& control, const QString& key);
// The key of the picture `control` shows as its own pointer; "" when it shows none of the list.
QString Mausbild(const QWidget& control);

// Gives the window and its controls the pointers of its row in the pointer table, chosen by
// the window's exact name (objectName). A window not in the table is left unchanged. Every
// step stands alone: a missing control or picture skips only that step.
// Controls are the named widgets below the window (frames' contents included, Qt's internal
// "qt_" parts, separate windows and hosted child windows excluded).
void MauszeigerSetzen(QWidget& form);

}  // namespace tolvar::mdlMauszeiger
