#include "platform/ui/builders.h"

#include <QFormLayout>
#include <QHBoxLayout>

#include "platform/ui/grid.h"
#include "platform/ui/keyedtree.h"

namespace tolvar::ui {

Grid* MakeGrid(QWidget* parent, const QString& name, int left, int top, int width, int height) {
  return Placed(new Grid(parent), name, left, top, width, height);
}

KeyedTree* MakeTree(QWidget* parent, const QString& name, ImageList* images, int left, int top, int width, int height) {
  KeyedTree* tree = Placed(new KeyedTree(parent), name, left, top, width, height);
  tree->SetImageList(images);
  return tree;
}

Grid* MakeGrid(QWidget* parent, const QString& name) { return Named(new Grid(parent), name); }

KeyedTree* MakeTree(QWidget* parent, const QString& name, ImageList* images) {
  KeyedTree* tree = Named(new KeyedTree(parent), name);
  tree->SetImageList(images);
  return tree;
}

QHBoxLayout* SideBySide(QWidget* box, QWidget* right) {
  auto* row = new QHBoxLayout;
  row->addWidget(box);
  row->addWidget(right);
  return row;
}

void AddFormRow(QFormLayout* layout, const QString& label, QWidget* box, const QString& unit) {
  if (unit.isEmpty()) {
    layout->addRow(label, box);
    return;
  }
  layout->addRow(label, SideBySide(box, new QLabel(unit)));
}

}  // namespace tolvar::ui
