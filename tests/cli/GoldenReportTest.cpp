// The demo save's text report and JSON against the committed reports, byte
// for byte apart from the file date (which follows the checkout). After an
// intended change, `make golden` writes them anew and shows the difference.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "RunReport.h"
#include "UnifiedDiff.h"
#include "save/SaveFile.h"

namespace tolvane::testing {
namespace {

const std::string kSourceDir = TOLVANE_SOURCE_DIR;
const std::string kDemo = "examples/demo.CivWarlordsSave";
constexpr const char* kDatePlaceholder = "<file date>";

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The report of the demo save, with its file date in words.
std::string ReportOfDemo(const std::string& options) {
  const Outcome run = RunReport(kDemo + options, kSourceDir);
  EXPECT_EQ(run.status, 0);
  std::string text = run.out;
  const std::string date = FileDateText(kSourceDir + "/" + kDemo);
  EXPECT_FALSE(date.empty());
  for (size_t at; !date.empty() && (at = text.find(date)) != std::string::npos;)
    text.replace(at, date.size(), kDatePlaceholder);
  return text;
}

TEST(GoldenReport, DemoReportsMatchTheCommittedOnes) {
  const bool update = std::getenv("TOLVANE_UPDATE_GOLDEN") != nullptr;
  for (const auto& [options, file] : {std::pair{"", "demo-report.txt"}, {" --json", "demo-report.json"}}) {
    SCOPED_TRACE(file);
    const std::string path = kSourceDir + "/tests/golden/" + file;
    const std::string report = ReportOfDemo(options);
    if (update) {
      std::ofstream(path, std::ios::binary) << report;
      continue;
    }
    const std::string golden = ReadAll(path);
    ASSERT_FALSE(golden.empty()) << path;
    // A failure shows what changed, as `diff -u` would.
    const std::string difference = UnifiedDiff(golden, report, path, "the report now");
    EXPECT_TRUE(difference.empty()) << "The report differs from " << path
                                    << "; after an intended change, run `make golden` and read the difference.\n"
                                    << difference;
  }
}

}  // namespace
}  // namespace tolvane::testing
