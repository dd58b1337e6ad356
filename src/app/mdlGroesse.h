#pragma once
// Screen check of the start-up screen.

namespace tolvar::mdlGroesse {

inline constexpr int kMindestBreite = 1024;
inline constexpr int kMindestHoehe = 768;

// Below 1024 x 768 pixels: the critical message and state().windows.AufloesungOk 0; otherwise 1, silently.
void BildschirmaufloesungPruefen();

}  // namespace tolvar::mdlGroesse
