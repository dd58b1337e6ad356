#pragma once
// Helpers of the two windows that list a person's dated entries in a grid (wage
// classification, weekly working hours): the title row with the person's name, the grid's
// header row and the colouring of its rows.

#include <QColor>
#include <QString>
#include <initializer_list>

class QBoxLayout;
class QLabel;
class QWidget;

namespace tolvar::ui {
class Grid;
}

namespace tolvar::masterdata::ui {

// One column of the header row: caption, alignment, and width as a share of the grid's
// client width (2 = half).
struct Rasterspalte {
  QString titel;
  int ausrichtung;
  int teiler;
};

// Adds "<text>" and the name label "lblName" beside it to `layout`; returns the name label.
QLabel* NamenszeileAnfuegen(QWidget* parent, QBoxLayout* layout, const QString& text);

// Writes row 0: the captions in bold, the columns' alignments and widths.
void KopfzeileSetzen(tolvar::ui::Grid& grid, std::initializer_list<Rasterspalte> spalten);

// Gives every cell of `row` the background `farbe`.
void ZeileFaerben(tolvar::ui::Grid& grid, int row, const QColor& farbe);

// Gives every cell below the header row the background `farbe`.
void ZeilenFaerben(tolvar::ui::Grid& grid, const QColor& farbe);

}  // namespace tolvar::masterdata::ui
