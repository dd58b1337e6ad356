#include "trees/ui/mdlStammdatenVerschieben.h"

#include <string>
#include <vector>

#include "data/state.h"
#include "platform/ui/builders.h"
#include "platform/ui/keyedtree.h"
#include "platform/ui/prompts.h"
#include "trees/regroup.h"
#include "trees/ui/frmStammdaten.h"

namespace tolvar::mdlStammdatenVerschieben {

namespace {

void Verschieben(trees::Kind kind) {
  const ui::KeyedTree* tree = frmStammdaten::instanz().Baum(static_cast<int>(kind));
  if (tree == nullptr) return;
  const QString target = tree->DropHighlight();
  const QString source = tree->SelectedItem();
  std::vector<std::string> ancestors;
  for (QString up = tree->ParentKey(target); !up.isEmpty(); up = tree->ParentKey(up)) {
    ancestors.push_back(ui::S(up));
  }
  const trees::RegroupResult result =
      trees::Regroup(kind, ui::S(target), ui::S(source), ancestors, state().masters, state().enterprise);
  if (!result.message.empty()) {
    ui::MsgBox(ui::Q(result.message), ui::msgbox::Critical, QStringLiteral("Tolvar-Information"));
  }
}

}  // namespace

void KulturVerschieben() { Verschieben(trees::Kind::Kulturen); }
void StandortVerschieben() { Verschieben(trees::Kind::Standorte); }
void MaterialVerschieben() { Verschieben(trees::Kind::Materialien); }
void PersonalVerschieben() { Verschieben(trees::Kind::Personal); }
void TaetigkeitVerschieben() { Verschieben(trees::Kind::Taetigkeiten); }

}  // namespace tolvar::mdlStammdatenVerschieben
