#pragma once
// Row by row breakdowns of four computed cost types (electric energy for supplementary
// light, machines, labour, material assigned through recorded work) as the detail windows
// list them, and the arithmetic of the marketing window. Every cell is text; costs are €
// per 1000 plants with the calculation's own rules, so the rows agree with the figure the
// calculation window shows. A figure that cannot be worked out (a text that is no number,
// no plants) leaves its cell empty; the row is still listed.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "data/records.h"
#include "data/records_calculation.h"
#include "data/records_culture.h"
#include "data/records_settings.h"
#include "data/state.h"

namespace tolvar::calculation {

// Phase name, intensity "0.0", light hours "0.0", plants per Nm² "0.0", cost "0.00".
using EnergieZeile = std::array<std::string, 5>;
// Machine name, units as stored, price "0.00", date, phase name, plants as stored, cost "0.00".
using MaschinenZeile = std::array<std::string, 7>;
// Phase name, plants "0", net area "0", staff short name, activity, hours as stored, cost "0.00".
using ArbeitZeile = std::array<std::string, 7>;
// Activity, phase name, date, material cost per hour "0.00", hours as stored, cost "0.00".
using PSMZeile = std::array<std::string, 6>;

// One row per phase slot 1..anzahlPhasen whose intensity and light hours are both non-zero,
// ordered by plants per Nm², most first (equal values keep phase order).
std::vector<EnergieZeile> EnergieZeilen(const std::vector<PhasenSatz>& phasen, int anzahlPhasen,
                                        std::string_view strom);

// One row per material row of `zeilen` whose master material (the first of its number)
// is a machine, ordered by the phase's plant count, most first. The phase is the one whose
// plant count the calculation divides by; a row dated in no phase has empty phase cells and
// costs 0,00, as the calculation counts nothing for it.
std::vector<MaschinenZeile> MaschinenZeilen(std::span<const KulturMaterialSatz> zeilen,
                                            const std::vector<PhasenSatz>& phasen, int anzahlPhasen,
                                            const MasterLists& stamm);

// For each phase slot 1..anzahlPhasen and each piece of work dated within it (so work on the
// day two phases meet is listed under both), one row; ordered by the phase's plant count,
// most first. Work whose person has no wage row on or before its day shows no cost.
std::vector<ArbeitZeile> ArbeitZeilen(const std::vector<PhasenSatz>& phasen, int anzahlPhasen,
                                      const std::vector<KulturArbeitSatz>& arbeiten,
                                      const std::vector<LohneinteilungSatz>& lohnliste, int anzahlLohn);

// One row per piece of work in list order. An activity without a material
// cost per hour costs 0,00; work dated in no phase has an empty phase cell and costs 0,00.
std::vector<PSMZeile> PSMZeilen(const std::vector<KulturArbeitSatz>& arbeiten,
                                const std::vector<ArbeitMaterialSatz>& arbeitMaterial,
                                const std::vector<PhasenSatz>& phasen, int anzahlPhasen);

// The enterprise's marketing share in percent of the market output from its yearly
// marketing costs and turnover, as general number text (settings::AnteilAusUmsatz): negative
// amounts and shares above 100 included; nullopt when either text is no number within the
// largest amount, the turnover is 0 or the share lies beyond the largest amount.
std::optional<std::string> VermarktungsanteilAusUmsatz(std::string_view kosten, std::string_view umsatz);

// Marketing cost per 1000 plants from the price per plant and the share in percent,
// formatted "0.00"; an empty share counts 0, a negative one gives a negative cost. nullopt
// when the price is no number or the share none within settings::kVermarktungsanteil.
std::optional<std::string> VermarktungskostenJe1000(std::string_view preis, std::string_view anteil);

}  // namespace tolvar::calculation
