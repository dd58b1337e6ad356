// Opening and creating database files, table lookup, statements and transactions.

#include <unistd.h>

#include <fstream>

#include "db_test_support.h"

namespace tolvar::db {
namespace {

using testing::DbTest;
using testing::TempDir;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(DatabaseOpen, RefusesWhatIsNotADatabaseFile) {
  TempDir dir;
  const std::string missing = dir.File("Fehlt.mdb");
  const std::string text = dir.File("Notiz.mdb");
  std::ofstream(text) << "Dies ist keine Datenbank, sondern eine Notiz mit etwas Text.\n";
  const std::string folder = dir.File("Ordner.mdb");
  std::filesystem::create_directory(folder);

  for (const std::string& path : {missing, text, folder, std::string()}) {
    SCOPED_TRACE(path);
    std::string error;
    EXPECT_EQ(Database::Open(path, &error), nullptr);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(Database::Open(path), nullptr);  // no error pointer needed
  }
  EXPECT_FALSE(std::filesystem::exists(missing)) << "opening must not create the file";
  EXPECT_FALSE(std::filesystem::exists(missing + "-journal"));
  EXPECT_EQ(ReadFile(text), "Dies ist keine Datenbank, sondern eine Notiz mit etwas Text.\n");
  EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST(DatabaseOpen, ErrorNamesOperationAndCause) {
  TempDir dir;
  const std::string text = dir.File("Notiz.mdb");
  std::ofstream(text) << "kein SQLite-Inhalt, aber lang genug fuer einen Kopf............\n";
  std::string error;
  ASSERT_EQ(Database::Open(text, &error), nullptr);
  EXPECT_NE(error.find("open"), std::string::npos) << error;
  EXPECT_NE(error.find("not a database"), std::string::npos) << error;
}

TEST(DatabaseCreate, CreatesOnceAndOpensAgain) {
  TempDir dir;
  const std::string path = dir.File("Neu.Tolvar");
  std::string error;
  {
    auto db = Database::Create(path, &error);
    ASSERT_NE(db, nullptr) << error;
    ASSERT_TRUE(db->ExecuteScript("CREATE TABLE t (a TEXT); INSERT INTO t VALUES ('x');"));
    EXPECT_EQ(db->path(), path);
  }
  EXPECT_EQ(Database::Create(path, &error), nullptr);
  EXPECT_FALSE(error.empty());
  auto db = Database::Open(path, &error);
  ASSERT_NE(db, nullptr) << error;
  EXPECT_EQ(db->Scalar("SELECT a FROM t"), Value("x"));
  EXPECT_EQ(db->Scalar("PRAGMA journal_mode"), Value("delete"));
}

TEST(DatabaseOpen, ReadOnlyFileOpensForReading) {
  TempDir dir;
  const std::string path = dir.File("Nur lesen.mdb");
  {
    auto db = Database::Create(path);
    ASSERT_NE(db, nullptr);
    ASSERT_TRUE(db->ExecuteScript("CREATE TABLE t (a TEXT); INSERT INTO t VALUES ('x');"));
  }
  std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read |
                                         std::filesystem::perms::others_read);
  std::string error;
  auto db = Database::Open(path, &error);
  ASSERT_NE(db, nullptr) << error;
  Recordset rs = db->OpenTable("t");
  ASSERT_TRUE(rs.ok()) << rs.error();
  ASSERT_EQ(rs.RecordCount(), 1);
  EXPECT_EQ(rs["a"], Value("x"));
  if (geteuid() != 0) {  // the superuser may write anyway
    EXPECT_FALSE(db->Execute("INSERT INTO t VALUES ('y')"));
    EXPECT_FALSE(db->LastError().empty());
  }
}

TEST_F(DbTest, TableLookupIsCaseBlindAndGivesStoredSpelling) {
  CreateDb(
      "CREATE TABLE BetriebEinstellungen (Wert TEXT, \"Fläche\" REAL);"
      "CREATE TABLE Lohn (LohngruppenID INTEGER PRIMARY KEY AUTOINCREMENT, Name TEXT);"
      "INSERT INTO Lohn (Name) VALUES ('A');");
  EXPECT_TRUE(db_->HasTable("Betriebeinstellungen"));
  EXPECT_TRUE(db_->HasTable("BETRIEBEINSTELLUNGEN"));
  EXPECT_EQ(db_->TableName("betriebeinstellungen"), "BetriebEinstellungen");
  EXPECT_FALSE(db_->HasTable("Betrieb"));
  EXPECT_EQ(db_->TableName("Fehlt"), std::nullopt);
  // SQLite's own bookkeeping table is not listed.
  EXPECT_EQ(db_->Tables(), (std::vector<std::string>{"BetriebEinstellungen", "Lohn"}));
  EXPECT_EQ(db_->Columns("betriebeinstellungen"), (std::vector<std::string>{"Wert", "Fläche"}));
  EXPECT_TRUE(db_->Columns("Fehlt").empty());

  Recordset rs = db_->OpenTable("betriebEINSTELLUNGEN");
  EXPECT_TRUE(rs.ok()) << rs.error();
  EXPECT_TRUE(rs.HasColumn("fläche"));
  EXPECT_FALSE(rs.HasColumn("FLÄCHE"));  // only ASCII letters fold
  EXPECT_FALSE(db_->OpenTable("Fehlt").ok());
}

TEST_F(DbTest, NamesWithBlanksHyphensQuotesAndUmlauts) {
  EXPECT_EQ(QuoteIdentifier("a\"b"), "\"a\"\"b\"");
  EXPECT_EQ(QuoteIdentifier(" Kehlheim-Temperatur"), "\" Kehlheim-Temperatur\"");
  CreateDb(
      "CREATE TABLE \" Kehlheim-Temperatur\" (W1 REAL, \"Kosten je Stunde\" REAL,"
      " \"Fläche\" TEXT, \"k\"\"Wert\" TEXT)");
  EXPECT_EQ(db_->TableName(" kehlheim-temperatur"), " Kehlheim-Temperatur");
  EXPECT_FALSE(db_->HasTable("Kehlheim-Temperatur"));  // the leading blank is part of it

  Recordset rs = db_->OpenTable(" Kehlheim-Temperatur");
  ASSERT_TRUE(rs.ok()) << rs.error();
  ASSERT_TRUE(rs.AddNew());
  ASSERT_TRUE(rs.SetField("w1", "-3,5"));
  ASSERT_TRUE(rs.SetField("Kosten je Stunde", 12.25));
  ASSERT_TRUE(rs.SetField("Fläche", "groß"));
  ASSERT_TRUE(rs.SetField("k\"Wert", "1"));
  ASSERT_TRUE(rs.Update()) << rs.error();

  const std::string t = QuoteIdentifier(" Kehlheim-Temperatur");
  EXPECT_EQ(db_->Scalar("SELECT W1 FROM " + t), Value(-3.5));
  EXPECT_EQ(db_->Scalar("SELECT " + QuoteIdentifier("Kosten je Stunde") + " FROM " + t), Value(12.25));
  Recordset q = db_->Query("SELECT * FROM " + t + " WHERE " + QuoteIdentifier("Fläche") + "=?", {Value("groß")});
  ASSERT_EQ(q.RecordCount(), 1);
  EXPECT_EQ(q["k\"Wert"], Value("1"));
}

TEST_F(DbTest, UserTextIsStoredVerbatimAndNeverRunAsSql) {
  CreateDb("CREATE TABLE x (a TEXT); CREATE TABLE t (Name TEXT, Nr INTEGER)");
  const std::vector<std::string> texts = {"'; DROP TABLE x; --", "O'Brien \"Gärtnerei\"", "a\\b%_*?",
                                          "Zeile 1\nZeile 2"};
  for (const std::string& text : texts) {
    ASSERT_TRUE(db_->Execute("INSERT INTO t (Name) VALUES (?)", {Value(text)})) << db_->LastError();
  }
  Recordset rs = db_->OpenTable("t");
  ASSERT_TRUE(rs.AddNew());
  ASSERT_TRUE(rs.SetField("Name", "x\"); DELETE FROM t; --"));
  ASSERT_TRUE(rs.Update()) << rs.error();

  rs = db_->OpenTable("t");
  ASSERT_EQ(rs.RecordCount(), 5);
  for (size_t i = 0; i < texts.size(); ++i, rs.MoveNext()) EXPECT_EQ(rs["Name"], Value(texts[i]));
  EXPECT_EQ(rs["Name"], Value("x\"); DELETE FROM t; --"));
  EXPECT_TRUE(db_->HasTable("x"));
  EXPECT_EQ(db_->Scalar("SELECT count(*) FROM t WHERE Name=?", {Value(texts[0])}), Value(1));

  // One call runs one statement: a second one is refused and nothing runs.
  EXPECT_FALSE(db_->Execute("DELETE FROM t; DROP TABLE x"));
  EXPECT_EQ(db_->Scalar("SELECT count(*) FROM t"), Value(5));
  EXPECT_TRUE(db_->Execute("DELETE FROM t WHERE Nr=1; -- comment only\n"));
}

TEST_F(DbTest, StatementsReportFailures) {
  CreateDb("CREATE TABLE t (a TEXT)");
  EXPECT_FALSE(db_->Execute("INSERT INTO fehlt VALUES (1)"));
  EXPECT_NE(db_->LastError().find("fehlt"), std::string::npos) << db_->LastError();
  // Parameters must match the placeholders.
  EXPECT_FALSE(db_->Execute("INSERT INTO t VALUES (?)", {}));
  EXPECT_FALSE(db_->Execute("INSERT INTO t VALUES (?)", {Value("a"), Value("b")}));
  EXPECT_EQ(db_->Scalar("SELECT count(*) FROM t"), Value(0));
  EXPECT_FALSE(db_->ExecuteScript("CREATE TABLE u (a); SELEKT 1;"));
  EXPECT_FALSE(db_->LastError().empty());
  Recordset bad = db_->Query("SELECT nix FROM t");
  EXPECT_FALSE(bad.ok());
  EXPECT_TRUE(db_->Scalar("SELECT nix FROM t").isNull());
  EXPECT_FALSE(db_->LastError().empty());
  EXPECT_TRUE(db_->Scalar("SELECT a FROM t").isNull());  // no row
  EXPECT_TRUE(db_->LastError().empty());

  ASSERT_TRUE(db_->Execute("INSERT INTO t VALUES ('a'), ('b')"));
  EXPECT_EQ(db_->Changes(), 2);
  EXPECT_EQ(db_->LastInsertRowId(), 2);
}

TEST_F(DbTest, NullAndEmptyTextStayDistinct) {
  CreateDb("CREATE TABLE t (s TEXT, n REAL)");
  ASSERT_TRUE(db_->Execute("INSERT INTO t VALUES (?, ?)", {Value(), Value()}));
  ASSERT_TRUE(db_->Execute("INSERT INTO t VALUES (?, ?)", {Value(""), Value()}));
  Recordset rs = db_->OpenTable("t");
  ASSERT_TRUE(rs.AddNew());
  ASSERT_TRUE(rs.SetField("s", ""));
  ASSERT_TRUE(rs.Update());
  ASSERT_TRUE(rs.AddNew());
  ASSERT_TRUE(rs.SetField("s", Value::Null()));
  ASSERT_TRUE(rs.Update());
  Reopen();

  rs = db_->OpenTable("t");
  ASSERT_EQ(rs.RecordCount(), 4);
  const std::vector<Value> expected = {Value(), Value(""), Value(""), Value()};
  for (const Value& s : expected) {
    EXPECT_EQ(rs["s"], s);
    EXPECT_TRUE(rs["n"].isNull());
    rs.MoveNext();
  }
  EXPECT_EQ(db_->Scalar("SELECT count(*) FROM t WHERE s IS NULL"), Value(2));
  EXPECT_EQ(db_->Scalar("SELECT count(*) FROM t WHERE s = ''"), Value(2));
}

TEST_F(DbTest, TransactionWithoutCommitKeepsOldRows) {
  CreateDb("CREATE TABLE t (a TEXT); INSERT INTO t VALUES ('1'), ('2'), ('3')");
  {
    Transaction tx = db_->BeginTransaction();
    ASSERT_TRUE(tx.active());
    ASSERT_TRUE(db_->Execute("DELETE FROM t"));
    ASSERT_TRUE(db_->Execute("INSERT INTO t VALUES ('neu')"));
    EXPECT_FALSE(db_->Execute("INSERT INTO fehlt VALUES (1)"));
    // The writer gives up on failure: no Commit.
  }
  EXPECT_EQ(db_->Scalar("SELECT group_concat(a) FROM t"), Value("1,2,3"));

  {
    Transaction tx = db_->BeginTransaction();
    ASSERT_TRUE(db_->Execute("DELETE FROM t"));
    EXPECT_FALSE(db_->Execute("INSERT INTO fehlt VALUES (1)"));
    const std::string error = db_->LastError();
    tx.Rollback();
    EXPECT_FALSE(tx.active());
    EXPECT_EQ(db_->LastError(), error) << "rolling back keeps the cause";
    EXPECT_FALSE(tx.Commit());
  }
  Reopen();
  EXPECT_EQ(db_->Scalar("SELECT group_concat(a) FROM t"), Value("1,2,3"));

  {
    Transaction tx = db_->BeginTransaction();
    Transaction moved(std::move(tx));
    EXPECT_FALSE(tx.active());  // NOLINT(bugprone-use-after-move)
    ASSERT_TRUE(db_->Execute("DELETE FROM t WHERE a='2'"));
    EXPECT_TRUE(moved.Commit());
    EXPECT_FALSE(moved.active());
  }
  Reopen();
  EXPECT_EQ(db_->Scalar("SELECT group_concat(a) FROM t"), Value("1,3"));

  // Nested use is not supported: the inner one does not start.
  Transaction outer = db_->BeginTransaction();
  Transaction inner = db_->BeginTransaction();
  EXPECT_TRUE(outer.active());
  EXPECT_FALSE(inner.active());
}

TEST_F(DbTest, LoadsTenThousandRows) {
  std::string schema = "CREATE TABLE gross (";
  for (int c = 0; c < 12; ++c) {
    schema += (c ? ", c" : "c") + std::to_string(c) + (c % 2 ? " REAL" : " TEXT");
  }
  schema += ")";
  CreateDb(schema);
  {
    Transaction tx = db_->BeginTransaction();
    for (int r = 0; r < 10000; ++r) {
      std::vector<Value> row;
      for (int c = 0; c < 12; ++c) {
        row.push_back(c % 2 ? Value(r * 0.5 + c) : Value("Text " + std::to_string(r)));
      }
      ASSERT_TRUE(db_->Execute("INSERT INTO gross VALUES (?,?,?,?,?,?,?,?,?,?,?,?)", row));
    }
    ASSERT_TRUE(tx.Commit());
  }
  Recordset rs = db_->OpenTable("gross");
  ASSERT_EQ(rs.RecordCount(), 10000);
  rs.MoveLast();
  EXPECT_EQ(rs["c1"], Value(9999 * 0.5 + 1));
  EXPECT_EQ(rs["c10"], Value("Text 9999"));
}

// A write that fails because the folder takes no journal names the folder, not the file.
TEST(DatabaseWrite, WriteProtectedFolderIsNamedAsTheCause) {
  TempDir dir;
  const std::string folder = dir.File("Ordner");
  std::filesystem::create_directory(folder);
  const std::string path = folder + "/x.db";
  {
    auto database = Database::Create(path);
    ASSERT_NE(database, nullptr);
    ASSERT_TRUE(database->ExecuteScript("CREATE TABLE T (a INTEGER)"));
  }
  std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  if (::access(folder.c_str(), W_OK) == 0) GTEST_SKIP() << "this user writes into any folder";
  auto database = Database::Open(path);
  ASSERT_NE(database, nullptr);
  EXPECT_FALSE(database->Execute("INSERT INTO T VALUES (1)"));
  EXPECT_NE(database->LastError().find("Ordner '" + folder + "': "), std::string::npos) << database->LastError();
}

namespace damage {

struct Report {
  std::string path;
  std::string error;
};
std::vector<Report>& Reports() {
  static std::vector<Report> reports;
  return reports;
}
void Record(const std::string& path, const std::string& error) { Reports().push_back({path, error}); }

// Overwrites page `page` (1-based, 4096 bytes) of the file with a pattern no page has.
void Overwrite(const std::string& path, std::size_t page) {
  std::fstream f(path, std::ios::binary | std::ios::in | std::ios::out);
  f.seekp(static_cast<std::streamoff>((page - 1) * 4096));
  const std::string pattern(4096, static_cast<char>(0xA5));
  f.write(pattern.data(), static_cast<std::streamsize>(pattern.size()));
}

}  // namespace damage

// A table of many pages with an index written after it, so the index pages lie at the end.
class DamagedFileTest : public DbTest {
 protected:
  void SetUp() override {
    CreateDb(
        "PRAGMA page_size=4096; CREATE TABLE T (x TEXT);"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 2000)"
        " INSERT INTO T SELECT printf('%0200d', i) FROM n;"
        "CREATE INDEX T_x ON T (x);");
    pages_ = db_->Scalar("PRAGMA page_count").integerOr(0);
    ASSERT_GT(pages_, 100);
    db_.reset();
    damage::Reports().clear();
    SetDamageReporter(&damage::Record);
  }
  void TearDown() override { SetDamageReporter(nullptr); }
  int64_t pages_ = 0;
};

// A damaged page ends the rows with an error and a report, never as if the table ended there;
// the page check finds it before any row is read, in the table and in its index alike.
TEST_F(DamagedFileTest, DamagedPageIsFoundByThePageCheckAndFailsTheRead) {
  const std::string path = dir_.File("test.db");
  const std::string sound = ReadFile(path);
  {
    auto database = Database::Open(path);
    ASSERT_NE(database, nullptr);
    std::string error;
    EXPECT_TRUE(database->CheckPages({}, &error)) << error;
  }
  struct Case {
    const char* name;
    int64_t page;
    bool rowsFail;  // reading the table's rows fails too
  };
  for (const Case& c : {Case{"table leaf page", pages_ / 4, true}, Case{"index page", pages_ - 1, false}}) {
    SCOPED_TRACE(c.name);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << sound;
    damage::Overwrite(path, static_cast<std::size_t>(c.page));
    auto database = Database::Open(path);
    ASSERT_NE(database, nullptr);
    std::string error;
    EXPECT_FALSE(database->CheckPages({}, &error));
    EXPECT_NE(error.find("malformed"), std::string::npos) << error;
    damage::Reports().clear();
    Recordset rs = database->OpenTable("T");
    if (c.rowsFail) {
      EXPECT_FALSE(rs.ok());
      EXPECT_EQ(rs.RecordCount(), 0);
      ASSERT_EQ(damage::Reports().size(), 1u);
      EXPECT_EQ(damage::Reports()[0].path, path);
    } else {
      EXPECT_EQ(rs.RecordCount(), 2000);
      EXPECT_TRUE(damage::Reports().empty());
    }
  }
}

// A file cut short is refused at opening wherever the cut lies. Only a hot journal beside the
// file, which the engine plays back, may still restore it; an empty journal, a stale one whose
// header was zeroed and any other file beside it count as none.
TEST_F(DamagedFileTest, FileCutShortIsRefusedAtOpening) {
  const std::string path = dir_.File("test.db");
  const std::string sound = ReadFile(path);
  EXPECT_EQ(HeaderDamage(path), "");
  struct Case {
    const char* name;
    std::size_t size;
  };
  for (const Case& c : {Case{"one byte", sound.size() - 1}, Case{"last page", sound.size() - 4096},
                        Case{"middle page", sound.size() / 2 / 4096 * 4096 + 100}}) {
    SCOPED_TRACE(c.name);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << sound.substr(0, c.size);
    std::string error;
    EXPECT_EQ(Database::Open(path, &error), nullptr);
    EXPECT_NE(error.find("malformed"), std::string::npos) << error;
    EXPECT_EQ(ReadFile(path).size(), c.size);  // nothing written
  }
  const std::string kopf("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);
  struct Journal {
    const char* name;
    const char* suffix;
    std::string inhalt;
    bool hot;
  };
  const Journal journale[] = {
      {"empty journal", "-journal", "", false},
      {"zeroed journal", "-journal", std::string(512, '\0'), false},
      {"other file", "-journal", "x", false},
      {"empty log", "-wal", "", false},
      {"hot journal", "-journal", kopf + std::string(504, '\0'), true},
  };
  for (const Journal& j : journale) {
    SCOPED_TRACE(j.name);
    std::ofstream(path + j.suffix, std::ios::binary | std::ios::trunc) << j.inhalt;
    EXPECT_EQ(HeaderDamage(path).empty(), j.hot);
    if (!j.hot) {
      EXPECT_EQ(Database::Open(path), nullptr);
    }
    std::filesystem::remove(path + j.suffix);
  }
}

// A copy taken while a write was under way holds a hot journal: the file itself need not
// agree with its header until the first read has played the journal back. It opens with the
// rows as they were before the write, and its size is checked once the journal is played back.
TEST_F(DamagedFileTest, AHotJournalIsPlayedBackBeforeTheSizeIsChecked) {
  const std::string path = dir_.File("test.db");
  const std::string kopie = dir_.File("kopie.db");
  {
    auto db = Database::Open(path);
    ASSERT_TRUE(db);
    ASSERT_TRUE(db->Execute("PRAGMA cache_size = 1"));
    ASSERT_TRUE(db->Execute("BEGIN IMMEDIATE"));
    // More pages than the cache holds: originals go to the journal, changes into the file.
    ASSERT_TRUE(db->Execute("UPDATE T SET x = x || x"));
    ASSERT_TRUE(std::filesystem::exists(path + "-journal"));
    std::filesystem::copy_file(path, kopie);
    std::filesystem::copy_file(path + "-journal", kopie + "-journal");
    ASSERT_TRUE(db->Execute("ROLLBACK"));
  }
  // A page being added when the copy was taken, cut off inside it: the journal's playback
  // cuts the file back to the pages it had before the write.
  std::ofstream(kopie, std::ios::binary | std::ios::app) << std::string(100, 'x');
  ASSERT_NE(std::filesystem::file_size(kopie) % 4096, 0u);
  std::string error;
  auto db = Database::Open(kopie, &error);
  ASSERT_TRUE(db) << error;
  EXPECT_EQ(db->Scalar("SELECT count(*) FROM T WHERE length(x) = 200").integerOr(0), 2000);
  EXPECT_FALSE(std::filesystem::exists(kopie + "-journal"));
  EXPECT_EQ(std::filesystem::file_size(kopie) % 4096, 0u);
  EXPECT_EQ(HeaderDamage(kopie), "");
}

}  // namespace
}  // namespace tolvar::db
