#pragma once
// Tabbed container: tabs 0..Count-1, each with a caption and a page that controls are parented
// to. Click(previousTab) runs whenever the current tab changes, by the user or from SetTab.
// A disabled tab cannot be chosen by the user; a hidden tab cannot be chosen at all.

#include <QString>
#include <QWidget>

class QTabWidget;

namespace tolvar::ui {

class TabStrip : public QWidget {
  Q_OBJECT

 public:
  explicit TabStrip(QWidget* parent = nullptr);

  // Appends a tab with an empty page; returns its index.
  int AddTab(const QString& caption);
  int Count() const;
  // The page of tab `index` (parent controls to it); nullptr outside.
  QWidget* Page(int index) const;
  // For controls placed on the pages in the strip's own coordinates, as a design gives them
  // (measured from the strip's corner, the row of tabs included): moves each onto its page's
  // coordinates, so they stand where the design has them and nothing is cut at the bottom.
  void PagesPlacedOnStrip();

  // Current tab, -1 when there is none.
  int Tab() const { return m_current; }
  // Makes `index` current (Click runs when it changes). False outside the range or for a hidden tab.
  bool SetTab(int index);

  QString TabCaption(int index) const;
  void SetTabCaption(int index, const QString& caption);
  bool TabEnabled(int index) const;
  void SetTabEnabled(int index, bool enabled);
  bool TabVisible(int index) const;
  void SetTabVisible(int index, bool visible);

 Q_SIGNALS:
  void Click(int previousTab);

 private:
  void currentChanged(int index);

  QTabWidget* m_tabs = nullptr;
  int m_current = -1;
};

}  // namespace tolvar::ui
