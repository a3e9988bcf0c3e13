// The Replay page.
#include <gtest/gtest.h>

#include "FormFixture.h"

namespace tolvane::form::testing {
namespace {

using Strings = std::vector<std::string>;

TEST_F(ReplayPageTest, LinesTakeTheirColoursAndSessionsArePurple) {
  Analysis a = SmallGame();
  a.replay = {{10, "Founded Rome", 37},
              {11, "War", 38},
              {12, "Grey", 34},
              {13, "Blue", 36},
              {14, "Other", 5},
              {15, "", 38},
              {16, "my session", 34},
              {0, "Session 1", 38},
              {1, "\xD1\xE5\xF1\xF1\xE8\xFF", 36},
              {2, "Lancement de la session", 37},
              {90, "Caf\xE9 built", 0}};
  Show(a);
  EXPECT_EQ(Texts(form_.replay.replay),
            (Strings{"  10 3600BC Founded Rome", "  11 3560BC War", "  12 3520BC Grey", "  13 3480BC Blue",
                     "  14 3440BC Other", "  16 3360BC my session", "   0 4000BC Session 1", "   1 3960BC Ñåññèÿ",
                     "   2 3920BC Lancement de la session", "  90  625BC Café built"}));
  EXPECT_EQ(Colors(form_.replay.replay), (Strings{"#008000", "#FF0000", "#808080", "#0000FF", "#000000", "#808080",
                                                  "#800080", "#800080", "#800080", "#000000"}));
}

}  // namespace
}  // namespace tolvane::form::testing
