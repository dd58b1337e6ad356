#pragma once
// The margin scheme of a calculated culture: market output, revenue, material costs, the
// margins after direct costs (DKFL) and after labour (EKFL) per 1000 plants, per m² of gross
// area and year and per labour hour, and the profit.

#include <vector>

#include "data/records_calculation.h"
#include "data/records_culture.h"

namespace tolvar::mdlKalkulation {

// Works the margins out from the texts of the window's boxes (the price, the quantity and
// the cost boxes, whatever their origin), the gross area-days of the phases and the labour
// hours of the recorded work, and writes the eleven result boxes with the format "0.00".
// The cost boxes are deducted by their type's Kostenstufe: the material costs (their sum is
// txtSachkosten) before the DKFL, the labour before the EKFL, the overheads before the profit.
// Each figure reads the two-decimal texts written before it. A figure whose inputs are not
// numbers or whose divisor is 0 is emptied, and so is every figure that needs it. With the
// overheads box (txtGemein) exactly "0,00" both profit boxes are emptied.
void MargenBerechnen(KalkulationsFenster& fenster, const std::vector<PhasenSatz>& phasen, int anzahlPhasen,
                     const std::vector<KulturArbeitSatz>& arbeiten);

}  // namespace tolvar::mdlKalkulation
