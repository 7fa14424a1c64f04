#include "shell/browser.h"

#include "shell/help_commands.h"
#include "support/data_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;
using Started = std::vector<std::pair<fs::path, std::string>>;

// The scratch document goes to the system's temporary folder, here this test's
// own, and is gone after every command.
class Browser : public ::testing::Test, protected Workspace
{
protected:
    void SetUp() override
    {
        if (const char* tmp = std::getenv("TMPDIR"))
            m_tmp = tmp;
        ::setenv("TMPDIR", folder.Path().c_str(), 1);
    }
    void TearDown() override
    {
        m_tmp ? ::setenv("TMPDIR", m_tmp->c_str(), 1) : ::unsetenv("TMPDIR");
        EXPECT_FALSE(folder.Exists("junk.HTM"));
    }
    void ExpectWarning(const std::string& title, const std::string& text)
    {
        ASSERT_EQ(ui.Messages.size(), 1u);
        EXPECT_EQ(ui.Messages[0].Title + ": " + ui.Messages[0].Text, title + ": " + text);
        EXPECT_EQ(ui.Messages[0].Icon, MessageIcon::Exclamation);
    }
    std::optional<std::string> m_tmp;
};

TEST_F(Browser, WithoutABrowserSaysSoAfterAskingAboutTheScratchDocument)
{
    RunBrowser(s, ui, "/home/ann/My Pages/soup.htm");
    EXPECT_EQ(ui.LookedUp, std::vector<std::optional<std::string>>{"\"<HTML> <\\HTML>\"\r\n"});
    ExpectWarning("Browser Not Found", "Could not find your Browser");
    EXPECT_TRUE(ui.Started.empty());
}

TEST_F(Browser, StartsTheBrowserWithTheAddressUnchangedAndReportsAFailedStart)
{
    ui.SetDocumentProgram("/usr/bin/firefox");
    RunBrowser(s, ui, "/home/ann/My Pages/Soup.htm");
    EXPECT_EQ(ui.Started, (Started{{"/usr/bin/firefox", "/home/ann/My Pages/Soup.htm"}}));
    ui.FailProgramStarts();
    RunBrowser(s, ui, fs::path("/home/ann/\xFF\xFE Pages/soup.htm"));
    EXPECT_EQ(ui.Started.back().second, "file:///home/ann/%FF%FE%20Pages/soup.htm");
    ExpectWarning("URL Failed", "Web Page not Opened");
}

TEST_F(Browser, HelpContentsStartsTheViewerBesideTheProgramWithEightArguments)
{
    s.ProgramFolder = "/opt/pantrix/bin";
    ShowHelpContents(s, ui);
    ShowHelpTopic(s, ui, "Making Web Pages");
    const std::string rest =
        "\" \"Quillfield Website\" \"http://www.quillfield.example/px-in.htm\" "
        "\"-\" \"-\" \"550\" \"640\"";
    EXPECT_EQ(ui.Started,
              (Started{{"/opt/pantrix/bin/pantrix-help",
                        "\"-\" \"" + s.DataPath + "px_help/help.htm" + rest},
                       {"/opt/pantrix/bin/pantrix-help",
                        "\"-\" \"" + s.DataPath + "px_help/help.htm#Making Web Pages" + rest}}));
    EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(Browser, TheHostSiteOpensOnlyOnceTheUserIsOnline)
{
    ui.SetDocumentProgram("/usr/bin/firefox");
    s.HostWebAddress = "http://host.example/";
    ui.AnswerMessage(MessageAnswer::No);
    VisitHostWebsite(s, ui);
    EXPECT_TRUE(ui.LookedUp.empty());
    ui.AnswerMessage(MessageAnswer::Yes);
    VisitHostWebsite(s, ui);
    VisitMakerWebsite(s, ui);
    EXPECT_EQ(ui.Started, (Started{{"/usr/bin/firefox", "http://host.example/"},
                                   {"/usr/bin/firefox", std::string(kMakerPage)}}));
    EXPECT_EQ(ui.Messages[0].Text,
              "Please make sure your internet connection is active!\r\nContinue?");
}

} // namespace
} // namespace pantrix
