#pragma once
// Registry of loaded windows: each window class has at most one loaded instance, reached by
// type (frmX::instanz()) or by name. Also decides when the program ends.

#include <QString>
#include <functional>
#include <typeindex>
#include <typeinfo>
#include <vector>

#include "platform/ui/form.h"
#include "platform/ui/mainform.h"

namespace tolvar::ui {

namespace detail {
Form* FindLoaded(std::type_index type);
void Register(std::type_index type, Form* form);
MainForm* FindMain(std::type_index type);
void RegisterMain(std::type_index type, MainForm* main);
}  // namespace detail

namespace Forms {

// The loaded instance of T; creates it and runs its Form_Load on first use, without showing it.
template <class T>
T& Get() {
  static_assert(std::is_base_of_v<Form, T>, "Forms::Get needs a Form");
  if (Form* loaded = detail::FindLoaded(typeid(T))) return static_cast<T&>(*loaded);
  T* form = new T();
  detail::Register(typeid(T), form);
  FormAccess::Load(*form);
  return *form;
}

template <class T>
bool IsLoaded() {
  return detail::FindLoaded(typeid(T)) != nullptr;
}

// Loaded windows in the order they were loaded (hidden ones included; the main window is not a Form).
std::vector<Form*> Loaded();
// The loaded window with this class name, or nullptr.
Form* Find(const QString& name);
// Unloads every loaded window except `keep`, one after another, running each Form_Unload.
// A window whose handler cancels stays loaded. Windows loaded by the handlers meanwhile are
// unloaded too. Returns false when any window stayed loaded.
bool UnloadAllExcept(const Form* keep = nullptr);

// The current MDI child of the main window, or nullptr / "" when there is none.
Form* ActiveChild();
QString ActiveChildName();

// The loaded main window, or nullptr.
MainForm* Main();

// Called when the program should end: the main window was unloaded and no new one was loaded
// before control returned to the event loop, or, before any main window, the last visible
// window was unloaded. Default: unload the windows left (hidden ones) and
// QCoreApplication::quit(). Returns the previous handler; an empty handler restores the default.
std::function<void()> SetQuitHandler(std::function<void()> handler);

}  // namespace Forms

// CRTP base: class frmX : public FormOf<frmX> gives frmX::instanz() and frmX::IsLoaded().
// `Base` is the window base it builds on: Form, or the shared base of a family of windows.
template <class Derived, class Base = Form>
class FormOf : public Base {
 public:
  static Derived& instanz() { return Forms::Get<Derived>(); }
  static bool IsLoaded() { return Forms::IsLoaded<Derived>(); }

 protected:
  using Base::Base;
};

namespace Forms {
// The loaded main window of class T; creates it and runs MDIForm_Load on first use.
template <class T>
T& GetMain() {
  static_assert(std::is_base_of_v<MainForm, T>, "Forms::GetMain needs a MainForm");
  if (MainForm* loaded = detail::FindMain(typeid(T))) return static_cast<T&>(*loaded);
  T* main = new T();
  detail::RegisterMain(typeid(T), main);
  MainFormAccess::Load(*main);
  return *main;
}
}  // namespace Forms

template <class Derived>
class MainFormOf : public MainForm {
 public:
  static Derived& instanz() { return Forms::GetMain<Derived>(); }
  static bool IsLoaded() { return detail::FindMain(typeid(Derived)) != nullptr; }

 protected:
  explicit MainFormOf(const QString& name) : MainForm(name) {}
};

}  // namespace tolvar::ui
