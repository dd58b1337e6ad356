#include "app/mdlMenue.h"

#include "data/state.h"
#include "platform/ui/forms.h"

namespace tolvar::mdlMenue {

void AlleFensterSchliessen() {
  State& s = state();
  s.ModusStammdaten = false;
  s.ModusErfassung = false;
  s.ModusKalkulation = false;
  ui::Forms::UnloadAllExcept(nullptr);
}

}  // namespace tolvar::mdlMenue
