#include "platform/ui/tabstrip.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tolvar::ui {
namespace {

// A tab widget that tells where it puts its pages before it is first shown.
class Tabs : public QTabWidget {
 public:
  using QTabWidget::QTabWidget;

  QPoint PageOrigin() const {
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(0, 0), size().expandedTo(minimumSizeHint()));
    option.tabBarSize = tabBar()->sizeHint();
    return style()->subElementRect(QStyle::SE_TabWidgetTabContents, &option, this).topLeft();
  }
};

}  // namespace

TabStrip::TabStrip(QWidget* parent) : QWidget(parent), m_tabs(new Tabs(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_tabs);
  // Every tab shows its whole caption: a window laid out by its contents grows to fit them all.
  m_tabs->setUsesScrollButtons(false);
  m_tabs->setElideMode(Qt::ElideNone);
  connect(m_tabs, &QTabWidget::currentChanged, this, &TabStrip::currentChanged);
}

int TabStrip::AddTab(const QString& caption) {
  // The first tab becomes current without a Click, as a freshly built strip shows tab 0.
  if (m_tabs->count() == 0) m_current = 0;
  auto* page = new QWidget();
  return m_tabs->addTab(page, caption);
}

int TabStrip::Count() const { return m_tabs->count(); }

QWidget* TabStrip::Page(int index) const { return m_tabs->widget(index); }

void TabStrip::PagesPlacedOnStrip() {
  const QPoint origin = static_cast<Tabs*>(m_tabs)->PageOrigin();
  for (int index = 0; index < m_tabs->count(); ++index) {
    for (QWidget* control : m_tabs->widget(index)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      control->move(control->pos() - origin);
    }
  }
}

bool TabStrip::SetTab(int index) {
  if (index < 0 || index >= m_tabs->count() || !m_tabs->isTabVisible(index)) return false;
  m_tabs->setCurrentIndex(index);
  return true;
}

QString TabStrip::TabCaption(int index) const { return m_tabs->tabText(index); }

void TabStrip::SetTabCaption(int index, const QString& caption) {
  if (index >= 0 && index < m_tabs->count()) m_tabs->setTabText(index, caption);
}

bool TabStrip::TabEnabled(int index) const { return m_tabs->isTabEnabled(index); }

void TabStrip::SetTabEnabled(int index, bool enabled) {
  if (index >= 0 && index < m_tabs->count()) m_tabs->setTabEnabled(index, enabled);
}

bool TabStrip::TabVisible(int index) const {
  return index >= 0 && index < m_tabs->count() && m_tabs->isTabVisible(index);
}

void TabStrip::SetTabVisible(int index, bool visible) {
  if (index >= 0 && index < m_tabs->count()) m_tabs->setTabVisible(index, visible);
}

void TabStrip::currentChanged(int index) {
  if (index == m_current) return;
  const int previous = m_current;
  m_current = index;
  Q_EMIT Click(previous);
}

}  // namespace tolvar::ui
