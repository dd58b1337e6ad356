#include "masterdata/ui/staff_grid.h"

#include <QBoxLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "platform/ui/builders.h"
#include "platform/ui/grid.h"

namespace tolvar::masterdata::ui {

QLabel* NamenszeileAnfuegen(QWidget* parent, QBoxLayout* layout, const QString& text) {
  auto* titel = new QHBoxLayout;
  titel->addWidget(new QLabel(text, parent));
  auto* name = tolvar::ui::MakeLabel(parent, QStringLiteral("lblName"), QString());
  titel->addWidget(name, 1);
  layout->addLayout(titel);
  return name;
}

void KopfzeileSetzen(tolvar::ui::Grid& grid, std::initializer_list<Rasterspalte> spalten) {
  // The widths are shares of the grid's width: a window that loads before it is shown is laid
  // out first, in the size it will be shown with, so the grid has its real width.
  QWidget* fenster = grid.window();
  if (!fenster->isVisible() && fenster->layout() != nullptr) {
    if (!fenster->testAttribute(Qt::WA_Resized)) fenster->adjustSize();
    fenster->layout()->invalidate();
    fenster->layout()->activate();
  }
  const int breite = grid.ClientWidth();
  int col = 0;
  for (const Rasterspalte& spalte : spalten) {
    grid.SetTextMatrix(0, col, spalte.titel);
    grid.SetCellFontBold(0, col, true);
    grid.SetColAlignment(col, spalte.ausrichtung);
    grid.SetColWidth(col, breite / spalte.teiler);
    ++col;
  }
}

void ZeileFaerben(tolvar::ui::Grid& grid, int row, const QColor& farbe) {
  for (int col = 0; col < grid.Cols(); ++col) grid.SetCellBackColor(row, col, farbe);
}

void ZeilenFaerben(tolvar::ui::Grid& grid, const QColor& farbe) {
  for (int row = 1; row < grid.Rows(); ++row) ZeileFaerben(grid, row, farbe);
}

}  // namespace tolvar::masterdata::ui
