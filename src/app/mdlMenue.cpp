#include "app/mdlMenue.h"

#include "data/state.h"
#include "platform/ui/forms.h"

namespace tolvar::mdlMenue {

void AlleFensterSchliessen() {
  State& s = state();
  s.enterprise.ModusStammdaten = false;
  s.enterprise.ModusErfassung = false;
  s.enterprise.ModusKalkulation = false;
  ui::Forms::UnloadAllExcept(nullptr);
}

}  // namespace tolvar::mdlMenue
