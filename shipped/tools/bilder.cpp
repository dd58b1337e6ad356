// Pictures of the installation tree, drawn with QPainter: bilder <regionen.csv> <Bilder folder>
//   Landkarte.png        region map, 501 x 490
//   Begruessung.png      start-up picture
//   UeberTolvar1.png, UeberTolvar2.png   about-box pictures
//   Tolvar.png           the program's icon, 64 x 64
//   closed.png, open.png, drag-standort.png, drag-material.png, drag-Taetigkeit.png   tree pictures
//   <Art>_<Farbe>.png    pointer pictures, Art Zeiger, Hand, Info, ZeigerInfo
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <iostream>

#include "common.h"

using namespace shipped;

namespace {

std::filesystem::path gFolder;

void save(const QImage& img, const std::string& name) {
  const auto target = gFolder / name;
  const auto tmp = tempPath(target);
  if (!img.save(QString::fromStdString(tmp.string()), "PNG")) throw std::runtime_error("cannot write " + tmp.string());
  commitFile(tmp, target);
}

QFont font(int pixels, bool bold = false) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

// ---- region map ------------------------------------------------------------------------------

constexpr int kMapW = 501, kMapH = 490;

QPointF mapPoint(double lon, double lat) {
  return {10.0 + (lon - 8.8) / (14.0 - 8.8) * (kMapW - 20), 10.0 + (50.65 - lat) / (50.65 - 47.2) * (kMapH - 20)};
}

QPolygonF outline() {
  static const double pts[][2] = {
      {8.97, 49.95},  {9.05, 50.12},  {9.5, 50.25},  {9.9, 50.45},   {10.5, 50.35}, {10.85, 50.42},
      {11.4, 50.45},  {11.9, 50.42},  {12.1, 50.3},  {12.25, 50.15}, {12.5, 49.95}, {12.45, 49.7},
      {12.65, 49.45}, {13.0, 49.3},   {13.4, 49.1},  {13.85, 48.75}, {13.7, 48.5},  {13.4, 48.55},
      {13.0, 48.25},  {12.75, 47.95}, {13.05, 47.7}, {12.95, 47.5},  {12.5, 47.65}, {11.7, 47.55},
      {11.1, 47.4},   {10.5, 47.55},  {10.2, 47.3},  {9.95, 47.55},  {9.6, 47.55},  {10.1, 47.85},
      {10.15, 48.45}, {10.4, 48.7},   {10.25, 49.0}, {9.9, 49.2},    {9.5, 49.5},   {9.05, 49.58}};
  QPolygonF poly;
  for (const auto& p : pts) poly << mapPoint(p[0], p[1]);
  return poly;
}

void drawMap(const std::vector<Region>& regions) {
  QImage img(kMapW, kMapH, QImage::Format_RGB32);
  img.fill(QColor(226, 236, 244));
  const QPolygonF land = outline();
  std::vector<QPointF> centres;
  for (const auto& r : regions) centres.push_back(mapPoint(r.longitude, r.latitude));
  static const QColor fills[] = {{214, 232, 190}, {236, 226, 180}, {200, 224, 206},
                                 {228, 214, 196}, {206, 220, 236}, {232, 206, 214}};
  // Each land pixel belongs to the nearest station: a schematic partition into regions.
  std::vector<int> owner(static_cast<std::size_t>(kMapW) * kMapH, -1);
  for (int y = 0; y < kMapH; ++y)
    for (int x = 0; x < kMapW; ++x) {
      if (!land.containsPoint(QPointF(x + 0.5, y + 0.5), Qt::OddEvenFill)) continue;
      int best = 0;
      double bestD = 1e18;
      for (std::size_t i = 0; i < centres.size(); ++i) {
        const double dx = centres[i].x() - x, dy = centres[i].y() - y;
        if (dx * dx + dy * dy < bestD) {
          bestD = dx * dx + dy * dy;
          best = static_cast<int>(i);
        }
      }
      owner[static_cast<std::size_t>(y) * kMapW + x] = best;
      img.setPixelColor(x, y, fills[best % 6]);
    }
  for (int y = 1; y < kMapH; ++y)
    for (int x = 1; x < kMapW; ++x) {
      const int o = owner[static_cast<std::size_t>(y) * kMapW + x];
      if (o < 0) continue;
      if (o != owner[static_cast<std::size_t>(y) * kMapW + x - 1] ||
          o != owner[static_cast<std::size_t>(y - 1) * kMapW + x])
        img.setPixelColor(x, y, QColor(150, 150, 150));
    }
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(70, 70, 70), 2));
  p.setBrush(Qt::NoBrush);
  p.drawPolygon(land);
  // Only the stations' dots: the window lays the region names over the map as clickable labels.
  for (const QPointF& c : centres) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(180, 40, 30));
    p.drawEllipse(c, 3.0, 3.0);
  }
  p.setFont(font(13, true));
  p.setPen(QColor(40, 40, 40));
  p.drawText(QRectF(12, kMapH - 26, 300, 18), Qt::AlignLeft, QStringLiteral("Wetterregionen"));
  p.end();
  save(img, "Landkarte.png");
}

// ---- start-up and about pictures -------------------------------------------------------------

void drawGreenhouse(QPainter& p, const QRectF& r, const QColor& frame) {
  const double spans = 4;
  const double w = r.width() / spans;
  p.setPen(QPen(frame, 2));
  p.setBrush(QColor(255, 255, 255, 90));
  for (int i = 0; i < spans; ++i) {
    QPolygonF house;
    house << QPointF(r.left() + i * w, r.bottom()) << QPointF(r.left() + i * w, r.top() + r.height() * 0.4)
          << QPointF(r.left() + (i + 0.5) * w, r.top()) << QPointF(r.left() + (i + 1) * w, r.top() + r.height() * 0.4)
          << QPointF(r.left() + (i + 1) * w, r.bottom());
    p.drawPolygon(house);
  }
}

void drawStartup() {
  QImage img(480, 320, QImage::Format_RGB32);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, 320);
  sky.setColorAt(0, QColor(70, 130, 180));
  sky.setColorAt(1, QColor(200, 226, 240));
  p.fillRect(img.rect(), sky);
  p.fillRect(QRect(0, 250, 480, 70), QColor(96, 140, 70));
  drawGreenhouse(p, QRectF(150, 150, 300, 100), QColor(240, 240, 240));
  for (int i = 0; i < 9; ++i) {  // pots with plants in front
    const double x = 30 + i * 48;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 90, 50));
    p.drawPolygon(QPolygonF() << QPointF(x, 270) << QPointF(x + 24, 270) << QPointF(x + 20, 295)
                              << QPointF(x + 4, 295));
    p.setBrush(QColor(40, 120, 40));
    p.drawEllipse(QPointF(x + 12, 260), 14, 11);
    p.setBrush(i % 2 ? QColor(200, 30, 40) : QColor(240, 200, 40));
    p.drawEllipse(QPointF(x + 12, 256), 5, 5);
  }
  p.setPen(Qt::white);
  p.setFont(font(54, true));
  p.drawText(QRect(24, 20, 440, 70), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tolvar"));
  p.setFont(font(17));
  p.drawText(QRect(26, 90, 440, 24), Qt::AlignLeft, QStringLiteral("Kostenkalkulation im Gartenbau"));
  p.setFont(font(12));
  p.drawText(QRect(26, 116, 440, 20), Qt::AlignLeft,
             QStringLiteral("Produktionskosten · Heizkosten · Kulturvergleich"));
  p.end();
  save(img, "Begruessung.png");
}

void drawAbout() {
  {  // the labour-time program: a clock over a leaf
    QImage img(64, 64, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 90, 40), 3));
    p.setBrush(QColor(235, 245, 230));
    p.drawEllipse(QPointF(32, 32), 28, 28);
    p.setPen(QPen(QColor(30, 30, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(32, 32), QPointF(32, 14));
    p.drawLine(QPointF(32, 32), QPointF(45, 38));
    p.setFont(font(9, true));
    p.setPen(QColor(30, 90, 40));
    p.drawText(QRect(0, 42, 64, 14), Qt::AlignHCenter, QStringLiteral("Morvin"));
    p.end();
    save(img, "UeberTolvar1.png");
  }
  {  // the maker: a leaf in a greenhouse outline
    QImage img(64, 64, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(240, 248, 255));
    drawGreenhouse(p, QRectF(4, 8, 56, 50), QColor(40, 80, 140));
    QPainterPath leaf;
    leaf.moveTo(32, 54);
    leaf.cubicTo(12, 40, 22, 22, 44, 20);
    leaf.cubicTo(46, 36, 40, 48, 32, 54);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 150, 60));
    p.drawPath(leaf);
    p.end();
    save(img, "UeberTolvar2.png");
  }
}

// ---- the program's icon ----------------------------------------------------------------------

// A greenhouse gable with a young plant on a green tile: the picture every window of the
// program shows in its title bar and the desktop in its window list.
void drawIcon() {
  constexpr int kSize = 64;
  QImage img(kSize, kSize, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient tile(0, 0, 0, kSize);
  tile.setColorAt(0, QColor(62, 142, 74));
  tile.setColorAt(1, QColor(28, 92, 44));
  p.setPen(Qt::NoPen);
  p.setBrush(tile);
  p.drawRoundedRect(QRectF(2, 2, kSize - 4, kSize - 4), 12, 12);
  // The gable with its ridge, the glass light over the dark tile.
  QPolygonF gable;
  gable << QPointF(12, 52) << QPointF(12, 28) << QPointF(32, 11) << QPointF(52, 28) << QPointF(52, 52);
  p.setBrush(QColor(255, 255, 255, 60));
  p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolygon(gable);
  // The plant: a stem with two leaves, warm against the green.
  p.setPen(QPen(QColor(250, 206, 60), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(32, 51), QPointF(32, 33));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 206, 60));
  QPainterPath left;
  left.moveTo(32, 42);
  left.cubicTo(26, 44, 19, 40, 19, 32);
  left.cubicTo(26, 31, 31, 35, 32, 42);
  QPainterPath right;
  right.moveTo(32, 37);
  right.cubicTo(36, 31, 43, 28, 46, 30);
  right.cubicTo(45, 37, 38, 40, 32, 37);
  p.drawPath(left);
  p.drawPath(right);
  p.end();
  save(img, "Tolvar.png");
}

// ---- tree pictures ---------------------------------------------------------------------------

QImage canvas(int size) {
  QImage img(size, size, QImage::Format_ARGB32);
  img.fill(Qt::transparent);
  return img;
}

void drawTreePictures() {
  {  // closed group: a closed folder
    QImage img = canvas(16);
    QPainter p(&img);
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(1, 4, 13, 10);
    p.drawRect(1, 2, 5, 2);
    p.end();
    save(img, "closed.png");
  }
  {  // open group or record: an open folder
    QImage img = canvas(16);
    QPainter p(&img);
    p.setPen(QColor(150, 110, 20));
    p.setBrush(QColor(240, 200, 80));
    p.drawRect(1, 3, 12, 10);
    p.setBrush(QColor(252, 228, 140));
    p.drawPolygon(QPolygon() << QPoint(3, 7) << QPoint(15, 7) << QPoint(13, 13) << QPoint(1, 13));
    p.end();
    save(img, "open.png");
  }
  {  // dragged site: a greenhouse
    QImage img = canvas(32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(220, 240, 250));
    drawGreenhouse(p, QRectF(2, 6, 28, 22), QColor(40, 80, 140));
    p.end();
    save(img, "drag-standort.png");
  }
  {  // dragged material: a pot with a plant
    QImage img = canvas(32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(120, 60, 30));
    p.setBrush(QColor(190, 100, 50));
    p.drawPolygon(QPolygonF() << QPointF(7, 16) << QPointF(25, 16) << QPointF(22, 30) << QPointF(10, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 130, 40));
    p.drawEllipse(QPointF(16, 10), 9, 7);
    p.end();
    save(img, "drag-material.png");
  }
  {  // dragged activity: a watering can
    QImage img = canvas(32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(30, 70, 120), 2));
    p.setBrush(QColor(80, 140, 200));
    p.drawRect(QRectF(6, 12, 14, 14));
    p.drawLine(QPointF(20, 20), QPointF(29, 9));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(9, 5, 8, 10), 0, 180 * 16);
    p.end();
    save(img, "drag-Taetigkeit.png");
  }
}

// ---- pointer pictures ------------------------------------------------------------------------

struct PointerColour {
  const char* word;
  QColor fill;
};

// Arrow with its tip at the top-left pixel (0, 0), the pointer's hot spot.
QPainterPath arrow() {
  QPainterPath a;
  a.moveTo(0.5, 0.5);
  a.lineTo(0.5, 21);
  a.lineTo(5.5, 16.5);
  a.lineTo(9.5, 25.5);
  a.lineTo(13, 24);
  a.lineTo(9, 15);
  a.lineTo(15.5, 15);
  a.closeSubpath();
  return a;
}

QColor outlineFor(const QColor& fill) { return fill.lightness() < 60 ? QColor(255, 255, 255) : QColor(0, 0, 0); }

void drawPointers() {
  const PointerColour colours[] = {{"Weiss", QColor(255, 255, 255)}, {"Grau", QColor(128, 128, 128)},
                                   {"Schwarz", QColor(0, 0, 0)},     {"Blau", QColor(0, 70, 220)},
                                   {"Rot", QColor(220, 20, 20)},     {"Gruen", QColor(0, 160, 40)}};
  for (const auto& c : colours) {
    const QPen pen(outlineFor(c.fill), 1);
    QImage pointer = canvas(32);
    {
      QPainter p(&pointer);
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(pen);
      p.setBrush(c.fill);
      p.drawPath(arrow());
    }
    save(pointer, std::string("Zeiger_") + c.word + ".png");
    save(pointer, std::string("Hand_") + c.word + ".png");  // same picture by definition

    QImage info = canvas(32);
    {
      QPainter p(&info);
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(pen);
      p.setBrush(c.fill);
      p.drawEllipse(QPointF(16, 7), 3.5, 3.5);  // dot of the i
      p.drawRect(QRectF(12.5, 12.5, 7, 16));
      p.drawRect(QRectF(10.5, 26.5, 11, 3));
    }
    save(info, std::string("Info_") + c.word + ".png");

    QImage question = canvas(32);
    {
      QPainter p(&question);
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(pen);
      p.setBrush(c.fill);
      p.drawPath(arrow());
      QPainterPath mark;
      QFont f = font(16, true);
      mark.addText(QPointF(18, 26), f, QStringLiteral("?"));
      p.drawPath(mark);
    }
    save(question, std::string("ZeigerInfo_") + c.word + ".png");
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: bilder <regionen.csv> <folder>\n";
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  try {
    const auto regions = readRegions(argv[1]);
    gFolder = argv[2];
    std::filesystem::create_directories(gFolder);
    drawMap(regions);
    drawStartup();
    drawAbout();
    drawIcon();
    drawTreePictures();
    drawPointers();
  } catch (const std::exception& e) {
    std::cerr << "bilder: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
