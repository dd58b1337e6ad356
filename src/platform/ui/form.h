#pragma once
// Window base: every window of the program exists at most once, is created and loaded on first
// use, shown, hidden and unloaded; unloading destroys it and the next use builds it afresh.

#include <QAbstractButton>
#include <QMdiSubWindow>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

class QEventLoop;

namespace tolvar::ui {

class MainForm;

enum class FormKind {
  MdiChild,  // child window inside the main window's MDI area
  Window,    // modeless top-level window
  Dialog,    // fixed dialog: a title bar with a close box only, its size fixed when first shown
};

// Where a top-level window opens the first time it is shown. Wherever it opens, its whole
// frame lies inside the screen's available area.
enum class StartPosition {
  SystemDefault,  // where the window manager puts it
  CentreOwner,    // centred on the main window (on the screen when there is none)
  CentreScreen,   // centred on the screen
};

// Modifier mask handed to Form_KeyDown: 1 Shift, 2 Ctrl, 4 Alt.
inline constexpr int ShiftMask = 1;
inline constexpr int CtrlMask = 2;
inline constexpr int AltMask = 4;

class Form : public QWidget {
  Q_OBJECT

 public:
  ~Form() override;

  // Class name of the window ("frmStammdaten"); also the objectName.
  QString Name() const { return objectName(); }
  FormKind Kind() const { return m_kind; }

  QString Caption() const { return m_caption; }
  // An empty caption shows an empty title bar; the window system would otherwise put the
  // program's name there.
  void setCaption(const QString& caption) {
    m_caption = caption;
    setWindowTitle(caption.isEmpty() ? QStringLiteral(" ") : caption);
  }

  // Shows the window. Modal: returns when the window is hidden or unloaded. An MDI child is
  // always shown modeless; without a main window it shows as a top-level window. The first
  // showing puts the focus on the first control of the tab order that is shown and takes the
  // focus, whatever had the focus while the window was still hidden.
  void Show(bool modal = false);
  void Hide();
  // Runs Form_Unload; unless cancelled, removes the window from the registry at once and
  // destroys it (deferred, so calling it from the window's own handlers is safe).
  // Returns false when Form_Unload cancelled.
  bool Unload();

  bool IsUnloaded() const { return m_state == State::Unloaded; }
  // A helper window of its caller (the built-in calculation workbook): going to it and
  // coming back is no activation from another window for the caller's Form_Activate.
  bool IsHelperWindow() const { return m_helperWindow; }
  bool IsShownModal() const { return m_modalLoop != nullptr; }
  // Where the window opens; applied on its first show unless the window was moved before.
  // Top-level windows open centred on their owner unless they say otherwise.
  void SetStartPosition(StartPosition position) { m_startPosition = position; }
  // Puts the top-level window's frame at `topLeft` (screen pixels), or as near as the screen's
  // available area allows: at once when it is shown, else when it is shown first.
  void MoveFrameTo(QPoint topLeft);
  // Puts the top-level window beside `anchor` (another top-level window): to its right where
  // the screen has room, else to its left, else over it as far right as the screen allows.
  void PlaceBeside(QWidget* anchor);
  // An MDI child without border or title bar; call before the window is hosted.
  void SetFrameless() { m_frameless = true; }
  // The tab order: Tab goes from each control of `order` to the next. The window's first
  // focus is the first of them that is shown and enabled when the window is first shown.
  void SetTabOrder(const std::vector<QWidget*>& order);
  // The default button: Enter anywhere in the window clicks it, and does nothing else (a box
  // of several lines takes no new line), unless the focus is on another button, which Enter
  // clicks instead.
  void SetDefaultButton(QAbstractButton* button) { m_defaultButton = button; }
  QAbstractButton* DefaultButton() const { return m_defaultButton; }

  // The outer window: the MDI sub-window frame for a hosted child, otherwise the form itself.
  // Geometry and window state of a window are set here.
  QWidget* Frame();

 protected:
  Form(const QString& name, FormKind kind);
  void setHelperWindow(bool helper) { m_helperWindow = helper; }

  virtual void Form_Load() {}
  virtual void Form_Unload(bool& cancel) { (void)cancel; }
  // Fires when the window becomes the active MDI child (first show included) or regains
  // activation from another window of this program; not when returning from another program.
  virtual void Form_Activate() {}
  // Key preview: every key pressed in the window or any of its controls, before the control
  // sees it. key is the Qt key code (Qt::Key_F1), shift the mask of ShiftMask/CtrlMask/AltMask.
  virtual void Form_KeyDown(int key, int shift) { (void)key, (void)shift; }

  void closeEvent(QCloseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  enum class State { Loaded, Unloading, Unloaded };
  friend struct FormAccess;

  bool unloadImpl(bool forced);
  void hostIn(MainForm* main);
  void exitModalLoop();
  void placeOnFirstShow();
  void place();
  void placeFirstFocus();

  FormKind m_kind;
  QString m_caption;
  State m_state = State::Loaded;
  QPointer<QMdiSubWindow> m_subWindow;
  // Size the form was built with; its MDI frame takes it on the first show.
  QSize m_designSize;
  bool m_frameSized = false;
  StartPosition m_startPosition = StartPosition::CentreOwner;
  // Set by MoveFrameTo and PlaceBeside; they take precedence over the start position.
  std::optional<QPoint> m_frameAt;
  QPointer<QWidget> m_beside;
  bool m_placed = false;
  bool m_frameless = false;
  bool m_focusPlaced = false;
  std::vector<QPointer<QWidget>> m_tabOrder;
  QPointer<QAbstractButton> m_defaultButton;
  bool m_helperWindow = false;
  QEventLoop* m_modalLoop = nullptr;
};

// Internal access for the registry and the activation tracker.
struct FormAccess {
  static void Load(Form& form);
  static void Activate(Form& form) { form.Form_Activate(); }
  static void KeyDown(Form& form, int key, int shift) { form.Form_KeyDown(key, shift); }
  static bool UnloadForced(Form& form) { return form.unloadImpl(true); }
  static void HostIn(Form& form, MainForm* main) { form.hostIn(main); }
  static QMdiSubWindow* SubWindow(const Form& form) { return form.m_subWindow; }
};

}  // namespace tolvar::ui
