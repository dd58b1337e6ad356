#pragma once
// Pictures by string key, shared by trees and windows. A key missing from the list gives no
// picture (a null pixmap or icon), never an error that stops the caller.

#include <QHash>
#include <QIcon>
#include <QObject>
#include <QPixmap>
#include <QString>
#include <QStringList>

namespace tolvar::ui {

class ImageList : public QObject {
  Q_OBJECT

 public:
  explicit ImageList(QObject* parent = nullptr);

  // Adds a picture under `key`. Fails (and changes nothing) on an empty key, a key already in
  // the list or a null picture.
  bool Add(const QString& key, const QPixmap& picture);
  // Adds the picture read from an image file; fails like the above when the file cannot be read.
  bool Add(const QString& key, const QString& filePath);
  // Adds every "*.png" of `folder` under its file name without extension ("open.png" -> "open"),
  // in file-name order. Unreadable files and keys already present are skipped. Returns the
  // number of pictures added; a missing folder adds none.
  int LoadFolder(const QString& folder);

  bool Has(const QString& key) const;
  // The picture under `key`; a null pixmap when the key is missing.
  QPixmap Picture(const QString& key) const;
  // The same picture as an icon; a null icon when the key is missing.
  QIcon Icon(const QString& key) const;

  int Count() const { return static_cast<int>(m_order.size()); }
  // Keys in the order they were added.
  QStringList Keys() const { return m_order; }
  void Clear();

 private:
  struct Entry {
    QPixmap picture;
    QIcon icon;  // made once, so trees of thousands of nodes share it
  };
  QHash<QString, Entry> m_pictures;
  QStringList m_order;
};

}  // namespace tolvar::ui
