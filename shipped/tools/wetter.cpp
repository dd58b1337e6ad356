// Weather data of the installation tree, all from the region list:
//   wetter klima <regionen.csv> <Klimadaten.mdb>        two climate tables per region
//   wetter stationen <regionen.csv> <Stat_Info.mdb>     one station row per region
//   wetter diagramme <regionen.csv> <folder>            monthly mean temperature chart per station (GIF)
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <iostream>
#include <map>

#include "climate.h"
#include "gif.h"
#include "sqlite_util.h"

using namespace shipped;

namespace {

void writeClimate(const std::vector<Region>& regions, const std::filesystem::path& out) {
  NewDatabase db(out);
  for (const auto& r : regions) {
    const ClimateTables tables = climateFor(r);
    const std::pair<const char*, const WeekTable*> kinds[] = {{"-Temperatur", &tables.temperature},
                                                              {"-Einstrahlung", &tables.radiation}};
    for (const auto& [suffix, table] : kinds) {
      const std::string name = quoted(r.caption + suffix);
      std::string create = "CREATE TABLE " + name + " (\"Stunde\" INTEGER";
      std::string insert = "INSERT INTO " + name + " VALUES (?";
      for (int w = 1; w <= kWeeks; ++w) {
        create += ", \"W" + std::to_string(w) + "\" REAL";
        insert += ", ?";
      }
      db.exec(create + ")");
      sqlite3_stmt* st = db.prepare(insert + ")");
      for (int h = 0; h < kHours; ++h) {  // hours 0 to 23 in rowid order
        sqlite3_bind_int(st, 1, h);
        for (int w = 0; w < kWeeks; ++w) sqlite3_bind_double(st, w + 2, (*table)[h][w]);
        db.step(st);
      }
      sqlite3_finalize(st);
    }
  }
  db.commit();
}

void writeStations(const std::vector<Region>& regions, const std::filesystem::path& out) {
  NewDatabase db(out);
  db.exec(
      "CREATE TABLE \"Stat_Info\" (\"StatName\" TEXT, \"Regierungsbezirk\" TEXT, \"Lkr\" TEXT, "
      "\"Gemeinde\" TEXT, \"Höhe\" TEXT, \"Lage\" TEXT)");
  sqlite3_stmt* st = db.prepare("INSERT INTO \"Stat_Info\" VALUES (?, ?, ?, ?, ?, ?)");
  for (const auto& r : regions) {
    const std::string fields[] = {r.station,
                                  r.district,
                                  r.county,
                                  r.municipality,
                                  std::to_string(r.altitude),
                                  positionText(r.latitude, r.longitude)};
    for (int i = 0; i < 6; ++i) sqlite3_bind_text(st, i + 1, fields[i].c_str(), -1, SQLITE_TRANSIENT);
    db.step(st);
  }
  sqlite3_finalize(st);
  db.commit();
}

// Monthly means of the daily mean temperature, each week assigned to the month of its middle day.
std::array<double, 12> monthlyMeans(const WeekTable& t) {
  static const int monthStart[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
  std::array<double, 12> sum{};
  std::array<int, 12> count{};
  for (int w = 0; w < kWeeks; ++w) {
    const double day = w * 7.0 + 3.5;
    int m = 0;
    while (m < 11 && day >= monthStart[m + 1]) ++m;
    double mean = 0;
    for (int h = 0; h < kHours; ++h) mean += t[h][w];
    sum[m] += mean / kHours;
    ++count[m];
  }
  for (int m = 0; m < 12; ++m) sum[m] /= count[m];
  return sum;
}

const std::vector<std::uint32_t> kChartPalette = {0xFFFFFF, 0x000000, 0xB0B0B0, 0x2060C0, 0xD03020, 0xE8EEF6};

QString german(double v) { return QString::number(v, 'f', 1).replace(QLatin1Char('.'), QLatin1Char(',')); }

PaletteImage drawChart(const Region& r) {
  const int w = 360, h = 240;
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(QColor::fromRgb(kChartPalette[0]));
  const auto means = monthlyMeans(climateFor(r).temperature);
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    const QColor black = QColor::fromRgb(kChartPalette[1]);
    const QColor grid = QColor::fromRgb(kChartPalette[2]);
    const QColor blue = QColor::fromRgb(kChartPalette[3]);
    const QColor red = QColor::fromRgb(kChartPalette[4]);
    const QRect plot(44, 30, 300, 170);
    p.fillRect(plot, QColor::fromRgb(kChartPalette[5]));
    p.setPen(black);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(0, 4, w, 20), Qt::AlignHCenter, QString::fromUtf8("Temperaturmittelwerte " + r.station));
    font.setBold(false);
    p.setFont(font);
    const double lo = -10, hi = 25;
    auto yOf = [&](double t) { return plot.bottom() - (t - lo) / (hi - lo) * plot.height(); };
    for (int t = -10; t <= 25; t += 5) {
      const int y = static_cast<int>(std::lround(yOf(t)));
      p.setPen(t == 0 ? black : grid);
      p.drawLine(plot.left(), y, plot.right(), y);
      p.setPen(black);
      p.drawText(QRect(0, y - 7, plot.left() - 4, 14), Qt::AlignRight | Qt::AlignVCenter, QString::number(t));
    }
    p.drawText(QRect(2, plot.bottom() + 22, 80, 14), Qt::AlignLeft, QStringLiteral("°C"));
    static const char* months[12] = {"J", "F", "M", "A", "M", "J", "J", "A", "S", "O", "N", "D"};
    const double step = plot.width() / 12.0;
    for (int m = 0; m < 12; ++m) {
      const int x0 = plot.left() + static_cast<int>(m * step + 5);
      const int x1 = plot.left() + static_cast<int>((m + 1) * step - 5);
      const int y0 = static_cast<int>(std::lround(yOf(0)));
      const int y1 = static_cast<int>(std::lround(yOf(means[m])));
      p.fillRect(QRect(QPoint(x0, std::min(y0, y1)), QPoint(x1, std::max(y0, y1))), means[m] < 0 ? blue : red);
      p.setPen(black);
      p.drawText(QRect(x0 - 5, plot.bottom() + 3, x1 - x0 + 10, 14), Qt::AlignHCenter, QLatin1String(months[m]));
    }
    p.setPen(black);
    p.drawRect(plot.adjusted(0, 0, -1, -1));
    double year = 0;
    for (double m : means) year += m / 12.0;
    p.drawText(QRect(plot.left(), plot.bottom() + 20, plot.width(), 14), Qt::AlignRight,
               QStringLiteral("Jahresmittel ") + german(year) + QStringLiteral(" °C, Höhe ") +
                   QString::number(r.altitude) + QStringLiteral(" m"));
  }
  PaletteImage out;
  out.width = w;
  out.height = h;
  out.palette = kChartPalette;
  out.pixels.resize(static_cast<std::size_t>(w) * h);
  std::map<std::uint32_t, std::uint8_t> index;
  for (std::size_t i = 0; i < kChartPalette.size(); ++i) index[kChartPalette[i]] = static_cast<std::uint8_t>(i);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const auto found = index.find(img.pixel(x, y) & 0xFFFFFF);
      out.pixels[static_cast<std::size_t>(y) * w + x] = found == index.end() ? 1 : found->second;
    }
  return out;
}

void writeCharts(const std::vector<Region>& regions, const std::filesystem::path& folder) {
  std::filesystem::create_directories(folder);
  for (const auto& r : regions) {
    const auto bytes = encodeGif(drawChart(r));
    const auto target = folder / (r.picture + ".gif");
    const auto tmp = tempPath(target);
    {
      std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      if (!out) throw std::runtime_error("cannot write " + tmp.string());
    }
    commitFile(tmp, target);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: wetter klima|stationen|diagramme <regionen.csv> <output>\n";
    return 2;
  }
  try {
    const std::string mode = argv[1];
    const auto regions = readRegions(argv[2]);
    if (mode == "klima") {
      writeClimate(regions, argv[3]);
    } else if (mode == "stationen") {
      writeStations(regions, argv[3]);
    } else if (mode == "diagramme") {
      qputenv("QT_QPA_PLATFORM", "offscreen");
      QGuiApplication app(argc, argv);
      writeCharts(regions, argv[3]);
    } else {
      throw std::runtime_error("unknown mode " + mode);
    }
  } catch (const std::exception& e) {
    std::cerr << "wetter: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
