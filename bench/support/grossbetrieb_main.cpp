// Writes the large benchmark enterprise into a folder: tolvar_grossbetrieb <folder> [share]
// (share 0.1 for a tenth; default 1).

#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>

#include "support/grossbetrieb.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: tolvar_grossbetrieb <folder> [share, default 1]\n";
    return 2;
  }
  const double anteil = argc == 3 ? std::atof(argv[2]) : 1.0;
  if (!(anteil > 0.0 && anteil <= 1.0)) {
    std::cerr << "the share must lie in (0, 1]\n";
    return 2;
  }
  try {
    const tolvar::bench::Grossbetrieb b = tolvar::bench::GrossbetriebErzeugen(argv[1], anteil);
    std::cout << b.Betrieb << "\n"
              << b.Tolvar << "\n"
              << b.Material << "\n"
              << b.Ergebnisse << "\n"
              << "largest culture " << b.GroessteKultur << "\n";
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 1;
  }
  return 0;
}
