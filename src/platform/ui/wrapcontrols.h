#pragma once
// Buttons, option buttons and check boxes whose caption breaks onto further lines at word
// boundaries when it is wider than the control, as far as the control's height allows; a
// caption that fits on one line looks as on the plain control. The whole control takes the
// click, not only its indicator and first line. The builders make every button of a layout
// this way.

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace tolvar::ui {

// Flags the wrapped captions are drawn with; the layout check measures with the same.
inline constexpr int kWrapTextFlags = Qt::TextWordWrap | Qt::TextShowMnemonic;

class WrapButton : public QPushButton {
 public:
  using QPushButton::QPushButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

class WrapOptionButton : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;
};

class WrapCheckBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool hitButton(const QPoint& pos) const override;
};

// The rectangle the caption of `button` is drawn in (inside its frame or beside its
// indicator), in the button's coordinates.
QRect CaptionRect(const QAbstractButton* button);

}  // namespace tolvar::ui
