// The calculators compute in the game's 32-bit arithmetic, but never show a
// number that wrapped: a typed value that makes a result leave the range is
// refused like a text that is no number.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "FormFixture.h"
#include "rules/Scores.h"

namespace tolvane::form::testing {
namespace {

using Field = std::function<Edit&(Form&)>;

struct Typed {
  Field field;
  std::string text;
};

struct Case {
  std::vector<Typed> before;  // values taken first, each within the range
  Typed refused;
  std::string message;
};

// The text of every edit of the form, by name.
std::map<std::string, std::string> EditTexts(const Form& form) {
  std::map<std::string, std::string> texts;
  for (const Control* c : form.Controls())
    if (c->Kind() == ControlKind::Edit) texts[c->Name()] = static_cast<const Edit*>(c)->Text();
  return texts;
}

// Each case on a fresh form with ScoreGame: the values before are taken
// without a message; the refused one adds its message, marks its field and
// changes no other text; typed back to what it was, it is taken again and
// the form is as before.
void CheckRefusals(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    Form form;
    form.Show(ScoreGame(), {});
    for (const Typed& t : c.before) {
      t.field(form).SetText(t.text);
      t.field(form).Exit();
    }
    ASSERT_TRUE(form.Messages().empty()) << form.Messages().front();
    const auto texts = EditTexts(form);
    Edit& field = c.refused.field(form);
    const std::string old = field.Text();
    field.SetText(c.refused.text);
    field.Exit();
    ASSERT_EQ(form.Messages().size(), 1u);
    EXPECT_EQ(form.Messages()[0], c.message);
    EXPECT_EQ(form.FieldOfMessage(0), &field);
    EXPECT_TRUE(field.Marked());
    auto shown = EditTexts(form);
    EXPECT_EQ(shown[field.Name()], c.refused.text);
    shown[field.Name()] = old;
    EXPECT_EQ(shown, texts);  // no result shows a wrapped number, nor any other change

    field.SetText(old);
    field.Exit();
    EXPECT_EQ(form.Messages().size(), 1u);
    EXPECT_FALSE(field.Marked());
    EXPECT_EQ(EditTexts(form), texts);
  }
}

TEST(CalculatorRange, ScoreCalculatorRefusesValuesThatWrapAResult) {
  const Field popInitial = [](Form& f) -> Edit& { return f.base.population.initial; };
  const Field popCurrent = [](Form& f) -> Edit& { return f.base.population.current; };
  const Field popMaximal = [](Form& f) -> Edit& { return f.base.population.maximal; };
  const Field popFactor = [](Form& f) -> Edit& { return f.base.population.factor; };
  const Field landMaximal = [](Form& f) -> Edit& { return f.base.land.maximal; };
  const Field landFactor = [](Form& f) -> Edit& { return f.base.land.factor; };
  const Field vassalPop = [](Form& f) -> Edit& { return f.base.vassalPopulationScored; };
  const Field vassalLand = [](Form& f) -> Edit& { return f.base.vassalLandScored; };
  const Field coefficient = [](Form& f) -> Edit& { return f.base.difficultyCoefficient; };
  // ScoreGame at half its turn limit: population 100 of 400 from 10, land
  // 200 + 50 of 1000 from 0; factors 5000 and 2000.
  CheckRefusals({
      {{}, {popFactor, "2147483647"}, "Population Factor: 2147483647 makes the final score too large"},
      {{}, {landFactor, "2147483647"}, "Land Factor: 2147483647 makes the final score too large"},
      {{}, {popCurrent, "2147483647"}, "Population Current: 2147483647 makes the game score too large"},
      {{}, {vassalPop, "2147483647"}, "Vassal Pop scored: 2147483647 makes the game score too large"},
      {{}, {vassalLand, "2147483600"}, "Vassal Land scored: 2147483600 makes the game score too large"},
      {{}, {coefficient, "1e7"}, "Difficulty Coefficient: 1e7 makes the final score too large"},
      // Near the edge first: 1,581,138,830 for the population's final score.
      {{{coefficient, "100"}, {popFactor, "10000000"}},
       {popInitial, "1"},
       "Population Initial: 1 makes the final score too large"},
      {{{coefficient, "100"}, {popFactor, "10000000"}},
       {popMaximal, "20"},
       "Population Maximal: 20 makes the final score too large"},
      // Without an initial value the expected land grows from 0: a maximum of 1 halves it to 0.5.
      {{{landFactor, "5000000"}}, {landMaximal, "1"}, "Land Maximal: 1 makes the final score too large"},
  });
}

TEST(CalculatorRange, KavrelCalculatorRefusesValuesThatWrapAResult) {
  const Field popCurrent = [](Form& f) -> Edit& { return f.kavrel.population.current; };
  const Field popMaximal = [](Form& f) -> Edit& { return f.kavrel.population.maximal; };
  const Field popFactor = [](Form& f) -> Edit& { return f.kavrel.population.factor; };
  const Field turnCurrent = [](Form& f) -> Edit& { return f.kavrel.turn.current; };
  const Field turnMaximal = [](Form& f) -> Edit& { return f.kavrel.turn.maximal; };
  // At the turn limit each component is factor * current / maximum: the
  // population's 2500 * 100 / 400.
  CheckRefusals({
      // 536,870,911 fits, but not its share in hundredths.
      {{}, {popFactor, "2147483647"}, "Population Factor: 2147483647 makes the Kavrel score too large"},
      {{}, {popCurrent, "2147483647"}, "Population Current+: 2147483647 makes the Kavrel score too large"},
      {{{popCurrent, "1000000"}}, {popMaximal, "1"}, "Population Maximal: 1 makes the Kavrel score too large"},
      // At turn 0 nothing is expected yet: the component is factor * current.
      {{{popCurrent, "1000000"}}, {turnCurrent, "0"}, "Turn Current+: 0 makes the Kavrel score too large"},
      {{{popCurrent, "1000000"}},
       {turnMaximal, "2147483647"},
       "Turn Maximal: 2147483647 makes the Kavrel score too large"},
      {{}, {turnCurrent, "2147483647"}, "Turn Current+: 2147483647 makes the date too large"},
  });
}

// Factors outlive a load, and the next save's values may be larger: a
// factor taken for one save that makes a result of the next leave the range
// is named and marked, and no result shows the wrapped number.
TEST(CalculatorRange, AFactorThatWrapsTheNextSavesResultIsNamed) {
  Form form;
  form.Show(ScoreGame(), {});
  form.base.population.factor.SetText("20000000");
  form.base.population.factor.Exit();
  ASSERT_TRUE(form.Messages().empty());
  Analysis larger = ScoreGame();
  larger.populationScore[0] = larger.populationScoreCounted[0] = 200;  // 20000000 * 200 leaves the range
  form.Show(larger, {});
  ASSERT_EQ(form.Messages().size(), 1u);
  EXPECT_EQ(form.Messages()[0], "Population Factor: 20000000 makes the final score too large");
  EXPECT_TRUE(form.base.population.factor.Marked());
  // What the game's arithmetic gives: the product wrapped to a negative number.
  const int32_t wrapped = FinalScorePart(200, 10, 400, 20000000, 230, 460, 1.0);
  ASSERT_LT(wrapped, 0);
  for (const Edit* result : {&form.base.population.finalScore, &form.base.finalScoreSum, &form.base.finalScore})
    EXPECT_EQ(result->Text().find('-'), std::string::npos) << result->Name() << ": " << result->Text();
}

}  // namespace
}  // namespace tolvane::form::testing
