#include "data/state.h"

namespace tolvar {

namespace {
State& instance() {
  static State s;
  return s;
}
}  // namespace

State& state() { return instance(); }

void ResetState() { instance() = State(); }

}  // namespace tolvar
