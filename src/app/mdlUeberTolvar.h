#pragma once
// Links of the about box: web pages and a new mail, handed to the desktop's programs.

#include <string>

namespace tolvar::mdlUeberTolvar {

// The maker's home page, the page presenting the sibling labour-time program, and the
// authors' mail address.
inline constexpr const char* kHomepage = "https://www.example.org/tolvar";
inline constexpr const char* kMorvinSeite = "https://www.example.org/morvin";
inline constexpr const char* kAutorenMail = "info@example.org";

// Opens `adresse` in the browser; a failure is not reported.
void InternetSeiteOeffnen(const std::string& adresse);

// Opens a new mail to the authors ("mailto:" + kAutorenMail); a failure is not reported.
void MailSchreiben();

}  // namespace tolvar::mdlUeberTolvar
