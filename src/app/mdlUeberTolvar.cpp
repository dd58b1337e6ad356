#include "app/mdlUeberTolvar.h"

#include <exception>

#include "platform/sys/shell.h"

namespace tolvar::mdlUeberTolvar {

void InternetSeiteOeffnen(const std::string& adresse) {
  try {
    sys::CurrentShell().OpenUrl(adresse);
  } catch (const std::exception&) {
  }
}

void MailSchreiben() {
  try {
    sys::CurrentShell().OpenUrl(std::string("mailto:") + kAutorenMail);
  } catch (const std::exception&) {
  }
}

}  // namespace tolvar::mdlUeberTolvar
