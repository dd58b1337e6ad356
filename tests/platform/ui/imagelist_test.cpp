#include "platform/ui/imagelist.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/ui/builders.h"

namespace tolvar::ui {
namespace {

QPixmap Filled(Qt::GlobalColor color) {
  QPixmap picture(16, 16);
  picture.fill(color);
  return picture;
}

TEST(ImageListTest, AddsPicturesByKeyAndRefusesBadAdds) {
  ImageList images;
  EXPECT_TRUE(images.Add(QStringLiteral("closed"), Filled(Qt::red)));
  EXPECT_TRUE(images.Add(QStringLiteral("open"), Filled(Qt::green)));

  // Each refused add leaves the list as it was.
  EXPECT_FALSE(images.Add(QStringLiteral("closed"), Filled(Qt::blue)));  // duplicate key
  EXPECT_FALSE(images.Add(QString(), Filled(Qt::blue)));                 // no key
  EXPECT_FALSE(images.Add(QStringLiteral("empty"), QPixmap()));          // no picture

  EXPECT_EQ(images.Count(), 2);
  EXPECT_EQ(images.Keys(), QStringList({QStringLiteral("closed"), QStringLiteral("open")}));
  EXPECT_TRUE(images.Has(QStringLiteral("open")));
  EXPECT_EQ(images.Picture(QStringLiteral("closed")).toImage().pixelColor(0, 0), QColor(Qt::red));
  EXPECT_FALSE(images.Icon(QStringLiteral("open")).isNull());

  images.Clear();
  EXPECT_EQ(images.Count(), 0);
  EXPECT_FALSE(images.Has(QStringLiteral("open")));
}

TEST(ImageListTest, MissingKeyGivesNoPicture) {
  ImageList images;
  images.Add(QStringLiteral("open"), Filled(Qt::green));
  for (const QString& key : {QStringLiteral("Open"), QStringLiteral("closed"), QString()}) {
    SCOPED_TRACE(S(key));
    EXPECT_FALSE(images.Has(key));
    EXPECT_TRUE(images.Picture(key).isNull());
    EXPECT_TRUE(images.Icon(key).isNull());
  }
}

class ImageListFiles : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(m_dir.isValid()); }
  QString Path(const QString& name) const { return m_dir.filePath(name); }
  void SavePng(const QString& name, Qt::GlobalColor color) const { ASSERT_TRUE(Filled(color).save(Path(name), "PNG")); }
  void SaveText(const QString& name, const QByteArray& bytes) const {
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir m_dir;
};

TEST_F(ImageListFiles, AddsFromFileAndRefusesUnreadableFiles) {
  SavePng(QStringLiteral("open.png"), Qt::green);
  SaveText(QStringLiteral("kaputt.png"), "no picture in here");
  ImageList images;
  EXPECT_TRUE(images.Add(QStringLiteral("open"), Path(QStringLiteral("open.png"))));
  EXPECT_FALSE(images.Add(QStringLiteral("missing"), Path(QStringLiteral("missing.png"))));
  EXPECT_FALSE(images.Add(QStringLiteral("kaputt"), Path(QStringLiteral("kaputt.png"))));
  EXPECT_EQ(images.Keys(), QStringList({QStringLiteral("open")}));
  EXPECT_EQ(images.Picture(QStringLiteral("open")).size(), QSize(16, 16));
}

TEST_F(ImageListFiles, LoadsFolderOfPngsByFileStem) {
  SavePng(QStringLiteral("open.png"), Qt::green);
  SavePng(QStringLiteral("closed.png"), Qt::red);
  SavePng(QStringLiteral("drag-standort.png"), Qt::blue);
  SaveText(QStringLiteral("kaputt.png"), "no picture in here");
  SaveText(QStringLiteral("liesmich.txt"), "text");
  ImageList images;
  images.Add(QStringLiteral("open"), Filled(Qt::yellow));  // already present: kept, not replaced

  EXPECT_EQ(images.LoadFolder(m_dir.path()), 2);
  EXPECT_EQ(images.Keys(),
            QStringList({QStringLiteral("open"), QStringLiteral("closed"), QStringLiteral("drag-standort")}));
  EXPECT_EQ(images.Picture(QStringLiteral("open")).toImage().pixelColor(0, 0), QColor(Qt::yellow));
  EXPECT_EQ(images.Picture(QStringLiteral("drag-standort")).toImage().pixelColor(0, 0), QColor(Qt::blue));

  EXPECT_EQ(images.LoadFolder(Path(QStringLiteral("fehlt"))), 0);
  EXPECT_EQ(images.LoadFolder(QString()), 0);
  EXPECT_EQ(images.Count(), 3);
}

}  // namespace
}  // namespace tolvar::ui
