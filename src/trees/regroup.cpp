#include "trees/regroup.h"

#include <memory>

#include "base/values.h"
#include "data/state.h"
#include "platform/db/database.h"

namespace tolvar::trees {

namespace {

struct Table {
  const char* name;
  const char* keyColumn;
};

Table TableOf(Kind kind) {
  switch (kind) {
    case Kind::Kulturen:
      return {"Kulturen", "KulturNr"};
    case Kind::Standorte:
      return {"Standort", "standortNr"};
    case Kind::Materialien:
      return {"Material", "MaterialNr"};
    case Kind::Personal:
      return {"Personal", "PersonalNr"};
    case Kind::Taetigkeiten:
      return {"StdTaetigkeiten", "StdTaetigkeitNr"};
  }
  return {"", ""};
}

struct Found {
  bool found = false;
  bool group = false;
};

template <class Satz>
Found Lookup(const std::vector<Satz>& list, const std::string& nr) {
  for (const Satz& s : list) {
    if (NumberOf(s) == nr) return {true, s.Gliederungspunkt};
  }
  return {};
}

Found LookupInList(const MasterLists& masters, Kind kind, const std::string& nr) {
  switch (kind) {
    case Kind::Kulturen:
      return Lookup(masters.KulturListe, nr);
    case Kind::Standorte:
      return Lookup(masters.StandortListe, nr);
    case Kind::Materialien: {
      const auto index = MaterialIndexMitNummer(masters, nr);
      if (!index) return {};
      return {true, masters.MaterialListe[*index].Gliederungspunkt};
    }
    case Kind::Personal:
      return Lookup(masters.PersonalListe, nr);
    case Kind::Taetigkeiten:
      return Lookup(masters.StdTaetigkeitListe, nr);
  }
  return {};
}

RegroupResult Failure() {
  return {
      RegroupOutcome::Failed, "Die Datenbank konnte nicht bearbeitet werden. Die Daten wurden nicht verschoben.", {}};
}

}  // namespace

std::string NotGroupMessage(Kind kind) {
  switch (kind) {
    case Kind::Kulturen:
      return "Sie können Gruppen oder Kulturen nur in andere Kultur-Gruppen verschieben.";
    case Kind::Standorte:
      return "Sie können Gruppen oder Standorte nur in andere Standort-Gruppen verschieben.";
    case Kind::Materialien:
      return "Sie können Gruppen oder Materialien nur in andere Material-Gruppen verschieben.";
    case Kind::Personal:
      return "Sie können Gruppen oder Mitarbeiter nur in andere Personal-Gruppen verschieben.";
    case Kind::Taetigkeiten:
      return "Sie können Gruppen oder Tätigkeiten nur in andere Tätigkeits-Gruppen verschieben.";
  }
  return {};
}

std::string ForeignDropMessage(Kind kind) {
  switch (kind) {
    case Kind::Kulturen:
      return "Zu verschiebende Daten sind keine Kulturen.";
    case Kind::Standorte:
      return "Zu verschiebende Daten sind keine Standorte.";
    case Kind::Materialien:
      return "Zu verschiebende Daten sind keine Materialien.";
    case Kind::Personal:
      return "Zu verschiebende Daten sind keine Mitarbeiter-Daten.";
    case Kind::Taetigkeiten:
      return "Zu verschiebende Daten sind keine Tätigkeiten.";
  }
  return {};
}

RegroupResult Regroup(Kind kind, const std::string& targetKey, const std::string& sourceKey,
                      const std::vector<std::string>& targetAncestors, const MasterLists& masters,
                      const EnterpriseState& enterprise) {
  const KindInfo& info = Info(kind);
  const std::string target = targetKey == info.rootKey ? std::string(info.top) : targetKey;
  const std::string& source = sourceKey;
  if (source.empty() || target.empty() || source == target) return {};

  // A group cannot go below itself: the target lies in the source's subtree.
  for (const std::string& above : targetAncestors) {
    if (above == source) return {RegroupOutcome::Refused, kSubtreeMessage, {}};
  }

  // Both must be records of the list (a drop on the root needs the top record).
  const Found targetRecord = LookupInList(masters, kind, target);
  const Found sourceRecord = LookupInList(masters, kind, source);
  if (!targetRecord.found || !sourceRecord.found) return {};

  const std::string& path =
      kind == Kind::Materialien ? enterprise.AktuelleEinstellungen.MaterialPfad : enterprise.AktuellerBetrieb;
  const std::unique_ptr<db::Database> database = db::Database::Open(path);
  if (!database) return Failure();
  const Table table = TableOf(kind);
  db::Recordset rs = database->OpenTable(table.name);
  if (!rs.ok() || !rs.HasColumn(table.keyColumn) || !rs.HasColumn("UeberPNr")) return Failure();
  if (rs.RecordCount() == 0) return {};

  std::string value;
  if (target != info.top) {
    if (!targetRecord.group) return {RegroupOutcome::Refused, NotGroupMessage(kind), {}};
    value = base::RightChars(target, 4);
  } else {
    if (kind == Kind::Materialien && !sourceRecord.group) {
      return {RegroupOutcome::Refused, kMaterialTopMessage, {}};
    }
    value = "0";
  }

  // The first row in table order with the source's number; duplicates stay as they are.
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) {
    if (rs.Field(table.keyColumn).text() != source) continue;
    if (!rs.Edit() || !rs.SetField("UeberPNr", db::Value(value)) || !rs.Update()) return Failure();
    return {RegroupOutcome::Written, {}, value};
  }
  return {};
}

}  // namespace tolvar::trees
