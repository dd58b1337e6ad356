#include "platform/ui/wrapcontrols.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tolvar::ui {
namespace {

QStyleOptionButton OptionOf(const QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  option.icon = button->icon();
  option.iconSize = button->iconSize();
  if (button->isDown()) option.state |= QStyle::State_Sunken;
  if (button->isCheckable()) option.state |= button->isChecked() ? QStyle::State_On : QStyle::State_Off;
  if (!button->isDown() && !button->isChecked() && qobject_cast<const QPushButton*>(button) != nullptr)
    option.state |= QStyle::State_Raised;
  if (const auto* check = qobject_cast<const QCheckBox*>(button);
      check != nullptr && check->checkState() == Qt::PartiallyChecked)
    option.state = (option.state & ~QStyle::State_On) | QStyle::State_NoChange;
  return option;
}

// Draws the control through the style without its caption, then the caption wrapped.
void PaintWrapped(QAbstractButton* button, QStyle::ControlElement element, int alignment) {
  QStylePainter painter(button);
  QStyleOptionButton option = OptionOf(button);
  const QString text = option.text;
  option.text.clear();
  painter.drawControl(element, option);
  if (text.isEmpty()) return;
  const QRect area = CaptionRect(button);
  painter.drawItemText(area, alignment | kWrapTextFlags, button->palette(), button->isEnabled(), text,
                       QPalette::ButtonText);
  // The bevel of a push button shows its focus itself; option buttons and check boxes frame
  // their caption.
  if (button->hasFocus() && element != QStyle::CE_PushButtonBevel) {
    QStyleOptionFocusRect focus;
    focus.initFrom(button);
    focus.rect = painter.fontMetrics()
                     .boundingRect(area, alignment | kWrapTextFlags, text)
                     .adjusted(-1, 0, 1, 0)
                     .intersected(button->rect());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace

QRect CaptionRect(const QAbstractButton* button) {
  QStyleOptionButton option = OptionOf(button);
  const QStyle* style = button->style();
  if (qobject_cast<const QRadioButton*>(button) != nullptr) {
    const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, button) +
                          style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, button);
    return button->rect().adjusted(indicator, 0, 0, 0);
  }
  if (qobject_cast<const QCheckBox*>(button) != nullptr) {
    const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, &option, button) +
                          style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, button);
    return button->rect().adjusted(indicator, 0, 0, 0);
  }
  const int margin = style->pixelMetric(QStyle::PM_ButtonMargin, &option, button) / 2;
  const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
  return button->rect().adjusted(margin + frame, frame, -(margin + frame), -frame);
}

void WrapButton::paintEvent(QPaintEvent* /*event*/) {
  if (!icon().isNull()) {
    QStylePainter painter(this);
    QStyleOptionButton option = OptionOf(this);
    painter.drawControl(QStyle::CE_PushButton, option);
    return;
  }
  PaintWrapped(this, QStyle::CE_PushButtonBevel, Qt::AlignCenter);
}

void WrapOptionButton::paintEvent(QPaintEvent* /*event*/) {
  PaintWrapped(this, QStyle::CE_RadioButton, Qt::AlignLeft | Qt::AlignVCenter);
}
bool WrapOptionButton::hitButton(const QPoint& pos) const { return rect().contains(pos); }

void WrapCheckBox::paintEvent(QPaintEvent* /*event*/) {
  PaintWrapped(this, QStyle::CE_CheckBox, Qt::AlignLeft | Qt::AlignVCenter);
}
bool WrapCheckBox::hitButton(const QPoint& pos) const { return rect().contains(pos); }

}  // namespace tolvar::ui
