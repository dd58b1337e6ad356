#pragma once
// Regrouping master records from the master-data window: the record of the tree's selected
// node moves below the node marked as drop target; its UeberPNr is rewritten in its database.
// Neither reloads the list nor rebuilds the tree; the drop handler does both.

namespace tolvar::mdlStammdatenVerschieben {

void KulturVerschieben();
void StandortVerschieben();
void MaterialVerschieben();
void PersonalVerschieben();
void TaetigkeitVerschieben();

}  // namespace tolvar::mdlStammdatenVerschieben
