// The line diff that tests print when a long output differs from the
// committed one: hunks and their line numbers as `diff -u` gives them.
#include <gtest/gtest.h>

#include <string>

#include "UnifiedDiff.h"

namespace tolvane::testing {
namespace {

std::string Numbered(int from, int to) {
  std::string text;
  for (int i = from; i <= to; ++i) text += std::to_string(i) + "\n";
  return text;
}

TEST(UnifiedDiff, ShowsEachChangeInItsContext) {
  EXPECT_EQ(UnifiedDiff("a\nb\n", "a\nb\n", "old", "new"), "");
  std::string changed = Numbered(1, 10);
  changed.replace(changed.find("5\n"), 1, "five");
  EXPECT_EQ(UnifiedDiff(Numbered(1, 10), changed, "golden", "report"),
            "--- golden\n+++ report\n@@ -2,7 +2,7 @@\n 2\n 3\n 4\n-5\n+five\n 6\n 7\n 8\n");
  // Changes far apart get a hunk each: a line added on top, the last removed.
  EXPECT_EQ(UnifiedDiff(Numbered(1, 20), "new\n" + Numbered(1, 19), "a", "b"),
            "--- a\n+++ b\n@@ -1,3 +1,4 @@\n+new\n 1\n 2\n 3\n@@ -17,4 +18,3 @@\n 17\n 18\n 19\n-20\n");
  EXPECT_NE(UnifiedDiff("a\nb\n", "a\nb", "a", "b").find("newline"), std::string::npos);
}

}  // namespace
}  // namespace tolvane::testing
