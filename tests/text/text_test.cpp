// Single-byte text: the code page, fixed fields, name comparisons, order, lines, numbers.
#include "support/golden.h"
#include "support/story.h"
#include "support/transcript.h"
#include "text/cp1252.h"
#include "text/fields.h"
#include "text/lines.h"
#include "text/number.h"
#include "web/page_names.h"

#include <algorithm>
#include <functional>
#include <map>
#include <numeric>

namespace pantrix {
namespace {

using namespace std::string_literals;
using Parts = std::vector<std::string>;

// Each line is "rule [input] result", in UTF-8, parts split by "|": results worked out again.
const std::map<std::string, std::function<std::string(Parts)>> kRules = {
    {"number", [](Parts p) { return std::to_string(LeadingNumber(p[0])); }},
    {"field", [](Parts p) { return FixedField(p[0], std::stoul(p[1])) + "|"; }},
    {"trim", [](Parts p) { return std::string(Trim(p[0])) + "|"; }},
    {"utf8", [](Parts p) { return p[0]; }}, // read as UTF-8, shown as UTF-8
    {"names",
     [](Parts p) { // E: equal as 30-byte fields; T: trimmed; A: trimmed, any case
         return std::string{"-E"[ExactFieldEqual(p[0], p[1], 30)], "-T"[TrimmedEqual(p[0], p[1])],
                            "-A"[TrimmedEqualAnyCase(p[0], p[1])]};
     }},
    {"sorted", [](Parts p) {
         std::ranges::sort(p, LessNoCase);
         return std::accumulate(p.begin(), p.end(), ""s,
                                [](auto a, auto b) { return a + b + "|"; });
     }}};

// Rules over UTF-8 names and typed text, read and shown as they stand ("\xE8" for
// a byte that is no UTF-8): the characters a box refuses, a file name shown, a
// name written into a page, a page's file name.
const std::map<std::string, std::function<std::string(std::string)>> kNameRules = {
    {"refused", [](std::string s) { return OutsideCodePage(s) + "|"; }},
    {"shown", [](std::string s) { return ShownName(s); }},
    {"page", [](std::string s) { return ToUtf8(ToPageText(s)); }},
    {"page-name", [](std::string s) { return PageName(s); }}};

TEST(Text, FieldsNamesOrderNumbersAndLinesFollowTheirRulesAndEveryByteRoundTrips)
{
    std::string table, all(256, '\0');
    for (const std::string& line : SplitLines(testing::Golden("text/rules.txt"))) {
        const std::size_t open = line.find('['), close = line.rfind("] ");
        const std::string rule = line.substr(0, open - 1);
        const std::string input = line.substr(open + 1, close - open - 1);
        table += line.substr(0, close + 2) +
                 (kNameRules.contains(rule)
                      ? kNameRules.at(rule)(testing::Unescaped(input))
                      : ToUtf8(kRules.at(rule)(testing::Parts(FromUtf8(input), "|")))) +
                 "\n";
    }
    testing::ExpectGolden(table, "text/rules.txt");
    std::iota(all.begin(), all.end(), '\0');
    EXPECT_EQ(FromUtf8(ToUtf8(all)), all);
}

} // namespace
} // namespace pantrix
