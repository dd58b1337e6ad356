#pragma once
// Tree control whose nodes are addressed by unique string keys. Every tree of the program is
// built on it. Conventions:
// - an empty key means "none": no parent (a top-level node), no selection, no node hit;
// - operations on missing keys fail and change nothing, so builders may ignore each result;
// - the node collection lists nodes in the order they were added, positions 1..Count; moving
//   a node keeps its position, removing nodes closes the gap;
// - positions (x, y) are pixels in the control's own coordinates, for the mouse events,
//   DragOver/DragDrop and HitTest alike;
// - mouse buttons are a mask: 1 left, 2 right, 4 middle; shift is a mask: 1 Shift, 2 Ctrl, 4 Alt.

#include <QHash>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

#include "platform/ui/imagelist.h"
#include "platform/ui/keyedtree_drag.h"

class QKeyEvent;
class QMouseEvent;
class QTreeWidgetItem;

namespace tolvar::ui {

class KeyedTreeView;

class KeyedTree : public QWidget {
  Q_OBJECT

 public:
  explicit KeyedTree(QWidget* parent = nullptr);
  ~KeyedTree() override;

  // --- Nodes ---------------------------------------------------------------------------------
  // Adds a node as the last child of `parentKey` (empty: at the top level), or at its sorted
  // place when that parent keeps its children sorted. Fails on an empty or duplicate key and on
  // a missing parent. A picture key the image list lacks leaves the node without a picture.
  bool Add(const QString& parentKey, const QString& key, const QString& text, const QString& imageKey = QString());
  // Removes the node with its whole subtree.
  bool Remove(const QString& key);
  void Clear();

  bool Has(const QString& key) const;
  int Count() const { return static_cast<int>(m_order.size()); }
  // Key of the node at collection position 1..Count; empty outside that range.
  QString KeyAt(int index) const;
  // Collection position 1..Count of a node; 0 when it is missing.
  int IndexOf(const QString& key) const;
  // All keys in collection order.
  QStringList Keys() const;

  QString Text(const QString& key) const;
  bool SetText(const QString& key, const QString& text);

  // Key of the parent node; empty for a top-level or missing node.
  QString ParentKey(const QString& key) const;
  // Moves the node with its subtree below `newParentKey` (empty: to the top level), as the last
  // child or at the sorted place. Fails when the new parent is the node itself or lies in its
  // subtree, or a key is missing; nothing changes then.
  bool SetParent(const QString& key, const QString& newParentKey);
  // Child keys in display order.
  QStringList Children(const QString& key) const;
  QStringList TopLevelKeys() const;

  // Picture key of the node; empty when it has none.
  QString Image(const QString& key) const;
  // Shows the image list's picture `imageKey`. A key missing from the list (or no list) fails
  // and leaves the node without a picture; an empty key removes the picture.
  bool SetImage(const QString& key, const QString& imageKey);
  // The list pictures come from; the tree does not own it. Nodes look their pictures up again.
  void SetImageList(ImageList* images);
  ImageList* Images() const { return m_images; }

  bool Expanded(const QString& key) const;
  // Emits Expand or Collapse when the state changes, as a user's click would.
  bool SetExpanded(const QString& key, bool expanded);

  // Sorted children: true sorts the children now and keeps later additions, moves and renames
  // in alphabetical order (German collation, case-blind, stable for equal texts); false keeps
  // the current order from then on.
  bool Sorted(const QString& key) const;
  bool SetSorted(const QString& key, bool sorted);
  bool TopLevelSorted() const { return m_topLevelSorted; }
  void SetTopLevelSorted(bool sorted);

  // --- Selection, hit test, drop highlight ---------------------------------------------------
  // Key of the selected node; empty when none is selected. A left or right press selects the
  // node under the pointer; a press on free space keeps the selection.
  QString SelectedItem() const;
  // Selects a node without raising click events; an empty key clears the selection.
  bool Select(const QString& key);
  // Expands the node's ancestors (raising Expand) and scrolls the node into view.
  bool EnsureVisible(const QString& key);
  // Key of the node whose row lies under `point`; empty over free space.
  QString HitTest(QPoint point) const;
  // The node's row as currently shown; an empty rectangle when it is missing or hidden.
  QRect NodeRect(const QString& key) const;

  // The node marked as drop target, independent of the selection; empty when none.
  QString DropHighlight() const { return m_dropHighlight; }
  // Marks a node as drop target; an empty key removes the mark. A missing key removes the mark
  // and fails.
  bool SetDropHighlight(const QString& key);
  void ClearDropHighlight() { SetDropHighlight(QString()); }

  // --- Drag ----------------------------------------------------------------------------------
  // Pointer picture while this tree is dragged; none gives the standard drag pointer.
  void SetDragIcon(const QPixmap& icon) { m_dragIcon = icon; }
  QPixmap DragIcon() const { return m_dragIcon; }
  // Begins dragging this tree (see DragController).
  void Drag();

 Q_SIGNALS:
  // A left click in the control, on a node or not.
  void Click();
  // A left click on a node (not on its expand mark); raised before Click.
  void NodeClick(const QString& key);
  void DblClick();
  void Expand(const QString& key);
  void Collapse(const QString& key);
  // `button`: the button pressed or released; MouseMove: the buttons held.
  void MouseDown(int button, int shift, int x, int y);
  void MouseMove(int buttons, int shift, int x, int y);
  void MouseUp(int button, int shift, int x, int y);
  // `key` is the Qt key code (Qt::Key_Down); auto-repeat releases are not reported.
  void KeyUp(int key, int shift);
  // While some control is dragged over this tree, and when it is dropped here.
  void DragOver(const tolvar::ui::DragSource& source, int x, int y, tolvar::ui::DragState state);
  void DragDrop(const tolvar::ui::DragSource& source, int x, int y);

 private:
  friend class KeyedTreeView;

  struct Node {
    QTreeWidgetItem* item = nullptr;
    bool expanded = false;
    bool sorted = false;
    QString imageKey;
  };

  Node* find(const QString& key);
  const Node* find(const QString& key) const;
  QString keyOf(const QTreeWidgetItem* item) const;
  bool childrenSorted(const QTreeWidgetItem* parent) const;
  void insertItem(QTreeWidgetItem* parent, QTreeWidgetItem* item);
  void detachItem(QTreeWidgetItem* item);
  // Moves an item to its place below `parent`, keeping expanded states and the selection.
  void placeItem(QTreeWidgetItem* parent, QTreeWidgetItem* item);
  void restoreExpanded(QTreeWidgetItem* item);
  void applyImage(Node& node);
  void markDropTarget(const QString& key, bool on);
  void viewExpanded(QTreeWidgetItem* item, bool expanded);

  KeyedTreeView* m_view = nullptr;
  QPointer<ImageList> m_images;
  QHash<QString, Node> m_nodes;
  std::vector<QString> m_order;
  mutable QHash<QString, int> m_positions;  // rebuilt lazily after removals
  mutable bool m_positionsValid = true;
  bool m_topLevelSorted = false;
  QString m_dropHighlight;
  QString m_pressedKey;  // node under a left press, for NodeClick
  bool m_leftPressed = false;
  QPixmap m_dragIcon;
};

}  // namespace tolvar::ui
