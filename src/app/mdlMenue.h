#pragma once

namespace tolvar::mdlMenue {

// Clears the three work-area flags, then unloads every loaded window except the main
// window, hidden ones and dialogs included, each running its own unload handler.
void AlleFensterSchliessen();

}  // namespace tolvar::mdlMenue
