// The rules of an event: each kind of rule kept and broken, a value the row
// does not show breaking every rule on it, and a rules file refused whole,
// with a message naming its key or its line.
#include <gtest/gtest.h>

#include "form/EventRules.h"

namespace tolvane::form::testing {
namespace {

// A loaded save's row as the table reads it: its cells, the values of the
// columns with numbers and the items of its lists.
SaveRow Row() {
  SaveRow row;
  row.loaded = true;
  row.cells[kDifficultyColumn] = "Monarch";
  row.cells[kGameSpeedColumn] = "Epic";
  row.cells[kTurnColumn] = "120/460";
  row.values[kTurnColumn] = TurnOrder(120, 460);
  row.cells[kPlaySessionsColumn] = "3";
  row.values[kPlaySessionsColumn] = 3;
  row.cells[kPlayersColumn] = "7";
  row.values[kPlayersColumn] = 7;
  row.items[kVictoriesColumn] = std::vector<std::string>{"Time", "Conquest"};
  row.cells[kVictoriesColumn] = "Time, Conquest";
  row.items[kOptionsColumn] = std::vector<std::string>{};
  return row;
}

std::vector<std::string> Broken(const std::string& json, const SaveRow& row = Row()) {
  const EventRulesRead read = ParseEventRules(json);
  EXPECT_EQ(read.error, "");
  return read.rules ? BrokenRules(*read.rules, row) : std::vector<std::string>{"(refused)"};
}

TEST(EventRules, EachKindOfRuleKeptAndBroken) {
  using Keys = std::vector<std::string>;
  const struct {
    const char* rules;
    Keys broken;
  } kCases[] = {
      {R"({"difficulty": "Monarch", "game_speed": ["Normal", "Epic"]})", {}},
      {R"({"difficulty": "Prince", "game_speed": ["Normal", "Quick"]})", {"difficulty", "game_speed"}},
      {R"({"difficulty": "monarch"})", {"difficulty"}},  // a text as the cell shows it
      {R"({"players": 7, "play_sessions": {"min": 1, "max": 3}})", {}},
      {R"({"players": [2, 4], "play_sessions": {"max": 2}})", {"players", "play_sessions"}},
      {R"({"play_sessions": {"min": 4}, "players": "7"})", {"play_sessions"}},
      // A turn by the current turn, not by its place in the sort.
      {R"({"turn": {"min": 100, "max": 120}})", {}},
      {R"({"turn": {"max": 119}})", {"turn"}},
      {R"({"victories": {"includes": ["Time"], "excludes": ["Space"]}, "options": {"excludes": ["Always War"]}})", {}},
      {R"({"victories": {"includes": ["Time", "Space"]}})", {"victories"}},
      {R"({"victories": {"excludes": ["Conquest"]}})", {"victories"}},
      // Values the row does not show break every rule on them.
      {R"({"leader": ["", "Augustus"], "sessions": {"min": 0}, "kavrel_score": 0})",
       {"leader", "sessions", "kavrel_score"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.rules);
    EXPECT_EQ(Broken(c.rules), c.broken);
  }
  // A hidden list breaks its rule, even one that only excludes.
  SaveRow hidden = Row();
  hidden.items[kOptionsColumn].reset();
  EXPECT_EQ(Broken(R"({"options": {"excludes": ["Always War"]}})", hidden), Keys{"options"});
}

TEST(EventRules, TheVerdictInTheRowsNothingForASaveNotLoaded) {
  std::vector<SaveRow> rows = {Row(), Row(), SaveRow()};
  rows[1].cells[kDifficultyColumn] = "Deity";
  const EventRulesRead read = ParseEventRules(R"({"difficulty": "Monarch", "players": {"max": 6}})");
  ASSERT_TRUE(read.rules);
  FillRulesColumns(rows, *read.rules);
  EXPECT_EQ(rows[0].cells[kRulesOkColumn], "no");
  EXPECT_EQ(rows[0].cells[kRulesBrokenColumn], "players");
  EXPECT_EQ(rows[1].cells[kRulesBrokenColumn], "difficulty, players");
  EXPECT_EQ(rows[1].items[kRulesBrokenColumn], (std::vector<std::string>{"difficulty", "players"}));
  EXPECT_EQ(rows[2].cells[kRulesOkColumn], "");
  EXPECT_FALSE(rows[2].items[kRulesBrokenColumn]);
}

TEST(EventRules, AFileWithAFaultIsRefusedWholeNamingTheKeyOrTheLine) {
  const struct {
    const char* rules;
    const char* error;
  } kCases[] = {
      {"{\n  \"difficulty\": \"Monarch\",\n  \"players\": 2,,\n}",
       "The rules file is not valid JSON: line 3: syntax error while parsing object key - unexpected ','; expected "
       "string literal"},
      {"",
       "The rules file is not valid JSON: line 1: syntax error while parsing value - unexpected end of input; "
       "expected '[', '{', or a literal"},
      {R"(["difficulty"])", "The rules file must hold one JSON object that maps column keys to rules."},
      {R"({"difficulty": "Monarch", "dificulty": "Monarch"})", "The rules file has an unknown key \"dificulty\"."},
      {R"({"rules_ok": "yes"})", "The rules file has an unknown key \"rules_ok\"."},
      {R"({"difficulty": 5})", "The rule on \"difficulty\" must give its values as text."},
      {R"({"players": true})",
       "The rule on \"players\" must be a text, a whole number, a list of them, or bounds {\"min\": .., \"max\": ..}."},
      {R"({"players": [2, null]})",
       "The rule on \"players\" must be a text, a whole number, a list of them, or bounds {\"min\": .., \"max\": ..}."},
      {R"({"players": 2.5})",
       "The rule on \"players\" must be a text, a whole number, a list of them, or bounds {\"min\": .., \"max\": ..}."},
      {R"({"players": []})", "The rule on \"players\" lists no value."},
      {R"({"difficulty": {"min": 1}})", "The rule on \"difficulty\" cannot have bounds: the column holds no numbers."},
      {R"({"players": {"least": 1}})", "The rule on \"players\" has an unknown key \"least\"."},
      {R"({"players": {"min": "1"}})", "The rule on \"players\" must give \"min\" as a whole number."},
      {R"({"players": {"min": 3, "max": 2}})", "The rule on \"players\" has a \"min\" above its \"max\"."},
      {R"({"victories": ["Time"]})",
       "The rule on \"victories\" must be {\"includes\": [..], \"excludes\": [..]} (either or both)."},
      {R"({"options": {"includes": "Always War"}})",
       "The rule on \"options\" must give \"includes\" as a list of texts."},
      {R"({"options": {"include": []}})", "The rule on \"options\" has an unknown key \"include\"."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.rules);
    const EventRulesRead read = ParseEventRules(c.rules);
    EXPECT_FALSE(read.rules);
    EXPECT_EQ(read.error, c.error);
  }
  EXPECT_NE(ReadEventRules("/nonexistent/rules.json").error, "");
}

}  // namespace
}  // namespace tolvane::form::testing
