#pragma once
// The main window's help menu: "Hilfe", "Dokumentation drucken" and "Über Tolvar". All three
// work whether or not an enterprise is open.

#include <string>

namespace tolvar::app {

// The help topic of the work area in use and of the active child window: "Index", "5"
// (master data), "6.1.1" (culture data), "6.2" (calculation); the comparison window "7.3" and
// the comparison-culture editor "7.2" win over the work area.
std::string HilfeThemaErmitteln();

// Stores that topic in HilfeThema and shows its help page.
void mnuHilfeText_Click();
// Opens the printable documentation.
void mnuHilfeDoku_Click();
// Shows the about box, modeless.
void mnuInfo_Click();

}  // namespace tolvar::app
