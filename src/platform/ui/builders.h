#pragma once
// Building a window's controls the way its layout gives them: named (objectName = the
// control's name, so windows and the pointer table find it), placed in twips or left to a Qt
// layout, and the text conversions between the logic's UTF-8 strings and Qt. Every window uses
// these instead of helpers of its own.

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "platform/sys/screen.h"
#include "platform/ui/wrapcontrols.h"

class QFormLayout;
class QHBoxLayout;

namespace tolvar::ui {

class Grid;
class ImageList;
class KeyedTree;

// ---------------------------------------------------------------- texts

inline QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string S(const QString& text) { return text.toStdString(); }
inline std::string S(const QLineEdit* box) { return box != nullptr ? box->text().toStdString() : std::string(); }

// ---------------------------------------------------------------- placing

// Geometry in twips (15 per pixel), as the window layouts are measured.
inline void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
  if (widget == nullptr) return;
  widget->setGeometry(sys::TwipsToPixels(left), sys::TwipsToPixels(top), sys::TwipsToPixels(width),
                      sys::TwipsToPixels(height));
}

// Names a control of a kind that has no builder of its own (a tab strip, a date picker, ...);
// an empty name leaves it unnamed. Placed also places it in twips.
template <class T>
T* Named(T* control, const QString& name) {
  if (!name.isEmpty()) control->setObjectName(name);
  return control;
}
template <class T>
T* Placed(T* control, const QString& name, int left, int top, int width, int height) {
  PlaceTwips(Named(control, name), left, top, width, height);
  return control;
}

// ---------------------------------------------------------------- controls
// Each takes the parent, the control's name (may be empty for decoration), its text where it
// has one, and its place in twips.

inline QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top, int width,
                         int height) {
  auto* label = Named(new QLabel(text, parent), name);
  PlaceTwips(label, left, top, width, height);
  return label;
}

inline QLineEdit* MakeTextBox(QWidget* parent, const QString& name, int left, int top, int width, int height,
                              bool rightAligned = false) {
  auto* box = Named(new QLineEdit(parent), name);
  if (rightAligned) box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  PlaceTwips(box, left, top, width, height);
  return box;
}

inline QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                               int width, int height) {
  auto* button = Named(new WrapButton(caption, parent), name);
  PlaceTwips(button, left, top, width, height);
  return button;
}

inline QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                               int width, int height) {
  auto* box = Named(new WrapCheckBox(caption, parent), name);
  PlaceTwips(box, left, top, width, height);
  return box;
}

inline QRadioButton* MakeOptionButton(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                                      int width, int height) {
  auto* button = Named(new WrapOptionButton(caption, parent), name);
  PlaceTwips(button, left, top, width, height);
  return button;
}

// A box of several lines (built below with the controls a layout arranges).
inline QPlainTextEdit* MakeMultiLineBox(QWidget* parent, const QString& name);
inline QPlainTextEdit* MakeMultiLineBox(QWidget* parent, const QString& name, int left, int top, int width,
                                        int height) {
  auto* box = MakeMultiLineBox(parent, name);
  PlaceTwips(box, left, top, width, height);
  return box;
}

inline QComboBox* MakeComboBox(QWidget* parent, const QString& name, int left, int top, int width, int height) {
  auto* box = Named(new QComboBox(parent), name);
  PlaceTwips(box, left, top, width, height);
  return box;
}

// A plain frame, and a frame with a caption (a group box).
inline QFrame* MakeFrame(QWidget* parent, const QString& name, int left, int top, int width, int height) {
  auto* frame = Named(new QFrame(parent), name);
  PlaceTwips(frame, left, top, width, height);
  return frame;
}

inline QGroupBox* MakeGroup(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                            int height) {
  auto* group = Named(new QGroupBox(caption, parent), name);
  PlaceTwips(group, left, top, width, height);
  return group;
}

// A grid, and a tree showing the pictures of `images`.
Grid* MakeGrid(QWidget* parent, const QString& name, int left, int top, int width, int height);
KeyedTree* MakeTree(QWidget* parent, const QString& name, ImageList* images, int left, int top, int width, int height);

// ---------------------------------------------------------------- controls a layout arranges
// The same controls for windows arranged with Qt layouts: named, not placed. The layout sizes
// them to their captions, so they are the plain Qt controls.

inline QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text) {
  return Named(new QLabel(text, parent), name);
}

// `maxLength` > 0 limits the characters.
inline QLineEdit* MakeTextBox(QWidget* parent, const QString& name, int maxLength = 0) {
  auto* box = Named(new QLineEdit(parent), name);
  if (maxLength > 0) box->setMaxLength(maxLength);
  return box;
}

// A box of several lines. Tab and Shift+Tab move the focus on, as in every other box; Enter
// makes a new line.
inline QPlainTextEdit* MakeMultiLineBox(QWidget* parent, const QString& name) {
  auto* box = Named(new QPlainTextEdit(parent), name);
  box->setTabChangesFocus(true);
  return box;
}

inline QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption) {
  return Named(new QPushButton(caption, parent), name);
}

inline QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption) {
  return Named(new QCheckBox(caption, parent), name);
}

inline QRadioButton* MakeOptionButton(QWidget* parent, const QString& name, const QString& caption) {
  return Named(new QRadioButton(caption, parent), name);
}

inline QComboBox* MakeComboBox(QWidget* parent, const QString& name) { return Named(new QComboBox(parent), name); }

inline QGroupBox* MakeGroup(QWidget* parent, const QString& name, const QString& caption) {
  return Named(new QGroupBox(caption, parent), name);
}

// A sunken horizontal separator line.
inline QFrame* MakeLine(QWidget* parent, const QString& name) {
  auto* line = Named(new QFrame(parent), name);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

Grid* MakeGrid(QWidget* parent, const QString& name);
KeyedTree* MakeTree(QWidget* parent, const QString& name, ImageList* images);

// A box and the control to its right (a unit or a hint) side by side, as one row of a layout.
QHBoxLayout* SideBySide(QWidget* box, QWidget* right);

// A labelled row of a form layout; a unit, if given, stands to the right of the box.
void AddFormRow(QFormLayout* layout, const QString& label, QWidget* box, const QString& unit = QString());

// ---------------------------------------------------------------- colours

// A control's own background: the base of a text box; for buttons (option buttons and check
// boxes too) the button colour their style fills with; for others the window colour. The
// editors read it back to tell marked boxes.
inline QPalette::ColorRole BackgroundRoleOf(const QWidget* control) {
  return qobject_cast<const QLineEdit*>(control) != nullptr ? QPalette::Base : control->backgroundRole();
}
inline void SetBackground(QWidget* control, const QColor& colour) {
  if (control == nullptr) return;
  QPalette palette = control->palette();
  palette.setColor(QPalette::Window, colour);
  palette.setColor(BackgroundRoleOf(control), colour);
  control->setAutoFillBackground(true);
  control->setPalette(palette);
}
inline QColor Background(const QWidget* control) {
  if (control == nullptr) return QColor();
  return control->palette().color(BackgroundRoleOf(control));
}

}  // namespace tolvar::ui
