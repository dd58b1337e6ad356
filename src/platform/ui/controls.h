#pragma once
// Finding a window's controls by name. Control arrays are named "cmbAnzeigen(2)".

#include <QObject>
#include <QString>
#include <map>

namespace tolvar::ui {

// objectName of element `index` of control array `name`: "cmbAnzeigen(2)".
QString ControlName(const QString& name, int index);
// Splits "cmbAnzeigen(2)" into "cmbAnzeigen" and 2; false for a name that is no array element.
bool ParseControlName(const QString& objectName, QString* name, int* index);

// The control named `name` anywhere below `parent` (inside frames too), or nullptr.
template <class T>
T* FindControl(const QObject* parent, const QString& name) {
  if (parent == nullptr) return nullptr;
  return parent->findChild<T*>(name, Qt::FindChildrenRecursively);
}

template <class T>
T* FindControl(const QObject* parent, const QString& name, int index) {
  return FindControl<T>(parent, ControlName(name, index));
}

// Every element of control array `name` below `parent`, by index.
template <class T>
std::map<int, T*> ControlArray(const QObject* parent, const QString& name) {
  std::map<int, T*> result;
  if (parent == nullptr) return result;
  for (T* control : parent->findChildren<T*>(QString(), Qt::FindChildrenRecursively)) {
    QString base;
    int index = 0;
    if (ParseControlName(control->objectName(), &base, &index) && base == name) result.emplace(index, control);
  }
  return result;
}

}  // namespace tolvar::ui
