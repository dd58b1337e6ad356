#pragma once
// Static access for a window class D built on a shared window base (the cost detail windows,
// the origin menus): D::instanz() and D::IsLoaded().

#include "platform/ui/forms.h"

namespace tolvar {

template <class D, class Basis>
class FensterOf : public Basis {
 public:
  static D& instanz() { return ui::Forms::Get<D>(); }
  static bool IsLoaded() { return ui::Forms::IsLoaded<D>(); }

 protected:
  using Basis::Basis;
};

}  // namespace tolvar
