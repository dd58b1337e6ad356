#pragma once
// Screen check of the start-up screen.

namespace tolvar::mdlGroesse {

// 1 after a passed screen check, 0 after a failed one.
extern double AufloesungOk;

inline constexpr int kMindestBreite = 1024;
inline constexpr int kMindestHoehe = 768;

// Below 1024 x 768 pixels: the critical message and AufloesungOk 0; otherwise 1, silently.
void BildschirmaufloesungPruefen();

}  // namespace tolvar::mdlGroesse
