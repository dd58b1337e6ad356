#pragma once

namespace tolvar::mdlMDIZentral {

// While an enterprise is open: status panel 1 "geöffnete Datei: " and the enterprise's path,
// the caption "Tolvar - " and its file name without extension.
void HauptfensterTitelSetzen();

}  // namespace tolvar::mdlMDIZentral
