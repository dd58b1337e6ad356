#pragma once
// Running a calculator: the calling window shows the hourglass, the built-in workbook opens
// with the wanted sheet in front, the call waits (handling events) until the workbook is
// closed, then takes the result once from its result file and routes it to the field that
// asked for it.

namespace tolvar::ui {
class Form;
}

namespace tolvar::mdlExcel {

// Wage per hour for frmTarif (txtLohn while the new-group frame shows, else txtLohnB) or
// for the settings window (txtLohnB), formatted "0.00".
void LohnkostenInExcelErmitteln(ui::Form& fenster);
// Overheads into txtGemeinkosten of the window, or into its per-site grid's row while that
// grid is the target; unformatted.
void GemeinkostenInExcelErmitteln(ui::Form& fenster);
// Machine price into txtPreis of the material editor frmMaterial4opt; unformatted.
void MaschinenkostenInExcelErmitteln();

// A calculator run is under way (a second press only brings the workbook to the front).
bool RechnerLaeuft();

}  // namespace tolvar::mdlExcel
