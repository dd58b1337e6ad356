// Helpers shared by the build-time generators of the installation tree.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace shipped {

// One weather region of the region map with its measuring station.
struct Region {
  int index = 0;
  std::string caption;  // region caption, names the climate tables
  std::string station;  // Stat_Info.StatName
  std::string picture;  // base name of the station picture
  double latitude = 0;
  double longitude = 0;
  int altitude = 0;
  std::string district;
  std::string county;
  std::string municipality;
};

inline std::vector<std::string> splitFields(const std::string& line, char sep) {
  std::vector<std::string> fields;
  std::string field;
  std::istringstream in(line);
  while (std::getline(in, field, sep)) fields.push_back(field);
  if (!line.empty() && line.back() == sep) fields.emplace_back();
  return fields;
}

inline std::vector<Region> readRegions(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) throw std::runtime_error("cannot read " + file.string());
  std::vector<Region> regions;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const auto f = splitFields(line, ';');
    if (f.size() != 10) throw std::runtime_error("bad region line: " + line);
    Region r;
    r.index = std::stoi(f[0]);
    r.caption = f[1];  // keeps a leading blank
    r.station = f[2];
    r.picture = f[3];
    r.latitude = std::stod(f[4]);
    r.longitude = std::stod(f[5]);
    r.altitude = std::stoi(f[6]);
    r.district = f[7];
    r.county = f[8];
    r.municipality = f[9];
    if (r.index != static_cast<int>(regions.size())) throw std::runtime_error("regions out of order");
    regions.push_back(r);
  }
  return regions;
}

// Path of the temporary file a generator writes before renaming it into place, so a failed
// run never leaves a half-written output.
inline std::filesystem::path tempPath(const std::filesystem::path& target) {
  auto p = target;
  p += ".tmp";
  return p;
}

inline void commitFile(const std::filesystem::path& tmp, const std::filesystem::path& target) {
  std::filesystem::rename(tmp, target);
}

// "48°07' N, 11°44' O" from decimal degrees.
inline std::string positionText(double lat, double lon) {
  auto dm = [](double v) {
    int deg = static_cast<int>(v);
    int min = static_cast<int>((v - deg) * 60.0 + 0.5);
    if (min == 60) {
      ++deg;
      min = 0;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "%d°%02d'", deg, min);
    return std::string(buf);
  };
  return dm(lat) + " N, " + dm(lon) + " O";
}

}  // namespace shipped
