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
  std::unique_ptr<db::Database> database = db::Database::Open(data::InstallPath(data::kSystemdatenbank));
  if (!database) return false;
  db::Recordset rs = database->OpenTable(kTabelle);
  if (!rs.ok() || rs.RecordCount() == 0) return false;
  rs.MoveFirst();
  s.enterprise.AktuellerBetrieb = rs.Field("AktuellerBetrieb").text();
  s.windows.FarbeTolvar = static_cast<int>(rs.Field("FarbeTolvar").integerOr(s.windows.FarbeTolvar));
  s.windows.FarbeMorvin = static_cast<int>(rs.Field("FarbeMorvin").integerOr(s.windows.FarbeMorvin));
  return true;
}

bool SystemInfoSchreiben(std::string* fehler) {
  const State& s = state();
  return db::WriteSingleRow(
      data::InstallPath(data::kSystemdatenbank), kTabelle,
      [&s](db::Recordset& rs) {
        return rs.SetField("AktuellerBetrieb", s.enterprise.AktuellerBetrieb) &&
               rs.SetField("FarbeTolvar", s.windows.FarbeTolvar) && rs.SetField("FarbeMorvin", s.windows.FarbeMorvin) &&
               rs.SetField("LetzteAenderung", base::GeneralDateText(base::Now()));
      },
      fehler);
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
