#pragma once
// Base of the MDI main window. It can be unloaded and loaded again (switching enterprises)
// without ending the program; the program ends when it is unloaded and not loaded again.

#include <QMainWindow>
#include <QRect>
#include <QString>

class QMdiArea;
class QMdiSubWindow;

namespace tolvar::ui {

class MainForm : public QMainWindow {
  Q_OBJECT

 public:
  ~MainForm() override;

  QString Name() const { return objectName(); }
  QString Caption() const { return windowTitle(); }
  void setCaption(const QString& caption) { setWindowTitle(caption); }

  QMdiArea* mdiArea() const { return m_mdiArea; }

  void Show();
  // Gives the window the outer size and place of `frame` (screen pixels, title bar and border
  // included): now with the frame it will probably get, and again with its real frame when it
  // appears.
  void SetFrameGeometry(const QRect& frame);
  // Runs MDIForm_Unload; unless cancelled, unloads the windows still hosted by this one
  // (running their Form_Unload; they cannot cancel any more), removes it from the registry
  // and destroys it (deferred). Returns false when MDIForm_Unload cancelled.
  bool Unload();
  bool IsUnloaded() const { return m_state == State::Unloaded; }

 protected:
  explicit MainForm(const QString& name);

  virtual void MDIForm_Load() {}
  virtual void MDIForm_Unload(bool& cancel) { (void)cancel; }

  void closeEvent(QCloseEvent* event) override;

 private:
  enum class State { Loaded, Unloading, Unloaded };
  friend struct MainFormAccess;

  void onSubWindowActivated(QMdiSubWindow* window);

  QMdiArea* m_mdiArea;
  State m_state = State::Loaded;
};

struct MainFormAccess {
  static void Load(MainForm& main) { main.MDIForm_Load(); }
};

}  // namespace tolvar::ui
