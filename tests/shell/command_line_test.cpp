#include "shell/command_line.h"

#include <gtest/gtest.h>
#include <vector>

namespace pantrix {
namespace {

TEST(DataDirArgument, TakesTheLastValueByteForByteInEitherForm)
{
    using Line = std::vector<const char*>;
    const std::vector<std::pair<Line, std::optional<std::string>>> cases = {
        {{"pantrix"}, std::nullopt},
        {{"pantrix", "--data-dir", "/srv/\xff\xfe"}, "/srv/\xff\xfe"},
        {{"pantrix", "--data-dir=/srv/\xff\xfe data"}, "/srv/\xff\xfe data"},
        {{"pantrix", "--data-dir=a", "--print-to-pdf", "x", "--data-dir", "b"}, "b"},
        {{"pantrix", "--data-dir", "--data-dir=c"}, "--data-dir=c"},
        {{"pantrix", "--data-dir"}, std::nullopt},
        {{"pantrix", "--data-directory", "d", "--", "--data-dir=e"}, std::nullopt},
    };
    for (const auto& [line, value] : cases) {
        SCOPED_TRACE(line.back());
        EXPECT_EQ(DataDirArgument(static_cast<int>(line.size()), line.data()), value);
    }
}

} // namespace
} // namespace pantrix
