#include "data/messages.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "data/state.h"
#include "platform/db/database.h"
#include "support/fixtures.h"
#include "support/messages.h"

namespace tolvar {
namespace {

// Shows one message and returns early when `leaveEarly`, as an assertion would.
void MessageInScope(bool leaveEarly) {
  test::ScopedRecordingSink inner;
  data::ShowCritical("innen");
  EXPECT_EQ(&data::CurrentMessageSink(), &inner);
  if (leaveEarly) return;
  data::ShowCritical("noch innen");
  EXPECT_EQ(inner.messages.size(), 2u);
}

// Scoped sinks are in use while they live and put back the one before, nested and on an early
// return alike; messages reach only the sink in use.
TEST(ScopedMessageSinkTest, PutsBackThePreviousSinkWhenItGoes) {
  data::MessageSink* const vorTest = &data::CurrentMessageSink();
  {
    test::ScopedRecordingSink outer;
    EXPECT_EQ(&data::CurrentMessageSink(), &outer);
    for (const bool leaveEarly : {true, false}) {
      MessageInScope(leaveEarly);
      EXPECT_EQ(&data::CurrentMessageSink(), &outer) << leaveEarly;
    }
    data::ShowCritical("außen");
    ASSERT_EQ(outer.messages.size(), 1u);
    EXPECT_EQ(outer.messages[0].text, "außen");
  }
  EXPECT_EQ(&data::CurrentMessageSink(), vorTest);
}

// A database at `pfad` whose table "t" has a page that does not read: the file opens, the
// rows of "t" fail.
void BeschaedigteDatenbank(const std::string& pfad) {
  int64_t seite = 0;
  {
    auto datenbank = db::Database::Create(pfad);
    ASSERT_TRUE(datenbank);
    ASSERT_TRUE(datenbank->Execute("CREATE TABLE a (x)"));
    ASSERT_TRUE(datenbank->Execute("CREATE TABLE t (x)"));
    ASSERT_TRUE(datenbank->Execute("INSERT INTO t VALUES (1)"));
    seite = datenbank->Scalar("SELECT rootpage FROM sqlite_master WHERE name = 't'").integerOr(0);
  }
  ASSERT_GT(seite, 1);
  std::string inhalt = test::FileContents(pfad);
  const std::size_t seitengroesse = 4096;
  ASSERT_GE(inhalt.size(), static_cast<std::size_t>(seite) * seitengroesse);
  inhalt[static_cast<std::size_t>(seite - 1) * seitengroesse] = static_cast<char>(0x7f);
  std::ofstream(pfad, std::ios::binary | std::ios::trunc) << inhalt;
}

// Rows of "t" read from `pfad`; false when they fail.
bool Lesen(const std::string& pfad) {
  auto datenbank = db::Database::Open(pfad);
  return datenbank && datenbank->Query("SELECT * FROM t").ok();
}

// While a collector lives, damaged files are blocked at once but said only once: the one its
// owner takes is said in the owner's message, the others when the collector goes; without
// one, at once.
TEST(DamageCollectorTest, HoldsTheMessagesTheOwnerSaysAndShowsTheRestWhenItGoes) {
  test::TempDir dir;
  test::ScopedRecordingSink meldungen;
  const std::string genommen = dir.Join("genommen.db");
  const std::string uebrig = dir.Join("uebrig.db");
  const std::string ohne = dir.Join("ohne.db");
  for (const std::string& pfad : {genommen, uebrig, ohne}) BeschaedigteDatenbank(pfad);
  {
    data::BeschaedigungenSammeln sammler;
    EXPECT_FALSE(Lesen(genommen));
    EXPECT_FALSE(Lesen(uebrig));
    EXPECT_TRUE(meldungen.messages.empty());
    EXPECT_EQ(db::Database::Open(genommen), nullptr);
    EXPECT_EQ(sammler.Nehmen(genommen),
              "Die Datenbank ist beschädigt. Sie wird in dieser Sitzung nicht mehr geöffnet; bitte stellen Sie eine "
              "Sicherung wieder her.");
    EXPECT_EQ(sammler.Nehmen(genommen), "");
    EXPECT_EQ(sammler.Nehmen(ohne), "");
  }
  ASSERT_EQ(meldungen.messages.size(), 1u);
  EXPECT_EQ(
      meldungen.messages[0].text.rfind("Die Datenbank \"" + uebrig + "\" kann nicht vollständig gelesen werden.", 0),
      0u)
      << meldungen.messages[0].text;
  EXPECT_FALSE(Lesen(ohne));
  EXPECT_EQ(meldungen.messages.size(), 2u);
  for (const std::string& pfad : {genommen, uebrig, ohne}) db::UnblockFile(pfad);
  ResetState();
}

}  // namespace
}  // namespace tolvar
