#include "culture/mdlKulturPhasenInfo_regeln.h"

#include <optional>

#include "data/messages.h"
#include "data/state.h"

namespace tolvar::mdlKulturPhasenInfo {
namespace {

bool Gefuellt(const PhasenSatz& p) { return !p.KP_ID.empty() && p.KP_ID != "0"; }

// A box's date: exactly as typed, "dd.mm.yyyy".
std::optional<base::Date> BoxDatum(std::string_view text) {
  if (text.empty()) return std::nullopt;
  return base::ParseDate(text);
}

bool Ablehnen(std::string_view meldung) {
  data::ShowCritical(meldung);
  return false;
}

}  // namespace

PhasenZeile PhasenZeileVon(const PhasenSatz& p) {
  PhasenZeile z;
  z[kSpalteName] = p.Phasennamen;
  z[kSpalteMenge] = p.AnzahlPflanzen;
  z[kSpalteFlaeche] = p.Flaeche;
  z[kSpalteBeginn] = base::DateText(p.Anfang);
  z[kSpalteEnde] = base::DateText(p.Ende);
  z[kSpalteTT] = p.TT;
  z[kSpalteNT] = p.NT;
  z[kSpalteLicht] = p.Intensitaet;
  z[kSpalteDauer] = p.Dauer;
  z[kSpalteBrutto] = p.BruttoFlaeche;
  return z;
}

std::vector<PhasenZeile> KulturphasenTabelle(const CultureData& kultur) {
  const auto& liste = kultur.PhasenListe;
  std::vector<PhasenZeile> zeilen;
  for (std::size_t n = 1; n < liste.size() && n <= kMaxPhasen; ++n) {
    if (!Gefuellt(liste[n])) break;
    zeilen.push_back(PhasenZeileVon(liste[n]));
  }
  return zeilen;
}

std::vector<int> PhasenBaumSlots(const CultureData& kultur) {
  const auto& liste = kultur.PhasenListe;
  std::vector<int> slots;
  for (std::size_t n = 1; n < liste.size() && n <= kMaxPhasen; ++n) {
    if (Gefuellt(liste[n])) slots.push_back(static_cast<int>(n));
  }
  return slots;
}

bool PhasenanfangPruefen(std::string_view beginn, std::string_view ende) {
  if (base::CharCount(beginn) != 10) return Ablehnen(kMeldungAnfangUngueltig);
  const auto b = BoxDatum(beginn);
  if (!b) return Ablehnen(kMeldungAnfangUngueltig);
  if (ende.empty()) return true;
  const auto e = BoxDatum(ende);
  if (!e || base::DateOnly(*e) <= base::DateOnly(*b)) return Ablehnen(kMeldungAnfangUngueltig);
  return true;
}

bool PhasenendePruefen(std::string_view beginn, std::string_view ende) {
  if (base::CharCount(ende) != 10) return Ablehnen(kMeldungEndeUngueltig);
  if (beginn.empty()) return Ablehnen(kMeldungAnfangFehltBeimEnde);
  const auto b = BoxDatum(beginn);
  const auto e = BoxDatum(ende);
  if (!b || !e || base::DateOnly(*e) <= base::DateOnly(*b)) return Ablehnen(kMeldungEndeUngueltig);
  return true;
}

culture::Pruefergebnis PhasenfolgePruefen(const std::vector<PhasenZeile>& zeilen, CultureData& kultur,
                                          const culture::ZellenMalen& malen) {
  kultur.EingabeOk = true;
  culture::Pruefergebnis ergebnis;
  auto fehler = [&](culture::Zelle a, culture::Zelle b) {
    ergebnis.Ok = false;
    ergebnis.RoteZellen = {a, b};
    kultur.EingabeOk = false;
    if (malen) malen(ergebnis.RoteZellen);
    data::ShowCritical(kMeldungEingabePruefen);
    return ergebnis;
  };
  for (std::size_t i = 0; i < zeilen.size(); ++i) {
    const PhasenZeile& z = zeilen[i];
    const int r = static_cast<int>(i) + 1;
    if (z[kSpalteName].empty()) break;
    const auto beginn = culture::GitterDatum(z[kSpalteBeginn]);
    const auto ende = culture::GitterDatum(z[kSpalteEnde]);
    if (!beginn || !ende || base::DateOnly(*beginn) >= base::DateOnly(*ende)) {
      return fehler({r, kSpalteBeginn}, {r, kSpalteEnde});
    }
    if (i + 1 >= zeilen.size() || zeilen[i + 1][kSpalteName].empty()) break;
    const auto folgeBeginn = culture::GitterDatum(zeilen[i + 1][kSpalteBeginn]);
    if (!folgeBeginn || base::DateOnly(*folgeBeginn) - 1 != base::DateOnly(*ende)) {
      return fehler({r + 1, kSpalteBeginn}, {r, kSpalteEnde});
    }
  }
  return ergebnis;
}

void PhasenTermineNachruecken(std::vector<PhasenZeile>& zeilen, const CultureData& kultur, const Selection& auswahl) {
  // Deleting the first phase moves no dates: the later phases keep their periods.
  if (auswahl.PhasenIndex < 2) return;
  for (int r = auswahl.PhasenIndex + 1; r <= kultur.AnzahlPhasen; ++r) {
    const PhasenSatz* vorher = At(kultur.PhasenListe, r - 1);
    PhasenZeile* z = At(zeilen, r - 1);
    if (r < 2 || vorher == nullptr || z == nullptr) continue;
    (*z)[kSpalteBeginn] = base::DateText(vorher->Anfang);
    (*z)[kSpalteEnde] = base::DateText(vorher->Ende);
  }
}

Tastenwirkung DatumsfeldTaste(std::string_view text, bool ganzMarkiert, int taste) {
  Tastenwirkung w;
  if (ganzMarkiert && !text.empty()) {
    w.Leeren = true;
    text = {};
  }
  const bool steuer = taste == kTasteEnter || taste == kTasteRueck;
  if (base::CharCount(text) >= 10) {
    w.Durchlassen = steuer;
  } else {
    w.Durchlassen = steuer || taste == '.' || (taste >= '0' && taste <= '9');
  }
  return w;
}

bool ZahlenfeldTaste(int taste) {
  return taste == kTasteEnter || taste == kTasteRueck || taste == ',' || (taste >= '0' && taste <= '9');
}

}  // namespace tolvar::mdlKulturPhasenInfo
