#pragma once
// Checks a shown window as a person would look at it: every caption of a label, button,
// option button, check box and frame is whole within its control (on as many lines as the
// control's height holds where the control wraps its caption), every head of a grid whole
// within its cell (on as many lines as its row's height holds), every text box's text whole,
// no control reaches past the window's client area, and no two visible sibling controls
// overlap.

#include <QString>
#include <QStringList>
#include <set>

class QWidget;

namespace tolvar::test {

// Pairs of sibling controls a layout places over each other on purpose, as
// "window/control/control" with the two names in alphabetical order.
using OverlapAllowance = std::set<QString>;

// One line per fault: "frmX/cmbY: caption ... needs 120 x 14 px, has 100 x 14".
QStringList CheckLayout(QWidget& window, const QString& windowName, const OverlapAllowance& allowed);

}  // namespace tolvar::test
