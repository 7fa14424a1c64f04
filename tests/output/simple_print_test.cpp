#include "output/simple_print.h"

#include "support/fake_ui.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace pantrix {
namespace {

using namespace testing;

// What reached the printer: its lines, each followed by the separator, with
// `jobEnd` where each print job ended.
std::string Printout(const FakeUi& ui, const std::string& separator, const std::string& jobEnd)
{
    std::string out;
    auto end = ui.JobEnds.begin();
    for (std::size_t i = 0; i <= ui.Printed.size(); ++i) {
        for (; end != ui.JobEnds.end() && *end == i; ++end)
            out += jobEnd + separator;
        if (i < ui.Printed.size())
            out += ui.Printed[i].Text + separator;
    }
    return out;
}

std::string ReadData(const std::string& name)
{
    std::ifstream in(std::string(PANTRIX_TEST_DATA) + "/output/" + name, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

TEST(SimplePrint, PrintsTheWorkedExampleAtWidthFortyWithItsMargin)
{
    FakeUi ui;
    ASSERT_TRUE(SimplePrint(ui, ReadData("worked_example.txt"), 2, 5, 40, 63));
    EXPECT_EQ(Printout(ui, "\n", "<end of job>"), ReadData("worked_example.printed"));
}

struct Case
{
    const char* behaviour;
    std::string text;
    int width;
    int limit;
    std::string expected; // lines ended by "|", a job's end as "#"; top 2, margin 2
};

const std::string a69(69, 'a');
const std::string a63b16 = std::string(63, 'a') + " " + std::string(16, 'b');

TEST(SimplePrint, BreaksLinesAndPagesByTheCharacterRules)
{
    const Case cases[] = {
        {"a last line without a break prints", "ab\r\ncd", 70, 63, "|||  ab||  cd|#|"},
        {"the text is trimmed, empty lines print nothing, inner spaces stay",
         "  ab\r\n\r\n   \r\n\r\n x \r\n  ", 70, 63, "|||  ab||   x ||#|"},
        {"a space at column 70 ends a 69-character line", a69 + " more words", 70, 63,
         "|||  " + a69 + "|  more words|#|"},
        {"a word from column 65 to 80 stays whole", a63b16 + " next", 70, 63,
         "|||  " + a63b16 + "|  next|#|"},
        {"a CR counts its empty line", "ab\rcd\ref\rgh", 70, 4,
         "|||  ab||  cd||#||||  ef||  gh|#|"},
        {"a lone LF does not", "ab\ncd\nef\ngh", 70, 4, "|||  ab||  cd||  ef||#||||  gh|#|"},
        {"a wrapped line counts one", "aa bb cc dd", 3, 4, "|||  aa|  bb|  cc|#||||  dd|#|"},
        {"a text ending at a page end leaves no blank sheet", "ab\rcd\r\n", 70, 4,
         "|||  ab||  cd||#|"},
        {"a limit below the top puts a line on each page", "ab\rcd", 70, 0,
         "|||  ab||#||||  cd|#|"},
        {"an empty text prints the top's empty lines and ends the job", "   ", 70, 63, "|||#|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.behaviour);
        FakeUi ui;
        EXPECT_TRUE(SimplePrint(ui, c.text, 2, 2, c.width, c.limit));
        EXPECT_EQ(Printout(ui, "|", "#"), c.expected);
    }
}

} // namespace
} // namespace pantrix
