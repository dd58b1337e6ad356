#pragma once
// Regrouping a master record: a record or group dropped on a group of its tree gets that
// group's four digits as UeberPNr in its database row; dropped on the root it gets "0". A
// group moves with everything below it, since its members name the group.

#include <string>
#include <vector>

#include "data/state.h"
#include "trees/tree_build.h"

namespace tolvar::trees {

enum class RegroupOutcome {
  Nothing,  // dropped on itself, a record not in the list, empty table, no matching row
  Written,  // UeberPNr rewritten
  Refused,  // a message explains why nothing was written
  Failed,   // the database could not be opened or written; a message says so
};

struct RegroupResult {
  RegroupOutcome outcome = RegroupOutcome::Nothing;
  std::string message;  // German text for the message box, empty when none is due
  std::string written;  // the UeberPNr written
};

// Message for a target that is not a group ("Sie können Gruppen oder Kulturen nur ...").
std::string NotGroupMessage(Kind kind);
// Message for a drop that comes from another control ("Zu verschiebende Daten sind keine ...").
std::string ForeignDropMessage(Kind kind);
inline const char* kSubtreeMessage = "Sie können eine Gruppe nicht in sich selbst verschieben.";
inline const char* kMaterialTopMessage = "Sie können nur Material-Gruppen in dieser Gliederungsebene verschieben.";

// Moves the record `sourceKey` (the tree's selected node) below the node `targetKey` (the drop
// highlight; the root key means the top level). `targetAncestors` are the keys above the
// target, its parent first, up to the root. Reads the kind's list in `masters` and writes the
// first row of the kind's table whose number is the source's, in the enterprise's labour-time
// database or, for materials, its material database.
RegroupResult Regroup(Kind kind, const std::string& targetKey, const std::string& sourceKey,
                      const std::vector<std::string>& targetAncestors, const MasterLists& masters,
                      const EnterpriseState& enterprise);

}  // namespace tolvar::trees
