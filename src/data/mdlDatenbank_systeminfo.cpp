#include "data/mdlDatenbank_systeminfo.h"

#include <memory>
#include <string>

#include "base/values.h"
#include "data/messages.h"
#include "data/paths.h"
#include "data/state.h"
#include "platform/db/database.h"
#include "platform/sys/fehlertext.h"

namespace tolvar::mdlDatenbank {

namespace {
constexpr std::string_view kTabelle = "SystemInfo";
}  // namespace

bool SystemInfoLesen() {
  State& s = state();
  s.enterprise.AktuellerBetrieb = std::string(data::kKeinAktuellerBetrieb);
  s.windows.FarbenStand.reset();
  std::unique_ptr<db::Database> database = db::Database::Open(data::InstallPath(data::kSystemdatenbank));
  if (!database) return false;
  db::Recordset rs = database->OpenTable(kTabelle);
  if (!rs.ok() || rs.RecordCount() == 0) return false;
  rs.MoveFirst();
  s.enterprise.AktuellerBetrieb = rs.Field("AktuellerBetrieb").text();
  s.windows.FarbeTolvar = static_cast<int>(rs.Field("FarbeTolvar").integerOr(s.windows.FarbeTolvar));
  s.windows.FarbeMorvin = static_cast<int>(rs.Field("FarbeMorvin").integerOr(s.windows.FarbeMorvin));
  s.windows.FarbenStand = WindowState::GeleseneFarben{s.windows.FarbeTolvar, s.windows.FarbeMorvin};
  return true;
}

bool SystemInfoSchreiben(std::string* fehler) {
  State& s = state();
  const auto& stand = s.windows.FarbenStand;
  const bool ok = db::WriteSingleRow(
      data::InstallPath(data::kSystemdatenbank), kTabelle,
      [&s, &stand](db::Recordset& rs) {
        // A new row takes both colours; otherwise only a colour this program changed.
        const bool alle = !stand || rs.RecordCount() == 0;
        const bool tolvar = alle || stand->tolvar != s.windows.FarbeTolvar;
        const bool morvin = alle || stand->morvin != s.windows.FarbeMorvin;
        return rs.SetField("AktuellerBetrieb", s.enterprise.AktuellerBetrieb) &&
               (!tolvar || rs.SetField("FarbeTolvar", s.windows.FarbeTolvar)) &&
               (!morvin || rs.SetField("FarbeMorvin", s.windows.FarbeMorvin)) &&
               rs.SetField("LetzteAenderung", base::GeneralDateText(base::Now()));
      },
      fehler);
  if (ok) s.windows.FarbenStand = WindowState::GeleseneFarben{s.windows.FarbeTolvar, s.windows.FarbeMorvin};
  return ok;
}

bool SystemInfoSichern() {
  std::string fehler;
  if (SystemInfoSchreiben(&fehler)) return true;
  data::ShowCritical(sys::Fehlermeldung("Der geöffnete Betrieb und die Farbeinstellung konnten nicht in \"" +
                                            data::InstallPath(data::kSystemdatenbank) + "\" gespeichert werden.",
                                        fehler));
  return false;
}

}  // namespace tolvar::mdlDatenbank
