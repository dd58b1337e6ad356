#pragma once
// Internal hooks between windows and the registry (not for window code).

namespace tolvar::ui {
class Form;
class MainForm;
}  // namespace tolvar::ui

namespace tolvar::ui::detail {

// Installs the application-wide event filter (key preview, activation) and keeps the
// application alive when its last window closes.
void EnsureRegistryReady();
void Unregister(Form* form);
void UnregisterMain(MainForm* main);
// After a window is unloaded: ends the program later if nothing keeps it alive.
void ScheduleQuitCheck();
// The MDI area of the main window made `form` the active child.
void ChildActivated(Form* form);

}  // namespace tolvar::ui::detail
