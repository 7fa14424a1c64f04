#include "web/page_style.h"

#include "shell/start_up.h"
#include "support/data_folder.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;

class PageStyle : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override
    {
        LoadSettings(s, ui);
        view = OpenPageStyle(s.Settings);
    }
    std::string Stored(std::size_t offset, std::size_t width)
    {
        return folder.Read("px31.cfg").substr(offset, width);
    }
    PageStyleView view;
};

TEST_F(PageStyle, OpensWithTheDefaultsAsAllChecked10PointArialBlackOnWhite)
{
    EXPECT_TRUE(view.UseBackGraphic && view.UseTopGraphic && view.UseSideGraphic);
    EXPECT_TRUE(view.IncludeList);
    EXPECT_EQ(view.PageWidth, "640");
    EXPECT_EQ(view.Sample.Caption, "Arial");
    EXPECT_EQ(view.Sample.Points, 10.0f);
    EXPECT_EQ(view.Sample.BackColor, 0xFFFFFF);
    EXPECT_EQ(view.Sample.FontColor, 0);
}

TEST_F(PageStyle, AFontSizeIsStoredByTheSizeTableAndAnOddFractionLeavesIt)
{
    const struct
    {
        float points;
        const char* stored;
        const char* caption;
    } cases[] = {{8, "82", "Verdana - 8"},       {14, "115", "Verdana - 14"},
                 {72, "250", "Verdana - 72"},    {6, "80", "Verdana - 6"},
                 {80, "260", "Verdana - 80"},    {30.5f, "170", "Verdana - 30.5"},
                 {12.5f, "99", "Verdana - 12.5"}};
    for (const auto& c : cases) {
        s.Settings.PageFontSize = "99";
        ui.AnswerFont(FontChoice{"Verdana", c.points});
        PickFont(s, ui, view);
        EXPECT_EQ(s.Settings.PageFontSize, c.stored) << c.points;
        EXPECT_EQ(view.Sample.Caption, c.caption);
    }
    EXPECT_EQ(s.Settings.PageFontName, "Verdana");
    EXPECT_EQ(ui.FontDialogs[0].Face, "Arial");
}

TEST_F(PageStyle, TheWidthMovesByTenWithoutBoundsAndIsSavedAsShown)
{
    const struct
    {
        int less, more;
        const char* shown;
    } cases[] = {{70, 0, "-60"}, {0, 3, "670"}, {2, 2, "640"}};
    for (const auto& c : cases) {
        view.PageWidth = "640";
        for (int i = 0; i < c.less; ++i)
            NarrowPage(view);
        for (int i = 0; i < c.more; ++i)
            WidenPage(view);
        EXPECT_EQ(view.PageWidth, c.shown);
    }
    view.PageWidth = "-60";
    ASSERT_TRUE(SavePageStyle(s, ui, view));
    EXPECT_EQ(Stored(204, 5), "-60  ");
}

// Picks are kept in memory at once; check boxes and width only by Preview or Save.
TEST_F(PageStyle, EachWayOutLeavesItsOwnShareOfTheChoicesInMemoryAndOnDisk)
{
    enum class Out
    {
        Quit,
        Preview,
        Save
    };
    for (Out out : {Out::Quit, Out::Preview, Out::Save}) {
        LoadSettings(s, ui);
        view = OpenPageStyle(s.Settings);
        ui.AnswerColour(0x4080FF);
        PickBackColor(s, ui, view);
        view.UseTopGraphic = view.IncludeList = false;
        NarrowPage(view);
        if (out == Out::Preview)
            PreviewPageStyle(s, ui, view);
        if (out == Out::Save) {
            ASSERT_TRUE(SavePageStyle(s, ui, view));
        }
        const bool copied = out != Out::Quit;
        EXPECT_EQ(s.Settings.PageBackColor, "4227327");
        EXPECT_EQ(s.Settings.UseTopGraphic, copied ? "N" : "Y");
        EXPECT_EQ(s.Settings.PageWidth, copied ? "630" : "640  ");
        EXPECT_EQ(s.Settings.IncludeIngredientList, out == Out::Save ? "N" : "Y");
        EXPECT_EQ(Stored(184, 7), out == Out::Save ? "4227327" : "1677721");
    }
}

TEST_F(PageStyle, CancelledDialogsChangeNothing)
{
    const SettingsRecord before = s.Settings;
    ui.AnswerColour(std::nullopt);
    ui.AnswerColour(std::nullopt);
    ui.AnswerFont(std::nullopt);
    ui.AnswerFile(std::nullopt);
    PickBackColor(s, ui, view);
    PickFontColor(s, ui, view);
    PickFont(s, ui, view);
    EXPECT_FALSE(PickGraphic(s, ui, PageGraphic::Top));
    EXPECT_EQ(EncodeSettings(s.Settings), EncodeSettings(before));
    EXPECT_EQ(view.Sample.Caption, "Arial");
    EXPECT_EQ(ui.ColourDialogs, (std::vector<long>{0xFFFFFF, 0}));
}

TEST_F(PageStyle, TheGraphicsFolderFollowsTheLastPickForAllThree)
{
    ui.AnswerFile(ChosenFile{"/pics/a/Top.GIF", "Top.GIF"});
    ui.AnswerFile(ChosenFile{"/pics/b c/side.jpg", "side.jpg"});
    ui.AnswerFile(std::nullopt);
    EXPECT_TRUE(PickGraphic(s, ui, PageGraphic::Top));
    EXPECT_TRUE(PickGraphic(s, ui, PageGraphic::Side));
    EXPECT_FALSE(PickGraphic(s, ui, PageGraphic::Back));
    ASSERT_EQ(ui.FileDialogs.size(), 3u);
    EXPECT_EQ(ui.FileDialogs[0].Folder, folder.Path() / "graphics/");
    EXPECT_EQ(ui.FileDialogs[1].Folder, "/pics/a/");
    EXPECT_EQ(ui.FileDialogs[2].Folder, "/pics/b c/");
    EXPECT_EQ(ui.FileDialogs[2].Title, "Select a background graphic...");
    EXPECT_EQ(ui.FileDialogs[2].Filters[0].Pattern, "*.gif;*.jpg;*.jpeg;*.bmp");
    EXPECT_EQ(GraphicPath(s.Settings, PageGraphic::Top), "/pics/a/Top.GIF");
    EXPECT_EQ(GraphicPath(s.Settings, PageGraphic::Side), "/pics/b c/side.jpg");
    EXPECT_EQ(GraphicPath(s.Settings, PageGraphic::Back), s.DataPath + "graphics/backsample.gif");
}

} // namespace
} // namespace pantrix
