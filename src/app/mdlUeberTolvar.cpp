#include "app/mdlUeberTolvar.h"

#include "platform/sys/shell.h"

namespace tolvar::mdlUeberTolvar {

void InternetSeiteOeffnen(const std::string& adresse) { sys::CurrentShell().OpenUrl(adresse); }

void MailSchreiben() { sys::CurrentShell().OpenUrl(std::string("mailto:") + kAutorenMail); }

}  // namespace tolvar::mdlUeberTolvar
