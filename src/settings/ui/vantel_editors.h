#pragma once
// The fuel and covering list editors: five rows of a list (row 1 the current or the new
// entry), the arrows, "Neu", "Löschen" / "Neueingabe beenden", "Speichern" and "Abbrechen".
// The settings window holds one of each on its energy tab; frmBrennstoff and frmEindeckung
// hold one each. The mode lives in the controls: row 1's colour and the delete caption.

#include <QObject>
#include <array>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace tolvar::settings::ui {

class BrennstoffEditor : public QObject {
  Q_OBJECT

 public:
  // Builds the controls into `frame`.
  explicit BrennstoffEditor(QGroupBox* frame);

  // Rows 1..5; element 0 stays empty.
  std::array<QLineEdit*, 6> txtName{}, txtHeizwert{}, txtBrennwert{}, txtPreis{};
  QLabel* lblBrennstoff = nullptr;
  QPushButton* cmb5Zurueck = nullptr;
  QPushButton* cmbZurueck = nullptr;
  QPushButton* cmbVor = nullptr;
  QPushButton* cmb5Vor = nullptr;
  QPushButton* cmbNeu = nullptr;
  QPushButton* cmbBrennstoffLoeschen = nullptr;
  QPushButton* cmbBrennstoffSpeichern = nullptr;
  QPushButton* cmbBrennstoffAbbruch = nullptr;

  int AnzahlBrennstoffe = 0;
  int BrennstoffIndex = 0;
  int BrennstoffStartzeile = 1;
  int NeueBrennstoffNummer = 0;

  // After a successful "Speichern" (the stand-alone window closes then).
  std::function<void()> NachSpeichern;

  void BrennstoffLaden();
  void BrennstoffEintragen();
  void BrennstoffID();
  // Start row 1, index 0, load and fill; the mode stays.
  void VonVorn();
  bool NeueingabeLaeuft() const;

  void cmbZurueck_Click();
  void cmbVor_Click();
  void cmb5Zurueck_Click();
  void cmb5Vor_Click();
  void cmbNeu_Click();
  void cmbBrennstoffSpeichern_Click();
  void cmbBrennstoffLoeschen_Click();
  void cmbBrennstoffAbbruch_Click();
  // Key filter of the numeric columns; returns the key that passes (0: dropped).
  int txtHeizwert_KeyPress(int index, int keyAscii);
  int txtBrennwert_KeyPress(int index, int keyAscii);
  int txtPreis_KeyPress(int index, int keyAscii);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Schritt(int schritt);
  void Durchsuchen();  // back to browse mode at index 0
};

class EindeckungEditor : public QObject {
  Q_OBJECT

 public:
  explicit EindeckungEditor(QGroupBox* frame);

  std::array<QLineEdit*, 6> txtEindeckung{}, txtKWert{}, txtLicht{};
  std::array<QCheckBox*, 6> chbDach{};
  std::array<QLabel*, 6> lblDach{};
  QLabel* lblBrennstoff = nullptr;
  QPushButton* cmb5ZurueckE = nullptr;
  QPushButton* cmbZurueckE = nullptr;
  QPushButton* cmbVorE = nullptr;
  QPushButton* cmb5VorE = nullptr;
  QPushButton* cmbNeuE = nullptr;
  QPushButton* cmbLoeschenE = nullptr;
  QPushButton* cmbSpeichernE = nullptr;
  QPushButton* cmbAbbruchE = nullptr;

  int AnzahlEindeckungen = 0;
  int EindeckungIndex = 0;
  int EindeckungStartzeile = 1;
  int NeueEindeckungNummer = 0;

  std::function<void()> NachSpeichern;
  // Replaces "Abbrechen" (frmEindeckung closes instead).
  std::function<void()> Abbruch;

  void EindeckungLaden();
  void EindeckungEintragen();
  void EindeckungID();
  void VonVorn();
  bool NeueingabeLaeuft() const;

  void cmbZurueckE_Click();
  void cmbVorE_Click();
  void cmb5ZurueckE_Click();
  void cmb5VorE_Click();
  void cmbNeuE_Click();
  void cmbSpeichernE_Click();
  void cmbLoeschenE_Click();
  void cmbAbbruchE_Click();
  int txtKWert_KeyPress(int index, int keyAscii);
  int txtLicht_KeyPress(int index, int keyAscii);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Schritt(int schritt);
  void Durchsuchen();
  void ZeileEinsFaerben(bool neu);
};

}  // namespace tolvar::settings::ui
