#include "model/FieldStore.h"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace tablesmith {
namespace {

using test::F;

std::vector<std::int32_t> Ids(const FieldList& fields) {
  std::vector<std::int32_t> ids;
  for (const auto& field : fields) ids.push_back(field.ID);
  return ids;
}

TEST(FieldStoreTest, NumbersAsOnePlusHighestAndGivesFreedHighestIdAgain) {
  test::TempDir dir;
  FieldStore store(dir / "DBFIELDS.sqlite");
  EXPECT_TRUE(store.All().empty());
  EXPECT_EQ(store.Insert(F("a", "String")), 1);
  EXPECT_EQ(store.Insert(F("b", "Integer")), 2);
  EXPECT_EQ(store.Insert(F("c", "Float")), 3);
  ASSERT_TRUE(store.Delete(3));
  EXPECT_EQ(store.Insert(F("d", "")), 3);
  ASSERT_TRUE(store.Delete(2));
  EXPECT_EQ(store.Insert(F("e", "String")), 4);
  EXPECT_EQ(Ids(store.All()), (std::vector<std::int32_t>{1, 3, 4}));
  EXPECT_EQ(store.All().back().FIELDNAME, "e");
  EXPECT_FALSE(store.Delete(2));
  EXPECT_FALSE(store.Change({99, "x", "y", "String"}));
}

TEST(FieldStoreTest, DefinitionsSurviveARestartUnchangedAndInOrder) {
  test::TempDir dir;
  const FieldList entered = {{1, "Number", "id", "Integer"},
                             {2, "  spaced  ", "First Name", "String  "},
                             {3, "", "", ""},
                             {4, "Größe ✓", "größe", "Float"}};
  {
    FieldStore store(dir / "s.sqlite");
    for (const auto& field : entered) store.Insert(field);
    FieldDefinition changed = entered[0];
    changed.FIELD_DESCRPTION = "Record number";
    ASSERT_TRUE(store.Change(changed));
  }
  FieldStore reopened(dir / "s.sqlite");
  FieldList expected = entered;
  expected[0].FIELD_DESCRPTION = "Record number";
  EXPECT_EQ(reopened.All(), expected);
  EXPECT_EQ(reopened.Page(1, 2), FieldList(expected.begin() + 1, expected.begin() + 3));
  EXPECT_EQ(reopened.Count(), 4u);
  EXPECT_EQ(reopened.Find(4), expected[3]);
  EXPECT_FALSE(reopened.Find(5));
}

TEST(FieldStoreTest, ConvertsTheEarlierLayoutKeepingEveryRecord) {
  test::TempDir dir;
  const auto file = dir / "old.sqlite";
  {
    // The earlier layout: no type column, AUTOINCREMENT numbering.
    SQLite::Database db(file.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec(
        "CREATE TABLE dbfields (ID INTEGER PRIMARY KEY AUTOINCREMENT, FIELD_DESCRPTION TEXT,"
        " FIELDNAME TEXT)");
    db.exec("INSERT INTO dbfields (FIELD_DESCRPTION, FIELDNAME) VALUES ('Number', 'id')");
    db.exec("INSERT INTO dbfields (FIELD_DESCRPTION, FIELDNAME) VALUES ('Name', 'name')");
    db.exec("INSERT INTO dbfields (FIELD_DESCRPTION, FIELDNAME) VALUES ('Gone', 'gone')");
    db.exec("DELETE FROM dbfields WHERE ID = 3");
    db.exec("INSERT INTO dbfields (FIELD_DESCRPTION, FIELDNAME) VALUES (NULL, 'age')");
    db.exec("PRAGMA user_version = 1");
  }
  FieldStore store(file);
  EXPECT_EQ(store.All(), (FieldList{{1, "Number", "id", ""}, {2, "Name", "name", ""},
                                    {4, "", "age", ""}}));
  ASSERT_TRUE(store.Delete(4));
  EXPECT_EQ(store.Insert(F("x", "String")), 3) << "numbering is 1 + highest after conversion";
  SQLite::Database check(file.string());
  EXPECT_EQ(check.execAndGet("PRAGMA user_version").getInt(), FieldStore::kLayoutVersion);
}

TEST(FieldStoreTest, RefusesFilesThatAreNotAStoreAndLeavesThemUntouched) {
  test::TempDir dir;
  const auto text = dir / "notes.txt";
  test::WriteBytes(text, "this is not a database\n");

  const auto foreign = dir / "foreign.sqlite";
  {
    SQLite::Database db(foreign.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("CREATE TABLE customers (id INTEGER, name TEXT)");
  }
  const auto newer = dir / "newer.sqlite";
  {
    SQLite::Database db(newer.string(), SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec("PRAGMA user_version = 99");
  }
  const auto damaged = dir / "damaged.sqlite";
  test::WriteBytes(damaged, std::string("SQLite format 3\0", 16) + std::string(100, '\xff'));

  for (const auto& file : {text, foreign, newer, damaged}) {
    const std::string before = test::ReadBytes(file);
    try {
      FieldStore store(file);
      ADD_FAILURE() << file << " was opened";
    } catch (const FieldStoreError& error) {
      EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos) << error.what();
    }
    EXPECT_EQ(test::ReadBytes(file), before) << file << " was changed";
  }
}

TEST(FieldStoreTest, MissingFolderIsReportedWithThePath) {
  test::TempDir dir;
  const auto file = dir / "no" / "such" / "store.sqlite";
  EXPECT_THROW(
      {
        try {
          FieldStore store(file);
        } catch (const FieldStoreError& error) {
          EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos);
          throw;
        }
      },
      FieldStoreError);
}

}  // namespace
}  // namespace tablesmith
