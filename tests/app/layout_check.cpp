#include "layout_check.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCalendarWidget>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTextDocument>
#include <algorithm>
#include <map>
#include <vector>

#include "platform/sys/screen.h"
#include "platform/ui/grid.h"
#include "platform/ui/wrapcontrols.h"

namespace tolvar::test {
namespace {

constexpr int kUnbounded = 100000;

// An inner part of a composite control; the page stack of a tab strip holds the pages' own
// controls and is looked through.
bool IsInnerPart(const QWidget& widget) {
  return widget.objectName().startsWith(QLatin1String("qt_")) &&
         widget.objectName() != QLatin1String("qt_tabwidget_stackedwidget");
}

// Controls that belong to the layout: not the inner parts of composite controls.
bool IsLayoutControl(const QWidget& widget, const QWidget& window) {
  if (widget.objectName().startsWith(QLatin1String("qt_"))) return false;
  for (const QWidget* up = widget.parentWidget(); up != nullptr && up != &window; up = up->parentWidget()) {
    if (qobject_cast<const QAbstractScrollArea*>(up) || qobject_cast<const QComboBox*>(up) ||
        qobject_cast<const QAbstractSpinBox*>(up) || qobject_cast<const QCalendarWidget*>(up) ||
        qobject_cast<const QTabBar*>(up) || qobject_cast<const QAbstractButton*>(up) ||
        qobject_cast<const QLineEdit*>(up) || IsInnerPart(*up)) {
      return false;
    }
  }
  if (qobject_cast<const QTabBar*>(&widget)) return false;
  return true;
}

QString NameOf(const QWidget& widget) {
  if (!widget.objectName().isEmpty()) return widget.objectName();
  QString text;
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) text = label->text();
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) text = button->text();
  if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) text = group->title();
  return QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(widget.metaObject()->className()), text);
}

QString Size(const QSize& size) { return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()); }

// The room the caption needs, laid out as the control draws it.
QSize Needed(const QFontMetrics& metrics, const QRect& area, int flags, const QString& text, bool wraps) {
  const int width = wraps ? area.width() : kUnbounded;
  return metrics.boundingRect(QRect(0, 0, width, kUnbounded), flags | (wraps ? Qt::TextWordWrap : 0), text).size();
}

// A caption fits when it needs no more than its area; a line may lose one pixel of leading.
QString Fits(const QString& caption, const QSize& needed, const QRect& area,
             const QString& what = QStringLiteral("caption")) {
  if (needed.width() <= area.width() && needed.height() <= area.height() + 1) return {};
  return QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(what, caption, Size(needed), Size(area.size()));
}

// Every head of a grid (the texts of its fixed rows) whole in its cell, broken at word
// boundaries onto as many lines as the row's height holds, within the room a cell keeps
// free beside its text and inside the grid lines on its right and bottom edge.
QStringList HeadFaults(const ui::Grid& grid) {
  QStringList faults;
  const int margin = grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1;
  QFont bold = grid.font();
  bold.setBold(true);
  for (int row = 0; row < grid.FixedRows(); ++row) {
    const int height = sys::TwipsToPixels(grid.RowHeight(row));
    for (int col = 0; col < grid.Cols(); ++col) {
      const QString text = grid.TextMatrix(row, col);
      const int width = sys::TwipsToPixels(grid.ColWidth(col));
      if (text.isEmpty() || width <= 0) continue;
      const QFontMetrics metrics(grid.CellFontBold(row, col) ? bold : grid.font());
      const QRect area(0, 0, width - 1 - 2 * margin, height - 1);
      const QSize needed = Needed(metrics, area, Qt::AlignLeft, text, true);
      if (const QString fault = Fits(text, needed, area, QStringLiteral("head")); !fault.isEmpty()) faults << fault;
    }
  }
  return faults;
}

QString CaptionFault(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
    const QString text = label->text();
    if (text.isEmpty() || !label->pixmap().isNull()) return {};
    if (label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
      QTextDocument document;
      document.setDefaultFont(label->font());
      document.setDocumentMargin(0);
      document.setHtml(text);
      if (label->wordWrap()) document.setTextWidth(label->contentsRect().width());
      const QSize needed = document.size().toSize();
      return Fits(document.toPlainText(), needed, label->contentsRect());
    }
    const int margin = label->margin();
    const QRect area = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    const QSize needed = Needed(label->fontMetrics(), area, label->alignment(), text, label->wordWrap());
    return Fits(text, needed, area);
  }
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
    if (button->text().isEmpty() || !button->icon().isNull()) return {};
    const bool wraps = dynamic_cast<const ui::WrapButton*>(button) ||
                       dynamic_cast<const ui::WrapOptionButton*>(button) ||
                       dynamic_cast<const ui::WrapCheckBox*>(button);
    const QRect area = ui::CaptionRect(button);
    const QSize needed = Needed(button->fontMetrics(), area, Qt::TextShowMnemonic, button->text(), wraps);
    QString shown = button->text();
    return Fits(shown.remove(QLatin1Char('&')), needed, area);
  }
  if (const auto* box = qobject_cast<const QLineEdit*>(&widget)) {
    // A text box shows its whole text (the one it holds when the window opens with sample
    // data): the room inside its frame and margins, less the one pixel a line edit keeps on
    // each side of its text.
    if (box->text().isEmpty() || box->echoMode() != QLineEdit::Normal) return {};
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth = box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QMargins margins = box->textMargins();
    const int room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box).width() - margins.left() -
                     margins.right() - 2;
    const int needed = box->fontMetrics().horizontalAdvance(box->text());
    if (needed <= room) return {};
    return QStringLiteral("text \"%1\" needs %2 px, has %3").arg(box->text()).arg(needed).arg(room);
  }
  if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
    if (group->title().isEmpty()) return {};
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    option.textAlignment = group->alignment();
    const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    const int needed = group->fontMetrics().horizontalAdvance(group->title());
    if (label.left() >= 0 && label.left() + needed <= group->width()) return {};
    return QStringLiteral("frame caption \"%1\" needs %2 px, has %3")
        .arg(group->title())
        .arg(needed)
        .arg(group->width() - std::max(0, label.left()));
  }
  return {};
}

QString PairKey(const QString& window, QString a, QString b) {
  if (b < a) std::swap(a, b);
  return window + QLatin1Char('/') + a + QLatin1Char('/') + b;
}

}  // namespace

QStringList CheckLayout(QWidget& window, const QString& windowName, const OverlapAllowance& allowed) {
  QStringList faults;
  std::map<QWidget*, std::vector<QWidget*>> siblings;
  const QRect client = window.rect();
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (!widget->isVisible() || !widget->isVisibleTo(&window) || widget->isWindow()) continue;
    if (!IsLayoutControl(*widget, window)) continue;
    const QString name = windowName + QLatin1Char('/') + NameOf(*widget);
    if (const QString fault = CaptionFault(*widget); !fault.isEmpty()) faults << name + QStringLiteral(": ") + fault;
    if (const auto* grid = qobject_cast<const ui::Grid*>(widget)) {
      for (const QString& fault : HeadFaults(*grid)) faults << name + QStringLiteral(": ") + fault;
    }
    const QRect place(widget->mapTo(&window, QPoint(0, 0)), widget->size());
    if (!client.contains(place)) {
      faults << name + QStringLiteral(": reaches past the client area (%1,%2 %3 in %4)")
                           .arg(place.x())
                           .arg(place.y())
                           .arg(Size(place.size()), Size(client.size()));
    }
    // A control cut off by the frame or tab page that holds it is as hidden as one past the
    // window's edge.
    if (QWidget* holder = widget->parentWidget();
        holder != &window && client.contains(place) && !holder->rect().contains(widget->geometry())) {
      faults << name + QStringLiteral(": reaches past %1 (%2,%3 %4 in %5)")
                           .arg(NameOf(*holder))
                           .arg(widget->x())
                           .arg(widget->y())
                           .arg(Size(widget->size()), Size(holder->size()));
    }
    siblings[widget->parentWidget()].push_back(widget);
  }
  for (const auto& [parent, children] : siblings) {
    for (std::size_t i = 0; i < children.size(); ++i) {
      for (std::size_t j = i + 1; j < children.size(); ++j) {
        const QRect overlap = children[i]->geometry().intersected(children[j]->geometry());
        if (overlap.isEmpty()) continue;
        const QString a = NameOf(*children[i]);
        const QString b = NameOf(*children[j]);
        if (allowed.count(PairKey(windowName.section(QLatin1Char(' '), 0, 0), a, b)) != 0) continue;
        faults << QStringLiteral("%1/%2: overlaps %3 (%4 px)").arg(windowName, a, b, Size(overlap.size()));
      }
    }
  }
  faults.sort();
  return faults;
}

}  // namespace tolvar::test
