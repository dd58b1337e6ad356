// Mouse events go through the window system's path (QWindowSystemInterface), so that Qt's
// own routing picks the receiver, gives the focus on a press and closes open pop-ups.
#define QTEST_QPA_MOUSE_HANDLING
#include "support/ui_input.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>
#include <vector>

#include "platform/ui/builders.h"
#include "platform/ui/datecontrols.h"
#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/tabstrip.h"

namespace tolvar::test {

namespace {

QString Describe(const QObject* object) {
  if (object == nullptr) return QStringLiteral("<null>");
  const QString name = object->objectName();
  return name.isEmpty() ? QString::fromLatin1(object->metaObject()->className()) : name;
}

bool Usable(QWidget* control, const char* what) {
  if (control == nullptr) {
    ADD_FAILURE() << what << ": no control";
    return false;
  }
  if (!control->isVisible()) {
    ADD_FAILURE() << what << ": " << ui::S(Describe(control)) << " is not shown";
    return false;
  }
  return true;
}

// Where the keyboard's input goes: an open pop-up, else the focus widget, else the active window.
QWidget* KeyboardTarget() {
  // An open pop-up has the keyboard; its focus control (a combo box's list) gets the keys.
  if (QWidget* popup = QApplication::activePopupWidget()) {
    QWidget* focus = popup->focusWidget();
    return focus != nullptr && popup->isAncestorOf(focus) ? focus : popup;
  }
  if (QWidget* focus = QApplication::focusWidget()) return focus;
  return QApplication::activeWindow();
}

QWidget* ViewportOf(ui::KeyedTree* tree) {
  auto* view = tree->findChild<QTreeWidget*>();
  return view != nullptr ? view->viewport() : nullptr;
}

// The centre of the node's label, in the tree view port's coordinates; null when not shown.
bool NodePoint(ui::KeyedTree* tree, const QString& key, QWidget** viewport, QPoint* at) {
  if (!Usable(tree, "tree node")) return false;
  *viewport = ViewportOf(tree);
  const QRect rect = tree->NodeRect(key);
  if (*viewport == nullptr || rect.isEmpty()) {
    ADD_FAILURE() << ui::S(Describe(tree)) << ": node \"" << ui::S(key) << "\" is missing or not shown";
    return false;
  }
  // The row reaches from the label to the right edge; a point near the label's start hits it.
  const QPoint inTree(rect.left() + std::min(12, rect.width() / 2), rect.center().y());
  *at = (*viewport)->mapFrom(tree, inTree);
  return true;
}

QPoint FreeSpace(ui::KeyedTree* tree, QWidget* viewport) {
  int bottom = 0;
  for (const QString& key : tree->Keys()) {
    const QRect rect = tree->NodeRect(key);
    if (!rect.isEmpty()) bottom = std::max(bottom, viewport->mapFrom(tree, rect.bottomLeft()).y());
  }
  return QPoint(viewport->width() / 2, std::min(viewport->height() - 2, bottom + 8));
}

// Where a person clicks a control: on the box of a check box or option button (a wide one
// takes no click right of its caption), elsewhere at the centre.
QPoint ClickPoint(QWidget* control) {
  if (qobject_cast<QCheckBox*>(control) != nullptr || qobject_cast<QRadioButton*>(control) != nullptr) {
    return QPoint(std::min(8, control->width() / 2), control->height() / 2);
  }
  return control->rect().center();
}

// Mouse action on the top-level window of `widget` at `at` (coordinates of `widget`).
void MouseOnWindow(QTest::MouseAction action, QWidget* widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                   QPoint at) {
  QWidget* window = widget->window();
  QTest::mouseEvent(action, window, button, modifiers, widget->mapTo(window, at));
}

}  // namespace

void Settle() {
  for (int round = 0; round < 3; ++round) QCoreApplication::processEvents();
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  // On a desktop a window just shown appears a moment later, when the window manager has
  // framed and placed it; until then its place and its activation are still to come. Each
  // window is waited for once, as one hidden behind another may never be shown on the screen.
  // Waiting runs events, which may delete windows of the list: they are held by guards.
  std::vector<QPointer<QWidget>> windows;
  for (QWidget* window : QApplication::topLevelWidgets()) windows.emplace_back(window);
  for (const QPointer<QWidget>& window : windows) {
    if (window.isNull()) continue;
    QWindow* handle = window->windowHandle();
    if (!window->isVisible() || handle == nullptr || handle->isExposed()) continue;
    if (handle->property("tolvarTestWaited").toBool()) continue;
    handle->setProperty("tolvarTestWaited", true);
    // One that does not appear in time is left as it is; the test sees what it shows.
    static_cast<void>(QTest::qWaitForWindowExposed(handle, 1000));
  }
}

QWidget* FocusWidget() { return QApplication::focusWidget(); }

bool ActivateWindowOf(QWidget* control) {
  if (!Usable(control, "activate")) return false;
  QWidget* window = control->window();
  if (QApplication::activeWindow() != window) {
    window->activateWindow();
    // A window manager activates the window a moment later, once it is shown on the screen.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
      // Not activated in time, it is activated by hand below.
      static_cast<void>(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, 10000));
    }
    Settle();
    // Without a window manager activation may never come: set it as Qt does on activation.
    if (QApplication::activeWindow() != window) QApplication::setActiveWindow(window);
    Settle();
  }
  if (QApplication::activeWindow() != window) {
    ADD_FAILURE() << "activate: " << ui::S(Describe(window)) << " did not become active";
    return false;
  }
  return true;
}

bool Click(QWidget* control, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint at) {
  if (!Usable(control, "click") || !ActivateWindowOf(control)) return false;
  if (at.isNull()) at = ClickPoint(control);
  MouseOnWindow(QTest::MouseClick, control, button, modifiers, at);
  Settle();
  return true;
}

bool DoubleClick(QWidget* control, QPoint at) {
  if (!Usable(control, "double click") || !ActivateWindowOf(control)) return false;
  if (at.isNull()) at = control->rect().center();
  // A double click is press, release, second press (the double-click event), release.
  QTest::mouseDClick(control->window(), Qt::LeftButton, Qt::NoModifier, control->mapTo(control->window(), at));
  Settle();
  return true;
}

bool MoveMouseOver(QWidget* control, QPoint at) {
  if (!Usable(control, "move the mouse over")) return false;
  if (at.isNull()) at = control->rect().center();
  QWidget* window = control->window();
  QTest::mouseMove(window, control->mapTo(window, at));
  Settle();
  return true;
}

bool ClickNode(ui::KeyedTree* tree, const QString& key, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
  QWidget* viewport = nullptr;
  QPoint at;
  if (!NodePoint(tree, key, &viewport, &at)) return false;
  return Click(viewport, button, modifiers, at);
}

bool DoubleClickNode(ui::KeyedTree* tree, const QString& key) {
  QWidget* viewport = nullptr;
  QPoint at;
  if (!NodePoint(tree, key, &viewport, &at)) return false;
  return DoubleClick(viewport, at);
}

bool ClickTreeSpace(ui::KeyedTree* tree, Qt::MouseButton button) {
  if (!Usable(tree, "tree space")) return false;
  QWidget* viewport = ViewportOf(tree);
  const QPoint at = FreeSpace(tree, viewport);
  if (!tree->HitTest(viewport->mapTo(tree, at)).isEmpty()) {
    ADD_FAILURE() << ui::S(Describe(tree)) << ": no free space below the nodes";
    return false;
  }
  return Click(viewport, button, Qt::NoModifier, at);
}

bool DragNodeTo(ui::KeyedTree* tree, const QString& from, QWidget* target, QPoint at) {
  QWidget* viewport = nullptr;
  QPoint start;
  if (!NodePoint(tree, from, &viewport, &start) || !Usable(target, "drop") || !ActivateWindowOf(tree)) {
    return false;
  }
  if (at.isNull()) at = target->rect().center();
  MouseOnWindow(QTest::MousePress, viewport, Qt::LeftButton, Qt::NoModifier, start);
  Settle();
  // First a move beyond the drag distance inside the source (the window starts the drag),
  // then to the drop point; the window that took the press keeps the mouse, as on a desktop.
  const QPoint nudge = start + QPoint(QApplication::startDragDistance() + 2, 2);
  MouseOnWindow(QTest::MouseMove, viewport, Qt::LeftButton, Qt::NoModifier, nudge);
  Settle();
  QWidget* window = viewport->window();
  const QPoint drop = window->mapFromGlobal(target->mapToGlobal(at));
  QTest::mouseMove(window, drop);
  Settle();
  QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, drop);
  Settle();
  return true;
}

bool DragNode(ui::KeyedTree* tree, const QString& from, ui::KeyedTree* target, const QString& to) {
  if (target == nullptr) {
    ADD_FAILURE() << "drag: no target tree";
    return false;
  }
  if (to.isEmpty()) {
    QWidget* viewport = ViewportOf(target);
    return DragNodeTo(tree, from, viewport, FreeSpace(target, viewport));
  }
  QWidget* viewport = nullptr;
  QPoint at;
  if (!NodePoint(target, to, &viewport, &at)) return false;
  return DragNodeTo(tree, from, viewport, at);
}

namespace {

// The centre of the cell (row, col) in the grid's own coordinates; false when not shown.
bool CellPoint(ui::Grid* grid, int row, int col, QPoint* at) {
  if (!Usable(grid, "grid cell")) return false;
  grid->ShowRow(row);
  int top = -1, bottom = -1, left = -1, right = -1;
  for (int y = 0; y < grid->height(); ++y) {
    if (grid->RowAt(y) != row) continue;
    if (top < 0) top = y;
    bottom = y;
  }
  for (int x = 0; x < grid->width(); ++x) {
    if (grid->ColAt(x) != col) continue;
    if (left < 0) left = x;
    right = x;
  }
  if (top < 0 || left < 0) {
    ADD_FAILURE() << ui::S(Describe(grid)) << ": cell " << row << "," << col << " is not shown";
    return false;
  }
  *at = QPoint((left + right) / 2, (top + bottom) / 2);
  return true;
}

}  // namespace

bool ClickCell(ui::Grid* grid, int row, int col, Qt::MouseButton button) {
  QPoint at;
  return CellPoint(grid, row, col, &at) && Click(grid, button, Qt::NoModifier, at);
}

bool DoubleClickCell(ui::Grid* grid, int row, int col) {
  QPoint at;
  return CellPoint(grid, row, col, &at) && DoubleClick(grid, at);
}

bool ClickDate(ui::MonthCalendar* calendar, base::Date date) {
  if (!Usable(calendar, "calendar")) return false;
  auto* view = calendar->findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"));
  if (view == nullptr || !calendar->SetValue(date)) {
    ADD_FAILURE() << ui::S(Describe(calendar)) << ": the day cannot be chosen";
    return false;
  }
  return Click(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->visualRect(view->currentIndex()).center());
}

bool ChooseEntry(QComboBox* combo, int index) {
  if (!Usable(combo, "choose entry")) return false;
  const QString name = Describe(combo);
  if (!combo->isEnabled() || index < 0 || index >= combo->count()) {
    ADD_FAILURE() << ui::S(name) << ": entry " << index << " cannot be chosen";
    return false;
  }
  // A box that takes typing opens its list on the arrow only.
  QPoint at;
  if (combo->isEditable()) {
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    at = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo).center();
  }
  if (!Click(combo, Qt::LeftButton, Qt::NoModifier, at)) return false;
  QWidget* popup = QApplication::activePopupWidget();
  QAbstractItemView* list = combo->view();
  if (popup == nullptr || list == nullptr || !popup->isAncestorOf(list)) {
    ADD_FAILURE() << ui::S(name) << ": the click did not open the list";
    return false;
  }
  if (!Press(Qt::Key_Home)) return false;
  for (int step = 0; step < index; ++step) {
    if (!Press(Qt::Key_Down)) return false;
  }
  if (list->currentIndex().row() != index) {
    ADD_FAILURE() << ui::S(name) << ": the keys do not reach entry " << index;
    PressEscape();
    return false;
  }
  return PressEnter();
}

bool ChooseEntry(QComboBox* combo, const QString& text) {
  if (combo == nullptr) return Usable(combo, "choose entry");
  const int index = combo->findText(text, Qt::MatchExactly);
  if (index < 0) {
    ADD_FAILURE() << ui::S(Describe(combo)) << ": no entry \"" << ui::S(text) << "\"";
    return false;
  }
  return ChooseEntry(combo, index);
}

bool ClickTab(ui::TabStrip* strip, int index) {
  if (!Usable(strip, "tab")) return false;
  auto* bar = strip->findChild<QTabBar*>();
  if (bar == nullptr || index < 0 || index >= bar->count() || !bar->isTabVisible(index)) {
    ADD_FAILURE() << ui::S(Describe(strip)) << ": tab " << index << " is not shown";
    return false;
  }
  return Click(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(index).center());
}

bool Press(int key, Qt::KeyboardModifiers modifiers) {
  QWidget* target = KeyboardTarget();
  if (target == nullptr) {
    ADD_FAILURE() << "key " << ui::S(QKeySequence(key).toString()) << ": no window has the keyboard";
    return false;
  }
  QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
  Settle();
  return true;
}

bool PressIn(QWidget* control, int key, Qt::KeyboardModifiers modifiers) {
  if (!FocusByClick(control)) return false;
  return Press(key, modifiers);
}

bool Type(const QString& text) {
  for (const QChar c : text) {
    QWidget* target = KeyboardTarget();
    if (target == nullptr) {
      ADD_FAILURE() << "type: no window has the keyboard";
      return false;
    }
    // Keys of Latin-1 characters carry the code of their upper-case letter.
    Qt::Key key = Qt::Key_unknown;
    if (c == QLatin1Char('\n')) {
      key = Qt::Key_Return;
    } else if (c.unicode() < 0x100) {
      key = static_cast<Qt::Key>(c.toUpper().unicode() < 0x100 ? c.toUpper().unicode() : c.unicode());
    }
    const Qt::KeyboardModifiers modifiers = c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
    QTest::sendKeyEvent(QTest::Click, target, key, QString(c), modifiers);
  }
  Settle();
  return true;
}

bool TypeInto(QWidget* control, const QString& text) {
  if (!FocusByClick(control)) return false;
  // A line is selected by Home and Shift+End: keys without a character, so that a box's key
  // filter that drops control characters (Ctrl+A among them) lets them through.
  const bool zeile = qobject_cast<QLineEdit*>(control) != nullptr;
  if (zeile ? !Press(Qt::Key_Home) || !Press(Qt::Key_End, Qt::ShiftModifier) : !Press(Qt::Key_A, Qt::ControlModifier)) {
    return false;
  }
  if (text.isEmpty()) return Press(Qt::Key_Delete);
  return Type(text);
}

void SetClipboardText(const QString& text) { QGuiApplication::clipboard()->setText(text); }

bool PasteByContextMenu(QWidget* box, const QString& text) {
  if (!Usable(box, "paste")) return false;
  SetClipboardText(text);
  for (int open = 0; open < 8 && QApplication::activePopupWidget() != nullptr; ++open) {
    QApplication::activePopupWidget()->close();
    Settle();
  }
  // The box's own menu opens on the right button, as the window system reports it.
  if (!ActivateWindowOf(box)) return false;
  Click(box, Qt::RightButton);
  auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  if (menu == nullptr) {
    ADD_FAILURE() << "paste: " << ui::S(Describe(box)) << " shows no context menu";
    return false;
  }
  QAction* paste = nullptr;
  for (QAction* action : menu->actions()) {
    QString caption = action->text().section(QLatin1Char('\t'), 0, 0);
    caption.remove(QLatin1Char('&'));
    if (caption == QStringLiteral("Einfügen")) paste = action;
  }
  if (paste == nullptr) {
    ADD_FAILURE() << "paste: the context menu of " << ui::S(Describe(box)) << " has no \"Einfügen\"";
    menu->close();
    Settle();
    return false;
  }
  return TriggerCommand(paste);
}

bool DropText(QWidget* control, const QString& text) {
  if (!Usable(control, "drop")) return false;
  QMimeData data;
  data.setText(text);
  const QPointF at = control->rect().center();
  const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
  QDragEnterEvent enter(at.toPoint(), actions, &data, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(control, &enter);
  if (!enter.isAccepted()) {
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(control, &leave);
    Settle();
    return true;  // the control takes no drop: nothing enters, as on a desktop
  }
  QDragMoveEvent move(at.toPoint(), actions, &data, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(control, &move);
  QDropEvent drop(at, actions, &data, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(control, &drop);
  Settle();
  return true;
}

bool FocusByClick(QWidget* control) {
  if (!Usable(control, "focus") || !ActivateWindowOf(control)) return false;
  if (control->hasFocus()) return true;
  QWidget* taker = control;
  while (taker->focusProxy() != nullptr) taker = taker->focusProxy();
  if ((taker->focusPolicy() & Qt::ClickFocus) != 0 && taker->isEnabled()) {
    Click(taker);
  }
  if (!control->hasFocus()) taker->setFocus(Qt::MouseFocusReason);
  Settle();
  if (!control->hasFocus()) {
    ADD_FAILURE() << "focus: " << ui::S(Describe(control)) << " did not take the focus";
    return false;
  }
  return true;
}

bool FocusByTab(bool forward) { return forward ? PressTab() : PressShiftTab(); }

QAction* FindCommand(QObject* owner, const QString& textOrName) {
  if (owner == nullptr) {
    ADD_FAILURE() << "menu command \"" << ui::S(textOrName) << "\": no owner";
    return nullptr;
  }
  for (QAction* action : owner->findChildren<QAction*>()) {
    // A menu's own entry in the bar opens the menu and is no command of it.
    if (action->isSeparator() || action->menu() != nullptr) continue;
    QString text = action->text();
    text.remove(QLatin1Char('&'));
    if (action->objectName() == textOrName || text == textOrName) return action;
  }
  ADD_FAILURE() << "menu command \"" << ui::S(textOrName) << "\" not found below " << ui::S(Describe(owner));
  return nullptr;
}

bool TriggerCommand(QObject* owner, const QString& textOrName) {
  QAction* action = FindCommand(owner, textOrName);
  return action != nullptr && TriggerCommand(action);
}

bool TriggerCommand(QAction* action) {
  if (action == nullptr) {
    ADD_FAILURE() << "menu command: none";
    return false;
  }
  if (!action->isEnabled() || !action->isVisible()) {
    ADD_FAILURE() << "menu command \"" << ui::S(action->text()) << "\" is "
                  << (action->isEnabled() ? "hidden" : "disabled");
    return false;
  }
  // An open pop-up holding the command is chosen with the mouse, as a person does.
  for (QObject* object : action->associatedObjects()) {
    auto* menu = qobject_cast<QMenu*>(object);
    if (menu == nullptr || !menu->isVisible()) continue;
    const QRect rect = menu->actionGeometry(action);
    QTest::mouseClick(menu->window(), Qt::LeftButton, Qt::NoModifier, menu->mapTo(menu->window(), rect.center()));
    Settle();
    return true;
  }
  // Otherwise the menu is opened and the command chosen in one step: open pop-ups close first.
  for (int open = 0; open < 8 && QApplication::activePopupWidget() != nullptr; ++open) {
    QApplication::activePopupWidget()->close();
    Settle();
  }
  action->trigger();
  Settle();
  return true;
}

}  // namespace tolvar::test
