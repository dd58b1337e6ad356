#pragma once
// Element access by index for the program's lists. At checks the index against the list.
// Lists with fixed slots keep a count of the slots in use next to them (the wage lists, the
// material rows before their empty end mark, the site occupancies before their free slot);
// UsedSlots gives those slots as a span, clipped to the list.

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <span>
#include <utility>

namespace tolvar {

// The element at `index` of `list` (a vector, array or span), writable when the list is;
// nullptr when the index lies outside the list (a selection index past the end selects nothing).
template <class List>
auto At(List& list, std::integral auto index) -> decltype(&list[0]) {
  if (std::cmp_less(index, 0) || std::cmp_greater_equal(index, list.size())) return nullptr;
  return &list[static_cast<std::size_t>(index)];
}

// Slots 0..count-1 of `list` (a vector), writable when the list is; fewer when the list is
// shorter, none when count is below 1.
template <class List>
auto UsedSlots(List& list, std::integral auto count) {
  const auto n = std::clamp<long long>(count, 0, static_cast<long long>(list.size()));
  return std::span(list).first(static_cast<std::size_t>(n));
}

}  // namespace tolvar
