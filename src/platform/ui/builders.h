#pragma once
// Building a window's controls the way its layout gives them: named (objectName = the
// control's name, so windows and the pointer table find it), placed in twips, and the text
// conversions between the logic's UTF-8 strings and Qt. Every window uses these instead of
// helpers of its own.

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>

#include <string>
#include <string_view>

#include "platform/sys/screen.h"
#include "platform/ui/wrapcontrols.h"

namespace tolvar::ui {

// ---------------------------------------------------------------- texts

inline QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string S(const QString& text) { return text.toStdString(); }
inline std::string S(const QLineEdit* box) { return box != nullptr ? box->text().toStdString() : std::string(); }

// ---------------------------------------------------------------- placing

// Geometry in twips (15 per pixel), as the window layouts are measured.
inline void PlaceTwips(QWidget* widget, int left, int top, int width, int height) {
  if (widget == nullptr) return;
  widget->setGeometry(sys::TwipsToPixels(left), sys::TwipsToPixels(top), sys::TwipsToPixels(width),
                      sys::TwipsToPixels(height));
}

namespace detail {
template <class T>
T* Named(T* control, const QString& name) {
  if (!name.isEmpty()) control->setObjectName(name);
  return control;
}
}  // namespace detail

// ---------------------------------------------------------------- controls
// Each takes the parent, the control's name (may be empty for decoration), its text where it
// has one, and its place in twips.

inline QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& text, int left, int top,
                         int width, int height) {
  auto* label = detail::Named(new QLabel(text, parent), name);
  PlaceTwips(label, left, top, width, height);
  return label;
}

inline QLineEdit* MakeTextBox(QWidget* parent, const QString& name, int left, int top, int width, int height,
                              bool rightAligned = false) {
  auto* box = detail::Named(new QLineEdit(parent), name);
  if (rightAligned) box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  PlaceTwips(box, left, top, width, height);
  return box;
}

inline QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                               int width, int height) {
  auto* button = detail::Named(new WrapButton(caption, parent), name);
  PlaceTwips(button, left, top, width, height);
  return button;
}

inline QCheckBox* MakeCheckBox(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                               int width, int height) {
  auto* box = detail::Named(new WrapCheckBox(caption, parent), name);
  PlaceTwips(box, left, top, width, height);
  return box;
}

inline QRadioButton* MakeOptionButton(QWidget* parent, const QString& name, const QString& caption, int left,
                                      int top, int width, int height) {
  auto* button = detail::Named(new WrapOptionButton(caption, parent), name);
  PlaceTwips(button, left, top, width, height);
  return button;
}

inline QComboBox* MakeComboBox(QWidget* parent, const QString& name, int left, int top, int width, int height) {
  auto* box = detail::Named(new QComboBox(parent), name);
  PlaceTwips(box, left, top, width, height);
  return box;
}

// A plain frame, and a frame with a caption (a group box).
inline QFrame* MakeFrame(QWidget* parent, const QString& name, int left, int top, int width, int height) {
  auto* frame = detail::Named(new QFrame(parent), name);
  PlaceTwips(frame, left, top, width, height);
  return frame;
}

inline QGroupBox* MakeGroup(QWidget* parent, const QString& name, const QString& caption, int left, int top,
                            int width, int height) {
  auto* group = detail::Named(new QGroupBox(caption, parent), name);
  PlaceTwips(group, left, top, width, height);
  return group;
}

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
