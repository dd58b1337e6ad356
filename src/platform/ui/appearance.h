#pragma once
// The look every window was laid out for: window layouts are measured in twips at 15 per
// pixel (96 dots per inch), with an 8.25-point sans serif of Arial's metrics as the font.
// Both the program and the window tests set the application up through these, so tests
// measure what the program shows.

#include <QFont>
#include <QString>

class QApplication;

namespace tolvar::ui {

// The family of the application font: Liberation Sans has Arial's metrics; where it is
// missing the font system picks the nearest sans serif.
inline constexpr const char* kFontFamily = "Liberation Sans";
inline constexpr double kFontPoints = 8.25;

// Before the QApplication exists: points are converted at 96 dots per inch on every screen,
// the resolution the twips of the layouts assume, so an 8.25-point font is 11 pixels high
// wherever the program runs (an X server with another resolution included).
void PrepareApplication();

// After the QApplication exists, before the first window: the application font, German as the
// locale of every control and dialog, Qt's German translation so its own dialog texts (file
// dialogs, message box buttons) are German, whatever the system's language, and the
// program's own icon for every window.
void SetUpApplication(QApplication& app);

// The program's icon in the shipped tree (Bilder/Tolvar.png).
QString ProgramIconPath();

// A font of the application's family at a size and weight a layout gives for one control.
QFont LayoutFont(double points, bool bold = false);

}  // namespace tolvar::ui
