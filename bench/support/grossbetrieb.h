#pragma once
// A large enterprise for the benchmarks, generated deterministically (fixed seed): the
// enterprise pair (".mdb" of the labour-time program and its ".Tolvar" twin), a material
// database and a result database, each built from the program's own schema scripts.
//
// At full size (Anteil 1): 1,000 cultures in 20 groups, each with 5-25 phases, 1-20 site
// occupancies per phase on 200 sites with greenhouse data, 10-200 material rows and 50-1,000
// recorded work rows; 10,000 materials; 1,000 stored comparison cultures; 200 staff members
// with wage histories; 100 standard activities. The first culture is the largest: 25 phases
// over one year, 20 occupancies per phase, 200 material rows, 1,000 work rows. A smaller
// Anteil scales every count (and the largest culture) by it.

#include <string>

namespace tolvar::bench {

struct Grossbetrieb {
  std::string Ordner;
  std::string Betrieb;         // <Ordner>/Grossbetrieb.mdb
  std::string Tolvar;          // <Ordner>/Grossbetrieb.Tolvar
  std::string Material;        // <Ordner>/Material.mdb
  std::string Ergebnisse;      // <Ordner>/Ergebnisse.mdb
  std::string GroessteKultur;  // KulturNr of the largest culture

  int Kulturen = 0;
  int Standorte = 0;
  int Materialien = 0;
  int Personal = 0;
  int Taetigkeiten = 0;
  int Vergleichskulturen = 0;
  // Rows of the largest culture.
  int GroesstePhasen = 0;
  int GroessteBelegungen = 0;
  int GroessteMaterialzeilen = 0;
  int GroessteArbeiten = 0;
};

// Writes the four databases into `ordner` (created; existing files of the same names are
// replaced). Without `mitIndizes` the enterprise pair lacks the culture-number indexes, as a
// file made before them does until the program first opens it. Throws std::runtime_error when
// a database cannot be written.
Grossbetrieb GrossbetriebErzeugen(const std::string& ordner, double anteil = 1.0, bool mitIndizes = true);

// A temporary data root standing for the installation folder: a copy of the build's
// installation tree whose system database names the generated enterprise as the open one.
// The previous data root comes back when the object goes; the folder is removed.
class Datenwurzel {
 public:
  explicit Datenwurzel(double anteil = 1.0, bool mitIndizes = true);
  ~Datenwurzel();
  Datenwurzel(const Datenwurzel&) = delete;
  Datenwurzel& operator=(const Datenwurzel&) = delete;

  const Grossbetrieb& Betrieb() const { return betrieb_; }

 private:
  std::string ordner_;
  std::string vorher_;
  Grossbetrieb betrieb_;
};

}  // namespace tolvar::bench
