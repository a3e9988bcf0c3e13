#include "UnifiedDiff.h"

#include <fmt/format.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

namespace tolvane::testing {

namespace {

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    lines.push_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return lines;
}

struct Step {
  char kind;  // ' ' in both, '-' only in the expected text, '+' only in the actual one
  std::string_view line;
};

// The steps from `a` to `b` through a longest common subsequence of their
// lines; a middle part too large for the table is shown as removed and
// added whole.
void AppendMiddle(std::span<const std::string_view> a, std::span<const std::string_view> b, std::vector<Step>& steps) {
  constexpr size_t kMaxCells = size_t(1) << 22;
  if (a.size() * b.size() > kMaxCells) {
    for (std::string_view line : a) steps.push_back({'-', line});
    for (std::string_view line : b) steps.push_back({'+', line});
    return;
  }
  // common[i][j]: the longest common subsequence of a[i..] and b[j..].
  const size_t width = b.size() + 1;
  std::vector<uint32_t> common((a.size() + 1) * width, 0);
  for (size_t i = a.size(); i-- > 0;)
    for (size_t j = b.size(); j-- > 0;)
      common[i * width + j] = a[i] == b[j] ? common[(i + 1) * width + j + 1] + 1
                                           : std::max(common[(i + 1) * width + j], common[i * width + j + 1]);
  size_t i = 0, j = 0;
  while (i < a.size() || j < b.size()) {
    if (i < a.size() && j < b.size() && a[i] == b[j]) {
      steps.push_back({' ', a[i++]});
      ++j;
    } else if (j == b.size() || (i < a.size() && common[(i + 1) * width + j] >= common[i * width + j + 1])) {
      steps.push_back({'-', a[i++]});
    } else {
      steps.push_back({'+', b[j++]});
    }
  }
}

}  // namespace

std::string UnifiedDiff(std::string_view expected, std::string_view actual, std::string_view expectedName,
                        std::string_view actualName, size_t context) {
  if (expected == actual) return {};
  const std::vector<std::string_view> a = Lines(expected), b = Lines(actual);
  size_t prefix = 0, suffix = 0;
  while (prefix < a.size() && prefix < b.size() && a[prefix] == b[prefix]) ++prefix;
  while (suffix < a.size() - prefix && suffix < b.size() - prefix &&
         a[a.size() - 1 - suffix] == b[b.size() - 1 - suffix])
    ++suffix;
  std::vector<Step> steps;
  for (size_t k = 0; k < prefix; ++k) steps.push_back({' ', a[k]});
  AppendMiddle(std::span(a).subspan(prefix, a.size() - prefix - suffix),
               std::span(b).subspan(prefix, b.size() - prefix - suffix), steps);
  for (size_t k = a.size() - suffix; k < a.size(); ++k) steps.push_back({' ', a[k]});

  // The line numbers before each step.
  std::vector<size_t> lineA(steps.size() + 1, 0), lineB(steps.size() + 1, 0);
  for (size_t k = 0; k < steps.size(); ++k) {
    lineA[k + 1] = lineA[k] + (steps[k].kind != '+');
    lineB[k + 1] = lineB[k] + (steps[k].kind != '-');
  }
  std::string out = fmt::format("--- {}\n+++ {}\n", expectedName, actualName);
  size_t next = 0;
  while (true) {
    size_t first = next;
    while (first < steps.size() && steps[first].kind == ' ') ++first;
    if (first == steps.size()) break;
    // Changes closer than twice the context share a hunk.
    size_t last = first;
    for (size_t k = first + 1; k < steps.size() && k <= last + 2 * context; ++k)
      if (steps[k].kind != ' ') last = k;
    const size_t begin = std::max(next, first >= context ? first - context : 0);
    const size_t end = std::min(steps.size(), last + context + 1);
    const size_t countA = lineA[end] - lineA[begin], countB = lineB[end] - lineB[begin];
    out += fmt::format("@@ -{},{} +{},{} @@\n", lineA[begin] + (countA ? 1 : 0), countA,
                       lineB[begin] + (countB ? 1 : 0), countB);
    for (size_t k = begin; k < end; ++k) out += fmt::format("{}{}\n", steps[k].kind, steps[k].line);
    next = end;
  }
  // The last lines differ only in their end: one text ends without a newline.
  if (out.find("\n@@") == std::string::npos) out += "(the texts differ only in the newline at their end)\n";
  return out;
}

}  // namespace tolvane::testing
