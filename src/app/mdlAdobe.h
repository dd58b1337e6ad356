#pragma once
// The printable documentation: a PDF below the installation folder, opened in the desktop's
// PDF reader for the user to print.

#include <string>

namespace tolvar::mdlAdobe {

// Message when the desktop cannot open the documentation.
inline constexpr const char* kMeldungLeser =
    "Um die Dokumentation zu öffnen, muss auf ihrem Rechner mindestens der Adobe Acrobat Reader 5.0 "
    "installiert sein";

// Path of the documentation: <data root>/Hilfe/Tolvar-Hilfe.pdf.
std::string DokumentationsPfad();

// Opens the documentation through the shell. A missing file, or a shell that cannot open it,
// is reported by a critical message titled "Tolvar-Information"; true when it was opened.
bool DokumentationOeffnen();

}  // namespace tolvar::mdlAdobe
