// Recordsets: table order, editing by rowid, conversions at the storage layer.

#include "db_test_support.h"

namespace tolvar::db {
namespace {

using testing::DbTest;

std::vector<std::string> Names(Recordset rs, const char* column = "Name") {
  std::vector<std::string> names;
  for (rs.MoveFirst(); !rs.Eof(); rs.MoveNext()) names.push_back(rs[column].text());
  return names;
}

class RecordsetTest : public DbTest {
 protected:
  void SetUp() override {
    CreateDb(
        "CREATE TABLE Kultur (Name TEXT, Nr INTEGER, Preis REAL, Notiz TEXT, Roh);"
        "INSERT INTO Kultur (Name, Nr, Preis) VALUES"
        " ('A', 1, 1.5), ('B', 5, 2.0), ('C', 5, 3.0), ('D', 2, NULL)");
  }
};

struct Conversion {
  const char* column;
  Value written;
  Value stored;
  const char* text;  // the stored value read as text
};

TEST_F(RecordsetTest, ConvertsBetweenGermanTextAndNumbersOnWrite) {
  const std::vector<Conversion> cases = {
      {"Preis", Value("12,5"), Value(12.5), "12,5"},
      {"Preis", Value(" -0,25 "), Value(-0.25), "-0,25"},
      {"Preis", Value("7"), Value(7.0), "7"},
      {"Preis", Value(""), Value(), ""},
      {"Preis", Value(), Value(), ""},
      {"Preis", Value(3), Value(3.0), "3"},
      {"Nr", Value("60010"), Value(60010), "60010"},
      {"Nr", Value("2,5"), Value(2.5), "2,5"},
      {"Nr", Value::Bool(true), Value(-1), "-1"},
      {"Notiz", Value(2.5), Value("2,5"), "2,5"},
      {"Notiz", Value(0.14118), Value("0,14118"), "0,14118"},
      {"Notiz", Value(int64_t{42}), Value("42"), "42"},
      {"Notiz", Value("12.5"), Value("12.5"), "12.5"},
      {"Notiz", Value(""), Value(""), ""},
      {"Notiz", Value(), Value(), ""},
      {"Roh", Value("12,5"), Value("12,5"), "12,5"},  // an untyped column takes what it gets
      {"Roh", Value(2.5), Value(2.5), "2,5"},
  };
  for (const Conversion& c : cases) {
    SCOPED_TRACE(std::string(c.column) + " <- '" + c.written.text() + "'");
    Recordset rs = db_->OpenTable("Kultur");
    ASSERT_TRUE(rs.Edit());
    ASSERT_TRUE(rs.SetField(c.column, c.written));
    ASSERT_TRUE(rs.Update()) << rs.error();
    EXPECT_EQ(rs[c.column], c.stored) << "recordset shows the row as stored";
    EXPECT_EQ(db_->Scalar("SELECT " + QuoteIdentifier(c.column) + " FROM Kultur WHERE rowid=1"), c.stored);
    EXPECT_EQ(rs[c.column].text(), c.text);

    // The same through a new row.
    ASSERT_TRUE(rs.AddNew());
    ASSERT_TRUE(rs.SetField(c.column, c.written));
    ASSERT_TRUE(rs.Update()) << rs.error();
    EXPECT_EQ(db_->Scalar("SELECT " + QuoteIdentifier(c.column) + " FROM Kultur WHERE rowid=?",
                          {Value(db_->LastInsertRowId())}),
              c.stored);
    ASSERT_TRUE(db_->Execute("DELETE FROM Kultur WHERE rowid > 4"));
  }
}

TEST_F(RecordsetTest, TextThatIsNoNumberWritesNothing) {
  for (const char* bad : {"abc", "1.5", "1,2,3", "12,5 kg"}) {
    SCOPED_TRACE(bad);
    Recordset rs = db_->OpenTable("Kultur");
    ASSERT_TRUE(rs.Edit());
    ASSERT_TRUE(rs.SetField("Name", "geändert"));
    ASSERT_TRUE(rs.SetField("Preis", bad));
    EXPECT_FALSE(rs.Update());
    EXPECT_FALSE(rs.ok());
    EXPECT_NE(rs.error().find(bad), std::string::npos) << rs.error();
    EXPECT_FALSE(db_->LastError().empty());
    rs.CancelUpdate();
    EXPECT_EQ(rs["Name"], Value("A"));
    EXPECT_EQ(rs["Preis"], Value(1.5));

    ASSERT_TRUE(rs.AddNew());
    ASSERT_TRUE(rs.SetField("Name", "neu"));
    ASSERT_TRUE(rs.SetField("Nr", bad));
    EXPECT_FALSE(rs.Update());
    rs.CancelUpdate();
    EXPECT_EQ(rs.RecordCount(), 4);
  }
  EXPECT_EQ(db_->Scalar("SELECT group_concat(Name || '=' || ifnull(Preis, '-'), ';') FROM Kultur"),
            Value("A=1.5;B=2.0;C=3.0;D=-"));
}

TEST_F(RecordsetTest, EditsFirstRowWithNumberOnly) {
  Recordset rs = db_->OpenTable("kultur", QuoteIdentifier("Nr") + "=?", {Value(5)});
  ASSERT_TRUE(rs.ok()) << rs.error();
  ASSERT_EQ(rs.RecordCount(), 2);
  EXPECT_EQ(rs.RowId(), 2);
  ASSERT_TRUE(rs.Edit());
  ASSERT_TRUE(rs.SetField("notiz", "erste"));
  // Moving while editing does not redirect the write.
  rs.MoveNext();
  ASSERT_TRUE(rs.Update()) << rs.error();
  EXPECT_EQ(db_->Scalar("SELECT group_concat(ifnull(Notiz, '-')) FROM Kultur"), Value("-,erste,-,-"));
}

TEST_F(RecordsetTest, KeepsTableOrderThroughDeleteAndAppend) {
  Recordset rs = db_->OpenTable("Kultur");
  EXPECT_EQ(Names(rs), (std::vector<std::string>{"A", "B", "C", "D"}));
  rs.MoveTo(1);
  ASSERT_TRUE(rs.Delete());
  EXPECT_EQ(rs["Name"], Value("C")) << "the position points at the following row";
  ASSERT_TRUE(rs.AddNew());
  ASSERT_TRUE(rs.SetField("Name", "B"));
  ASSERT_TRUE(rs.SetField("Nr", 5));
  ASSERT_TRUE(rs.Update());
  EXPECT_EQ(rs["Name"], Value("C")) << "adding keeps the position";
  EXPECT_EQ(Names(rs), (std::vector<std::string>{"A", "C", "D", "B"}));
  rs.MoveLast();
  EXPECT_EQ(rs.RowId(), 5);

  // Deleting the last row leaves the recordset at its end.
  ASSERT_TRUE(rs.Delete());
  EXPECT_TRUE(rs.Eof());
  EXPECT_FALSE(rs.Delete());
  ASSERT_TRUE(rs.AddNew());
  ASSERT_TRUE(rs.SetField("Name", "E"));
  ASSERT_TRUE(rs.Update());
  EXPECT_TRUE(rs.Eof()) << "a recordset past its end stays there";

  Reopen();
  EXPECT_EQ(Names(db_->OpenTable("Kultur")), (std::vector<std::string>{"A", "C", "D", "E"}));
  // An explicit order keeps table order among equals.
  EXPECT_EQ(Names(db_->OpenTable("Kultur", "", {}, "Nr DESC")), (std::vector<std::string>{"C", "D", "A", "E"}));
}

// Sorting the rows read gives exactly the database's own ORDER BY, ties in table order.
TEST_F(RecordsetTest, SortByOrdersAsTheDatabaseOrders) {
  ASSERT_TRUE(db_->Execute(
      "INSERT INTO Kultur (Name, Roh) VALUES ('E', 10), ('F', '10'), ('G', 'abc'), ('H', NULL), ('I', 2.5),"
      " ('J', -3), ('K', 2), ('L', 'Abc'), ('M', 2.0), ('N', ''), ('O', 9007199254740993), ('P', 9007199254740992.0),"
      " ('Q', 'Äpfel'), ('R', 'Zwiebel')"));
  Recordset rs = db_->OpenTable("Kultur");
  ASSERT_TRUE(rs.SortBy("roh"));
  EXPECT_EQ(Names(rs), Names(db_->OpenTable("Kultur", "", {}, "Roh")));
  EXPECT_EQ(Names(rs).front(), "A");  // Null first, in table order
  ASSERT_TRUE(rs.SortBy("Name"));
  EXPECT_EQ(Names(rs).front(), "A");
  EXPECT_FALSE(rs.SortBy("Fehlt"));
}

TEST_F(RecordsetTest, RefusesEditsItCannotMake) {
  Recordset query = db_->Query("SELECT Name FROM Kultur ORDER BY Name DESC");
  ASSERT_TRUE(query.ok());
  EXPECT_EQ(Names(query), (std::vector<std::string>{"D", "C", "B", "A"}));
  EXPECT_EQ(query.RowId(), -1);
  EXPECT_FALSE(query.Edit());
  EXPECT_FALSE(query.AddNew());
  EXPECT_FALSE(query.Delete());
  EXPECT_FALSE(query.SetField("Name", "X"));

  Recordset rs = db_->OpenTable("Kultur");
  EXPECT_FALSE(rs.SetField("Name", "X")) << "not editing";
  EXPECT_FALSE(rs.Update());
  ASSERT_TRUE(rs.Edit());
  EXPECT_FALSE(rs.SetField("Fehlt", "X"));
  // The row vanished behind the recordset's back: the update must not report success.
  ASSERT_TRUE(db_->Execute("DELETE FROM Kultur WHERE rowid=1"));
  ASSERT_TRUE(rs.SetField("Name", "X"));
  EXPECT_FALSE(rs.Update());
  EXPECT_EQ(db_->Scalar("SELECT count(*) FROM Kultur"), Value(3));

  rs.CancelUpdate();
  rs.MoveLast();
  rs.MoveNext();
  EXPECT_TRUE(rs.Eof());
  EXPECT_FALSE(rs.Edit()) << "no current row";
  EXPECT_TRUE(rs["Name"].isNull());
  EXPECT_TRUE(rs.Field(99).isNull());
}

TEST_F(RecordsetTest, ReadsStorageClassesAndShowsEditBuffer) {
  ASSERT_TRUE(db_->Execute("INSERT INTO Kultur (Name, Nr, Preis, Roh) VALUES (?, ?, ?, ?)",
                           {Value("E"), Value("7"), Value(int64_t{2}), Value("x")}));
  Recordset rs = db_->OpenTable("Kultur");
  rs.MoveLast();
  EXPECT_EQ(rs["Nr"], Value(7)) << "INTEGER affinity stores numeric text as integer";
  EXPECT_EQ(rs["Preis"], Value(2.0));
  EXPECT_EQ(rs["Roh"], Value("x"));
  EXPECT_TRUE(rs["Notiz"].isNull());
  EXPECT_EQ(rs.ColumnNames(), (std::vector<std::string>{"Name", "Nr", "Preis", "Notiz", "Roh"}));
  EXPECT_EQ(rs.ColumnIndex("PREIS"), 2);

  ASSERT_TRUE(rs.Edit());
  ASSERT_TRUE(rs.SetField("Name", "F"));
  EXPECT_EQ(rs["Name"], Value("F"));
  rs.CancelUpdate();
  EXPECT_EQ(rs["Name"], Value("E"));
  ASSERT_TRUE(rs.AddNew());
  EXPECT_TRUE(rs["Name"].isNull());
  rs.CancelUpdate();
  EXPECT_EQ(rs.RecordCount(), 5);
  EXPECT_EQ(db_->Scalar("SELECT count(*) FROM Kultur"), Value(5));
}

}  // namespace
}  // namespace tolvar::db
