#pragma once
// The master-data trees as lists of records turned into nodes: the five kinds with their
// vocabulary, the current-records view and the full view. A build runs on a TreeModel; the
// window copies the result into its tree control.
//
// Node model: the root (kind's root key and text) stands for the top record (prefix & "1000"),
// which gets no node; a record's node has its number as key and hangs below the node keyed
// prefix & UeberPNr, or below the root when UeberPNr is zero. Groups and the root show
// "closed", items "open". A build keeps the expanded state of every node that stays.

#include <string>
#include <string_view>
#include <vector>

#include "data/records.h"
#include "trees/tree_model.h"

namespace tolvar::trees {

enum class Kind { Kulturen = 0, Standorte = 1, Materialien = 2, Personal = 3, Taetigkeiten = 4 };
inline constexpr int kKindCount = 5;

struct KindInfo {
  std::string_view prefix;    // "Sta"
  std::string_view top;       // "Sta1000"
  std::string_view rootKey;   // "Standort"
  std::string_view rootText;  // "Standorte"
};
const KindInfo& Info(Kind kind);

// One record as the builders see it; the flags point into the record.
struct Entry {
  std::string_view nr;
  std::string_view ueber;
  std::string_view name;     // text field; staff: Name
  std::string_view vorname;  // staff only
  bool group = false;
  bool current = false;
  bool* imBaum = nullptr;
  bool* aufgeklappt = nullptr;
};

inline Entry MakeEntry(KulturSatz& s) {
  return {.nr = s.KulturNr,
          .ueber = s.UeberPNr,
          .name = s.Kulturname,
          .vorname = {},
          .group = s.Gliederungspunkt,
          .current = s.Aktuell,
          .imBaum = &s.ImBaum,
          .aufgeklappt = &s.Aufgeklappt};
}
inline Entry MakeEntry(StandortSatz& s) {
  return {.nr = s.StandortNr,
          .ueber = s.UeberPNr,
          .name = s.Standortname,
          .vorname = {},
          .group = s.Gliederungspunkt,
          .current = s.Aktuell,
          .imBaum = &s.ImBaum,
          .aufgeklappt = &s.Aufgeklappt};
}
inline Entry MakeEntry(MaterialSatz& s) {
  return {.nr = s.MaterialNr,
          .ueber = s.UeberPNr,
          .name = s.Materialname,
          .vorname = {},
          .group = s.Gliederungspunkt,
          .current = s.Aktuell,
          .imBaum = &s.ImBaum,
          .aufgeklappt = &s.Aufgeklappt};
}
inline Entry MakeEntry(PersonalSatz& s) {
  return {.nr = s.PersonalNr,
          .ueber = s.UeberPNr,
          .name = s.Name,
          .vorname = s.Vorname,
          .group = s.Gliederungspunkt,
          .current = s.Aktuell,
          .imBaum = &s.ImBaum,
          .aufgeklappt = &s.Aufgeklappt};
}
inline Entry MakeEntry(StdTaetigkeitSatz& s) {
  return {.nr = s.StdTaetigkeitNr,
          .ueber = s.UeberPNr,
          .name = s.Taetigkeit,
          .vorname = {},
          .group = s.Gliederungspunkt,
          .current = s.Aktuell,
          .imBaum = &s.ImBaum,
          .aufgeklappt = &s.Aufgeklappt};
}

// The record's number (the key of its node).
inline const std::string& NumberOf(const KulturSatz& s) { return s.KulturNr; }
inline const std::string& NumberOf(const StandortSatz& s) { return s.StandortNr; }
inline const std::string& NumberOf(const MaterialSatz& s) { return s.MaterialNr; }
inline const std::string& NumberOf(const PersonalSatz& s) { return s.PersonalNr; }
inline const std::string& NumberOf(const StdTaetigkeitSatz& s) { return s.StdTaetigkeitNr; }

template <class Satz>
std::vector<Entry> Entries(std::vector<Satz>& list) {
  std::vector<Entry> entries;
  entries.reserve(list.size());
  for (Satz& s : list) entries.push_back(MakeEntry(s));
  return entries;
}

// A node of the tree about to be rebuilt: its key and whether it is expanded.
struct NodeState {
  std::string key;
  bool expanded = false;
};

struct BuildResult {
  TreeModel tree;
  std::string lastAdded;  // key of the node the build added last (AktuellerKnoten)
};

// Copies the expanded state of each node (the root left out by the caller) into Aufgeklappt
// of the first record with the node's key.
void KeepExpanded(const std::vector<Entry>& entries, const std::vector<NodeState>& nodes);

// The current records with the groups above them. Afterwards ImBaum is true exactly for the
// records that have a node. Expects ImBaum false throughout, as a fresh load leaves it.
BuildResult BuildCurrentView(Kind kind, const std::vector<Entry>& entries);
// All records, current or not; groups whose parent is missing stay below the root. ImBaum
// marks the records placed, not exactly those with a node.
BuildResult BuildFullView(Kind kind, const std::vector<Entry>& entries);

// The same on the program-wide list of the kind: keeps the expanded states of `before`, builds,
// and leaves the kind's selection index (count + 1 after the current view, count after the
// full view) and AktuellerKnoten as the build left them.
TreeModel CurrentViewOfList(Kind kind, const std::vector<NodeState>& before);
TreeModel FullViewOfList(Kind kind, const std::vector<NodeState>& before);

}  // namespace tolvar::trees
