#pragma once
// Online help: a folder of HTML pages (index.htm and Abschnitt<topic>.htm) below the
// installation folder, shown in the program's help window.

#include <string>

namespace tolvar::mdlHilfe {

// The one help entry of the program: shows the page of the topic. Never fails to the caller;
// a missing page shows index.htm, a missing help folder says that the help was not found.
void HilfeAufrufen(const std::string& thema);

// The page of a topic: "Index" (exactly) is "index.htm", any other topic "Abschnitt<topic>.htm".
std::string Seitenname(const std::string& thema);

// Shows page `seite` of the help folder below the installation folder.
void HilfeDateiOeffnen(const std::string& seite);

// Shows page `seite` of help folder `hilfedatei`, or index.htm of it when that page is missing;
// when neither is there, a critical message says that the help was not found.
void HtmlHilfeAnzeigen(const std::string& hilfedatei, const std::string& seite);

}  // namespace tolvar::mdlHilfe
