#include "platform/ui/imagelist.h"

#include <QDir>
#include <QFileInfo>

namespace tolvar::ui {

ImageList::ImageList(QObject* parent) : QObject(parent) {}

bool ImageList::Add(const QString& key, const QPixmap& picture) {
  if (key.isEmpty() || picture.isNull() || m_pictures.contains(key)) return false;
  m_pictures.insert(key, Entry{picture, QIcon(picture)});
  m_order.append(key);
  return true;
}

bool ImageList::Add(const QString& key, const QString& filePath) {
  if (key.isEmpty() || m_pictures.contains(key)) return false;
  QPixmap picture;
  if (!picture.load(filePath)) return false;
  return Add(key, picture);
}

int ImageList::LoadFolder(const QString& folder) {
  const QDir dir(folder);
  if (folder.isEmpty() || !dir.exists()) return 0;
  int added = 0;
  const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.png")}, QDir::Files | QDir::Readable, QDir::Name);
  for (const QFileInfo& file : files) {
    if (Add(file.completeBaseName(), file.absoluteFilePath())) ++added;
  }
  return added;
}

bool ImageList::Has(const QString& key) const { return m_pictures.contains(key); }

QPixmap ImageList::Picture(const QString& key) const {
  const auto it = m_pictures.constFind(key);
  return it == m_pictures.constEnd() ? QPixmap() : it->picture;
}

QIcon ImageList::Icon(const QString& key) const {
  const auto it = m_pictures.constFind(key);
  return it == m_pictures.constEnd() ? QIcon() : it->icon;
}

void ImageList::Clear() {
  m_pictures.clear();
  m_order.clear();
}

}  // namespace tolvar::ui
