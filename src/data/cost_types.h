#pragma once
// The eight cost types of a culture, in the order of the calculation window. The calculation,
// the stored comparison cultures and the comparison index their boxes and columns by them.

#include <array>
#include <cstddef>

namespace tolvar {

enum class Kostenart { Heizung, Material, Energie, Maschinen, PSM, Vermarktung, Arbeit, Gemeinkosten };
inline constexpr std::array<Kostenart, 8> kKostenarten = {
    Kostenart::Heizung, Kostenart::Material,    Kostenart::Energie, Kostenart::Maschinen,
    Kostenart::PSM,     Kostenart::Vermarktung, Kostenart::Arbeit,  Kostenart::Gemeinkosten};

// The position of a type in kKostenarten and in every array indexed by the type.
constexpr std::size_t KostenIndex(Kostenart art) { return static_cast<std::size_t>(art); }

}  // namespace tolvar
