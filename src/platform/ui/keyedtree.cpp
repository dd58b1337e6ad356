#include "platform/ui/keyedtree.h"

#include <QCollator>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QSet>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tolvar::ui {

namespace {

constexpr int KeyRole = Qt::UserRole + 1;

const QCollator& GermanCollator() {
  static const QCollator collator = [] {
    QCollator c(QLocale(QLocale::German, QLocale::Germany));
    c.setCaseSensitivity(Qt::CaseInsensitive);
    return c;
  }();
  return collator;
}

int ButtonMask(Qt::MouseButtons buttons) {
  int mask = 0;
  if (buttons & Qt::LeftButton) mask |= 1;
  if (buttons & Qt::RightButton) mask |= 2;
  if (buttons & Qt::MiddleButton) mask |= 4;
  return mask;
}

int ShiftMask(Qt::KeyboardModifiers modifiers) {
  int mask = 0;
  if (modifiers & Qt::ShiftModifier) mask |= 1;
  if (modifiers & Qt::ControlModifier) mask |= 2;
  if (modifiers & Qt::AltModifier) mask |= 4;
  return mask;
}

// The same event without modifiers: Ctrl+click must not toggle the selection away.
QMouseEvent WithoutModifiers(const QMouseEvent& e) {
  return QMouseEvent(e.type(), e.position(), e.scenePosition(), e.globalPosition(), e.button(), e.buttons(),
                     Qt::NoModifier, e.pointingDevice());
}

void CollectSubtree(QTreeWidgetItem* item, QList<QTreeWidgetItem*>& out) {
  out.append(item);
  for (int i = 0; i < item->childCount(); ++i) CollectSubtree(item->child(i), out);
}

}  // namespace

// Qt's tree view with the mouse and key behaviour the windows expect: only a left press on a
// node selects it, dragging with a button held never moves the selection, and every event is
// reported to the owning KeyedTree's handlers.
class KeyedTreeView : public QTreeWidget {
 public:
  explicit KeyedTreeView(KeyedTree* tree) : QTreeWidget(tree), m_tree(tree) {}

 protected:
  void mousePressEvent(QMouseEvent* e) override {
    const QPoint p = e->position().toPoint();
    if (e->button() == Qt::LeftButton) {
      QTreeWidgetItem* item = itemAt(p);
      // Left of the node's label lie the indentation and the expand mark.
      const bool onNode = item != nullptr && visualItemRect(item).contains(p);
      m_tree->m_pressedKey = onNode ? m_tree->keyOf(item) : QString();
      m_tree->m_leftPressed = true;
      if (item != nullptr) {
        QMouseEvent plain = WithoutModifiers(*e);
        QTreeWidget::mousePressEvent(&plain);
        if (onNode) setCurrentItem(item);
      }
    } else if (e->button() == Qt::RightButton) {
      // A right press on a node selects it before the handlers and their pop-up menu see the
      // selection; on free space the selection stays.
      QTreeWidgetItem* item = itemAt(p);
      if (item != nullptr && visualItemRect(item).contains(p)) setCurrentItem(item);
    }
    setFocus(Qt::MouseFocusReason);
    e->accept();
    report(&KeyedTree::MouseDown, ButtonMask(e->button()), *e);
  }

  void mouseMoveEvent(QMouseEvent* e) override {
    if (e->buttons() == Qt::NoButton) QTreeWidget::mouseMoveEvent(e);
    e->accept();
    report(&KeyedTree::MouseMove, ButtonMask(e->buttons()), *e);
  }

  void mouseReleaseEvent(QMouseEvent* e) override {
    const bool left = e->button() == Qt::LeftButton;
    const bool click = left && m_tree->m_leftPressed;
    const QString pressed = left ? m_tree->m_pressedKey : QString();
    if (left) {
      m_tree->m_leftPressed = false;
      m_tree->m_pressedKey.clear();
      QMouseEvent plain = WithoutModifiers(*e);
      QTreeWidget::mouseReleaseEvent(&plain);
    }
    e->accept();
    const QPointer<KeyedTree> tree = m_tree;
    const QPoint at = viewport()->mapTo(m_tree, e->position().toPoint());
    report(&KeyedTree::MouseUp, ButtonMask(e->button()), *e);
    if (!click || !tree) return;
    // A handler may have rebuilt the tree meanwhile: only a node that still exists was clicked.
    if (!pressed.isEmpty() && tree->Has(pressed) && tree->HitTest(at) == pressed) {
      Q_EMIT tree->NodeClick(pressed);
    }
    if (tree) Q_EMIT tree->Click();
  }

  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (e->button() != Qt::LeftButton) {
      mousePressEvent(e);  // a quick second press of another button is just a press
      return;
    }
    // The second press of a double click raises DblClick, not MouseDown, and no Click follows.
    m_tree->m_leftPressed = false;
    m_tree->m_pressedKey.clear();
    QMouseEvent plain = WithoutModifiers(*e);
    QTreeWidget::mouseDoubleClickEvent(&plain);  // toggles the node as a user expects
    e->accept();
    Q_EMIT m_tree->DblClick();
  }

  void keyReleaseEvent(QKeyEvent* e) override {
    QTreeWidget::keyReleaseEvent(e);
    if (!e->isAutoRepeat()) Q_EMIT m_tree->KeyUp(e->key(), ShiftMask(e->modifiers()));
  }

  // The column is as wide as the widest node shown, and at least as wide as the view: a name
  // too long for the view is shown whole and the view scrolls sideways to it.
  void updateGeometries() override {
    QTreeWidget::updateGeometries();
    const int want = std::max(sizeHintForColumn(0), viewport()->width());
    if (header()->sectionSize(0) != want) header()->resizeSection(0, want);
  }

 private:
  void report(void (KeyedTree::*signal)(int, int, int, int), int buttons, const QMouseEvent& e) {
    const QPoint at = viewport()->mapTo(m_tree, e.position().toPoint());
    Q_EMIT(m_tree->*signal)(buttons, ShiftMask(e.modifiers()), at.x(), at.y());
  }

  KeyedTree* m_tree;
};

KeyedTree::KeyedTree(QWidget* parent) : QWidget(parent), m_view(new KeyedTreeView(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(m_view);
  setFocusProxy(m_view);

  m_view->setColumnCount(1);
  m_view->setHeaderHidden(true);
  m_view->header()->setStretchLastSection(false);
  m_view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  m_view->setSelectionMode(QAbstractItemView::SingleSelection);
  m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_view->setUniformRowHeights(true);
  m_view->setMouseTracking(true);
  connect(m_view, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) { viewExpanded(item, true); });
  connect(m_view, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) { viewExpanded(item, false); });

  auto* target = new DropTarget(this);
  connect(target, &DropTarget::DragOver, this, &KeyedTree::DragOver);
  connect(target, &DropTarget::DragDrop, this, &KeyedTree::DragDrop);
}

KeyedTree::~KeyedTree() {
  // The view's items go with the view; no signal may reach the half-destroyed tree.
  m_view->blockSignals(true);
}

// --- Nodes -----------------------------------------------------------------------------------

KeyedTree::Node* KeyedTree::find(const QString& key) {
  const auto it = m_nodes.find(key);
  return it == m_nodes.end() ? nullptr : &*it;
}

const KeyedTree::Node* KeyedTree::find(const QString& key) const {
  const auto it = m_nodes.constFind(key);
  return it == m_nodes.constEnd() ? nullptr : &*it;
}

QString KeyedTree::keyOf(const QTreeWidgetItem* item) const {
  return item == nullptr ? QString() : item->data(0, KeyRole).toString();
}

bool KeyedTree::childrenSorted(const QTreeWidgetItem* parent) const {
  if (parent == nullptr) return m_topLevelSorted;
  const Node* node = find(keyOf(parent));
  return node != nullptr && node->sorted;
}

void KeyedTree::insertItem(QTreeWidgetItem* parent, QTreeWidgetItem* item) {
  const int count = parent != nullptr ? parent->childCount() : m_view->topLevelItemCount();
  int place = count;
  if (childrenSorted(parent)) {
    // After the last sibling that does not sort behind the new text: equal texts keep the order
    // in which they came.
    const QString text = item->text(0);
    int low = 0;
    int high = count;
    while (low < high) {
      const int mid = (low + high) / 2;
      const QTreeWidgetItem* sibling = parent != nullptr ? parent->child(mid) : m_view->topLevelItem(mid);
      if (GermanCollator().compare(text, sibling->text(0)) < 0) {
        high = mid;
      } else {
        low = mid + 1;
      }
    }
    place = low;
  }
  if (parent != nullptr) {
    parent->insertChild(place, item);
  } else {
    m_view->insertTopLevelItem(place, item);
  }
}

void KeyedTree::detachItem(QTreeWidgetItem* item) {
  if (QTreeWidgetItem* parent = item->parent()) {
    parent->removeChild(item);
  } else {
    m_view->takeTopLevelItem(m_view->indexOfTopLevelItem(item));
  }
}

void KeyedTree::placeItem(QTreeWidgetItem* parent, QTreeWidgetItem* item) {
  // Taking items out of the view drops their expanded state and selection in Qt; the tree's
  // own record of both puts them back.
  const QString selected = SelectedItem();
  detachItem(item);
  insertItem(parent, item);
  restoreExpanded(item);
  if (SelectedItem() != selected) Select(selected);
}

void KeyedTree::restoreExpanded(QTreeWidgetItem* item) {
  const QSignalBlocker quiet(m_view);
  QList<QTreeWidgetItem*> items;
  CollectSubtree(item, items);
  for (QTreeWidgetItem* each : items) {
    if (const Node* node = find(keyOf(each))) each->setExpanded(node->expanded);
  }
}

bool KeyedTree::Add(const QString& parentKey, const QString& key, const QString& text, const QString& imageKey) {
  if (key.isEmpty() || m_nodes.contains(key)) return false;
  QTreeWidgetItem* parent = nullptr;
  if (!parentKey.isEmpty()) {
    const Node* parentNode = find(parentKey);
    if (parentNode == nullptr) return false;
    parent = parentNode->item;
  }
  auto* item = new QTreeWidgetItem;
  item->setText(0, text);
  item->setData(0, KeyRole, key);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  insertItem(parent, item);

  Node& node = *m_nodes.insert(key, Node{.item = item, .expanded = false, .sorted = false, .imageKey = imageKey});
  applyImage(node);
  m_order.push_back(key);
  if (m_positionsValid) m_positions.insert(key, static_cast<int>(m_order.size()));
  return true;
}

bool KeyedTree::Remove(const QString& key) {
  Node* node = find(key);
  if (node == nullptr) return false;
  QTreeWidgetItem* item = node->item;
  const QString selected = SelectedItem();

  QList<QTreeWidgetItem*> items;
  CollectSubtree(item, items);
  QSet<QString> removed;
  for (QTreeWidgetItem* each : items) removed.insert(keyOf(each));

  detachItem(item);
  delete item;  // with its children
  for (const QString& gone : removed) m_nodes.remove(gone);
  std::erase_if(m_order, [&removed](const QString& k) { return removed.contains(k); });
  m_positionsValid = false;
  if (removed.contains(m_dropHighlight)) m_dropHighlight.clear();
  if (removed.contains(m_pressedKey)) m_pressedKey.clear();

  // Qt may have moved the selection to a neighbour; a removed selection leaves none.
  Select(removed.contains(selected) ? QString() : selected);
  return true;
}

void KeyedTree::Clear() {
  {
    const QSignalBlocker quiet(m_view);
    m_view->clear();
  }
  m_nodes.clear();
  m_order.clear();
  m_positions.clear();
  m_positionsValid = true;
  m_dropHighlight.clear();
  m_pressedKey.clear();
}

bool KeyedTree::Has(const QString& key) const { return m_nodes.contains(key); }

QString KeyedTree::KeyAt(int index) const {
  if (index < 1 || index > Count()) return QString();
  return m_order[static_cast<size_t>(index - 1)];
}

int KeyedTree::IndexOf(const QString& key) const {
  if (!m_positionsValid) {
    m_positions.clear();
    m_positions.reserve(static_cast<qsizetype>(m_order.size()));
    for (size_t i = 0; i < m_order.size(); ++i) m_positions.insert(m_order[i], static_cast<int>(i + 1));
    m_positionsValid = true;
  }
  return m_positions.value(key, 0);
}

QStringList KeyedTree::Keys() const { return QStringList(m_order.begin(), m_order.end()); }

QString KeyedTree::Text(const QString& key) const {
  const Node* node = find(key);
  return node == nullptr ? QString() : node->item->text(0);
}

bool KeyedTree::SetText(const QString& key, const QString& text) {
  Node* node = find(key);
  if (node == nullptr) return false;
  QTreeWidgetItem* item = node->item;
  if (item->text(0) == text) return true;
  item->setText(0, text);
  if (childrenSorted(item->parent())) placeItem(item->parent(), item);
  return true;
}

QString KeyedTree::ParentKey(const QString& key) const {
  const Node* node = find(key);
  return node == nullptr ? QString() : keyOf(node->item->parent());
}

bool KeyedTree::SetParent(const QString& key, const QString& newParentKey) {
  Node* node = find(key);
  if (node == nullptr) return false;
  QTreeWidgetItem* item = node->item;
  QTreeWidgetItem* parent = nullptr;
  if (!newParentKey.isEmpty()) {
    const Node* parentNode = find(newParentKey);
    if (parentNode == nullptr) return false;
    parent = parentNode->item;
    // A node cannot go below itself or below one of its descendants.
    for (const QTreeWidgetItem* up = parent; up != nullptr; up = up->parent()) {
      if (up == item) return false;
    }
  }
  placeItem(parent, item);
  return true;
}

QStringList KeyedTree::Children(const QString& key) const {
  QStringList keys;
  const Node* node = find(key);
  if (node == nullptr) return keys;
  keys.reserve(node->item->childCount());
  for (int i = 0; i < node->item->childCount(); ++i) keys.append(keyOf(node->item->child(i)));
  return keys;
}

QStringList KeyedTree::TopLevelKeys() const {
  QStringList keys;
  keys.reserve(m_view->topLevelItemCount());
  for (int i = 0; i < m_view->topLevelItemCount(); ++i) keys.append(keyOf(m_view->topLevelItem(i)));
  return keys;
}

// --- Pictures --------------------------------------------------------------------------------

void KeyedTree::applyImage(Node& node) {
  if (!node.imageKey.isEmpty() && m_images && m_images->Has(node.imageKey)) {
    node.item->setIcon(0, m_images->Icon(node.imageKey));
  } else {
    node.imageKey.clear();
    node.item->setIcon(0, QIcon());
  }
}

QString KeyedTree::Image(const QString& key) const {
  const Node* node = find(key);
  return node == nullptr ? QString() : node->imageKey;
}

bool KeyedTree::SetImage(const QString& key, const QString& imageKey) {
  Node* node = find(key);
  if (node == nullptr) return false;
  node->imageKey = imageKey;
  applyImage(*node);
  return node->imageKey == imageKey;
}

void KeyedTree::SetImageList(ImageList* images) {
  m_images = images;
  for (Node& node : m_nodes) applyImage(node);
}

// --- Expanded and sorted ---------------------------------------------------------------------

bool KeyedTree::Expanded(const QString& key) const {
  const Node* node = find(key);
  return node != nullptr && node->expanded;
}

bool KeyedTree::SetExpanded(const QString& key, bool expanded) {
  Node* node = find(key);
  if (node == nullptr) return false;
  if (node->expanded == expanded) return true;
  node->expanded = expanded;
  {
    const QSignalBlocker quiet(m_view);
    node->item->setExpanded(expanded);
  }
  if (expanded) {
    Q_EMIT Expand(key);
  } else {
    Q_EMIT Collapse(key);
  }
  return true;
}

void KeyedTree::viewExpanded(QTreeWidgetItem* item, bool expanded) {
  const QString key = keyOf(item);
  Node* node = find(key);
  if (node == nullptr || node->expanded == expanded) return;
  node->expanded = expanded;
  if (expanded) {
    Q_EMIT Expand(key);
  } else {
    Q_EMIT Collapse(key);
  }
}

bool KeyedTree::Sorted(const QString& key) const {
  const Node* node = find(key);
  return node != nullptr && node->sorted;
}

bool KeyedTree::SetSorted(const QString& key, bool sorted) {
  Node* node = find(key);
  if (node == nullptr) return false;
  node->sorted = sorted;
  if (sorted) {
    QTreeWidgetItem* parent = node->item;
    const QString selected = SelectedItem();
    const QList<QTreeWidgetItem*> children = parent->takeChildren();
    for (QTreeWidgetItem* child : children) insertItem(parent, child);
    for (QTreeWidgetItem* child : children) restoreExpanded(child);
    if (!selected.isEmpty()) Select(selected);
  }
  return true;
}

void KeyedTree::SetTopLevelSorted(bool sorted) {
  m_topLevelSorted = sorted;
  if (!sorted) return;
  const QString selected = SelectedItem();
  QList<QTreeWidgetItem*> items;
  while (m_view->topLevelItemCount() > 0) items.append(m_view->takeTopLevelItem(0));
  for (QTreeWidgetItem* item : items) insertItem(nullptr, item);
  for (QTreeWidgetItem* item : items) restoreExpanded(item);
  if (!selected.isEmpty()) Select(selected);
}

// --- Selection, hit test, drop highlight -----------------------------------------------------

QString KeyedTree::SelectedItem() const {
  const QList<QTreeWidgetItem*> selected = m_view->selectedItems();
  return selected.isEmpty() ? QString() : keyOf(selected.first());
}

bool KeyedTree::Select(const QString& key) {
  if (key.isEmpty()) {
    m_view->clearSelection();
    m_view->setCurrentItem(nullptr);
    return true;
  }
  const Node* node = find(key);
  if (node == nullptr) return false;
  m_view->setCurrentItem(node->item);
  node->item->setSelected(true);
  return true;
}

bool KeyedTree::EnsureVisible(const QString& key) {
  const Node* node = find(key);
  if (node == nullptr) return false;
  QStringList ancestors;
  for (QTreeWidgetItem* up = node->item->parent(); up != nullptr; up = up->parent()) {
    ancestors.prepend(keyOf(up));
  }
  for (const QString& ancestor : ancestors) SetExpanded(ancestor, true);
  // Expand handlers may have changed the tree.
  if (const Node* again = find(key)) m_view->scrollToItem(again->item);
  return true;
}

QString KeyedTree::HitTest(QPoint point) const {
  const QPoint at = m_view->viewport()->mapFrom(this, point);
  if (!m_view->viewport()->rect().contains(at)) return QString();
  return keyOf(m_view->itemAt(at));
}

QRect KeyedTree::NodeRect(const QString& key) const {
  const Node* node = find(key);
  if (node == nullptr) return QRect();
  const QRect rect = m_view->visualItemRect(node->item);
  if (rect.isEmpty()) return QRect();
  return rect.translated(m_view->viewport()->mapTo(this, QPoint(0, 0)));
}

void KeyedTree::markDropTarget(const QString& key, bool on) {
  const Node* node = find(key);
  if (node == nullptr) return;
  if (on) {
    // A tint of the selection colour: visible, yet distinct from the selection itself.
    QColor tint = palette().color(QPalette::Highlight);
    tint.setAlpha(96);
    node->item->setBackground(0, tint);
  } else {
    node->item->setData(0, Qt::BackgroundRole, QVariant());
  }
}

bool KeyedTree::SetDropHighlight(const QString& key) {
  if (key == m_dropHighlight && (key.isEmpty() || Has(key))) return true;
  markDropTarget(m_dropHighlight, false);
  m_dropHighlight.clear();
  if (key.isEmpty()) return true;
  if (!Has(key)) return false;
  m_dropHighlight = key;
  markDropTarget(key, true);
  return true;
}

// --- Drag ------------------------------------------------------------------------------------

void KeyedTree::Drag() {
  m_leftPressed = false;  // the release belongs to the drag, not to a click
  m_pressedKey.clear();
  DragController::Begin(this, m_dragIcon);
}

}  // namespace tolvar::ui
