#pragma once
// Small builders for the comparison windows' controls, placed in twips as the layouts give them.

#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

namespace tolvar::vergleichsfenster {

inline int Px(int twips) { return twips / 15; }

inline void Platzieren(QWidget* w, int left, int top, int width, int height) {
  w->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

inline QLabel* Beschriftung(QWidget* eltern, const QString& text, int left, int top, int width = 2000,
                            int height = 285, const QString& name = QString()) {
  auto* l = new QLabel(text, eltern);
  if (!name.isEmpty()) l->setObjectName(name);
  Platzieren(l, left, top, width, height);
  return l;
}

inline QLineEdit* Box(QWidget* eltern, const QString& name, int left, int top, int width = 1095,
                      bool zahl = true) {
  auto* b = new QLineEdit(eltern);
  b->setObjectName(name);
  if (zahl) b->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  Platzieren(b, left, top, width, 285);
  return b;
}

inline QPushButton* Knopf(QWidget* eltern, const QString& name, const QString& text, int left, int top,
                          int width = 735, int height = 285) {
  auto* k = new QPushButton(text, eltern);
  k->setObjectName(name);
  Platzieren(k, left, top, width, height);
  return k;
}

inline QFrame* Rahmen(QWidget* eltern, const QString& name, int left, int top, int width, int height) {
  auto* f = new QFrame(eltern);
  f->setObjectName(name);
  Platzieren(f, left, top, width, height);
  return f;
}

// A quality mark: bold, in the size the window gives, starting with its design caption.
inline QLabel* Zeichen(QWidget* eltern, const QString& name, int left, int top, double punkt) {
  auto* l = Beschriftung(eltern, QStringLiteral("* * *"), left, top, 735, 375, name);
  QFont f = l->font();
  f.setBold(true);
  f.setPointSizeF(punkt);
  l->setFont(f);
  return l;
}

}  // namespace tolvar::vergleichsfenster
