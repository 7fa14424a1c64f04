#include "shell/browser.h"

#include "shell/help_commands.h"
#include "support/data_folder.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;
using Started = std::vector<std::pair<fs::path, std::string>>;

// The scratch document goes to the system's temporary folder, here this test's own.
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
    std::string Said() const
    {
        std::string said;
        for (const Message& m : ui.Messages)
            said += m.Title + ": " + m.Text + (m.Icon == MessageIcon::Exclamation ? " (!)" : "");
        return said;
    }
    std::optional<std::string> m_tmp;
};

TEST_F(Browser, WithoutABrowserSaysSoAfterAskingAboutTheScratchDocument)
{
    RunBrowser(s, ui, std::string("/home/ann/My Pages/soup.htm"));
    EXPECT_EQ(ui.LookedUp, std::vector<std::optional<std::string>>{"\"<HTML> <\\HTML>\"\r\n"});
    EXPECT_EQ(Said(), "Browser Not Found: Could not find your Browser (!)");
    EXPECT_TRUE(ui.Started.empty());
}

TEST_F(Browser, StartsTheBrowserWithTheAddressUnchanged)
{
    ui.SetDocumentProgram("/usr/bin/firefox");
    RunBrowser(s, ui, std::string("/home/ann/My Pages/Soup.htm"));
    EXPECT_EQ(ui.Started, (Started{{"/usr/bin/firefox", "/home/ann/My Pages/Soup.htm"}}));
    EXPECT_EQ(Said(), "");
}

TEST_F(Browser, ABrowserThatDoesNotStartIsReported)
{
    ui.SetDocumentProgram("/usr/bin/firefox");
    ui.FailProgramStarts();
    RunBrowser(s, ui, std::string(kMakerPage));
    EXPECT_EQ(Said(), "URL Failed: Web Page not Opened (!)");
}

TEST_F(Browser, APageInAFolderNamedOutsideTheCodePageIsGivenAsAFileAddress)
{
    EXPECT_EQ(BrowserAddress("/home/ann/Caf\xC3\xA9 Pages/soup.htm"),
              "/home/ann/Caf\xE9 Pages/soup.htm");
    EXPECT_EQ(BrowserAddress("/home/ann/\xFF\xFE Pages/soup.htm"),
              "file:///home/ann/%FF%FE%20Pages/soup.htm");
}

TEST_F(Browser, HelpContentsStartsTheViewerBesideTheProgramWithEightArguments)
{
    s.ProgramFolder = "/opt/pantrix/bin";
    ShowHelpContents(s, ui);
    EXPECT_EQ(ui.Started,
              (Started{{"/opt/pantrix/bin/pantrix-help",
                        "\"-\" \"" + s.DataPath +
                            "px_help/help.htm\" \"Quillfield Website\" "
                            "\"http://www.quillfield.example/px-in.htm\" \"-\" \"-\" \"550\" "
                            "\"640\""}}));
    ShowHelpTopic(s, ui, "Making Web Pages");
    EXPECT_NE(ui.Started.back().second.find("help.htm#Making Web Pages\""), std::string::npos);
    EXPECT_EQ(Said(), "");
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
    EXPECT_EQ(ui.Started, (Started{{"/usr/bin/firefox", "http://host.example/"}}));
    EXPECT_EQ(ui.Messages[0].Text, "Please make sure your internet connection is active!\r\n"
                                   "Continue?");
    VisitMakerWebsite(s, ui);
    EXPECT_EQ(ui.Started.back().second, kMakerPage);
}

} // namespace
} // namespace pantrix
