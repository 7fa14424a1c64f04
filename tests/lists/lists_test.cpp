// Today's List: its file, the entry commands, and switching, clearing and saving
// lists. Each story's messages, dialogs, list and files are held in its golden
// file under tests/data/lists.
#include "catalogue/catalogue_view.h"
#include "lists/entry_commands.h"
#include "lists/list_commands.h"
#include "lists/todays_list.h"
#include "support/data_folder.h"
#include "support/golden.h"
#include "support/transcript.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;
using namespace std::string_literals;
using Command = void (*)(MainScreenState&, Ui&);
constexpr MessageAnswer Yes = MessageAnswer::Yes, No = MessageAnswer::No;

// Dairy and Produce each hold Milk; the default list holds two entries.
struct Pantry : Workspace
{
    Pantry()
    {
        folder.Write("category.lst", Categories({"Dairy", "Produce"}));
        folder.Write("std_item.lst", Items({{"Dairy", "Milk"}, {"Produce", "Milk"}}));
        folder.Write("My Pantrix.pxl", "*Dairy\xB0 Eggs\r\nproduce\xB0 Apples\r\n");
        LoadCategoryList(s, ui);
        OpenDefaultList(s, ui);
    }
    void Choose(std::string_view name) { ui.AnswerFile(ChosenFile{folder.File(name), ""}); }
};

class Lists : public ::testing::Test, protected Pantry
{
protected:
    // Runs the command with what the user types and answers, and tells the step:
    // what was shown and asked, the list with its ticks and current entry, the files.
    void Run(std::string_view what, Command command, std::vector<std::string> typed = {},
             std::vector<MessageAnswer> answers = {}, Pantry* other = nullptr)
    {
        Pantry& p = other ? *other : *this;
        for (std::string& text : typed)
            p.ui.AnswerInput(std::move(text));
        for (const MessageAnswer answer : answers)
            p.ui.AnswerMessage(answer);
        command(p.s, p.ui);
        std::string told = TakeTranscript(p.ui, p.folder.Path());
        const std::string folderPath = p.folder.Path().string(); // dialogs start there
        for (auto at = told.find(folderPath); at != std::string::npos; at = told.find(folderPath))
            told.replace(at, folderPath.size(), "DATA");
        m_story += "## " + std::string(what) + "\n" + told;
        for (std::size_t i = 0; i < p.s.List.Entries.size(); ++i)
            m_story += std::string(p.s.List.Current == i ? "> " : "  ") +
                       (p.s.List.Entries[i].Checked ? "[x] " : "[ ] ") +
                       OneLine(p.s.List.Entries[i].Text) + "|\n";
        m_story += p.s.ListPanel + "\n" + Listing(p.folder.Path()) + "\n";
    }
    void TearDown() override
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        ExpectGolden(m_story, "lists/" + std::string(test->name()) + ".txt");
    }
    std::string m_story;
};

const Command kNothing = [](MainScreenState&, Ui&) {};

// Every line is an entry, read in order; entries are written trimmed, empty ones
// left out, and never so that they read back as another entry.
TEST_F(Lists, TheListFileKeepsEachEntryWithItsTick)
{
    folder.Write("My Pantrix.pxl", "*\r\n\r\n  spaced  \r\n**two\r\nb\na\rx\0y"s);
    Run("read", OpenDefaultList);
    s.List.Entries.push_back({"*milk", false});
    s.List.Entries.push_back({"Milk\r*x\n", false});
    Run("written", [](auto& s, Ui&) { EXPECT_TRUE(WriteListFile(s)); });
    EXPECT_EQ(ListNameFromPath("C:\\lists\\Party.pxl") + ListNameFromPath(".pxl"), "Party");
}

TEST_F(Lists, EntriesAreAddedOnceInOrderChangedTickedAndRemoved)
{
    Run("read at start", kNothing);
    for (const std::size_t category : {1, 0, 0}) {
        SelectCategory(s, ui, category);
        SelectItem(s, 0);
        Run("a catalogue item added once, in order, and made current", AddFromCatalogue);
    }
    EXPECT_TRUE(s.Catalogue.StdEdit.empty());
    EXPECT_TRUE(CheckForDuplicate(s.List, " Dairy\xB0 Eggs "));
    EXPECT_FALSE(CheckForDuplicate(s.List, "dairy\xB0 Eggs"));
    SelectCategory(s, ui, 0);
    Run("Enter without a current item: the category part alone", AddFromCatalogue);
    for (const std::string& typed : {std::string(40, 'c'), std::string(40, 'c'), ""s})
        Run("a one-time item, cut to 30, may stand twice", AddOneTimeItem, {typed});
    s.List.Current.reset();
    Run("nothing current: no question", ModifyCurrentEntry);
    Run("nothing current: nothing removed", [](MainScreenState& s, Ui&) { RemoveCurrentEntry(s); });
    SelectEntry(s, 99);
    SelectEntry(s, 1);
    Run("modify cancelled", ModifyCurrentEntry, {""});
    Run("modified: cut, unticked, filed by its text", ModifyCurrentEntry,
        {"zucchini " + std::string(70, 'z')});
    SelectEntry(s, 0);
    Run("modified to another entry's text: both stay", ModifyCurrentEntry, {"Dairy\xB0 Milk"});
    SetEntryChecked(s, 3, true);
    SetEntryChecked(s, 99, true);
    Run("removed", [](MainScreenState& s, Ui&) { RemoveCurrentEntry(s); });
    MainScreenState nothing = folder.State();
    AddFromCatalogue(nothing, ui);
    CenterOn(nothing.List, "a");
    EXPECT_TRUE(nothing.List.Entries.empty() && !nothing.List.Current);
    CenterOn(s.List, "nothing like it"); // with no equal entry, the last
    EXPECT_EQ(s.List.Current, s.List.Entries.size() - 1);
}

TEST_F(Lists, SwitchingWritesTheOldListThenReadsOrCreatesTheChosenOne)
{
    ui.AnswerFile(std::nullopt);
    Run("cancelled", SelectList);
    // The chosen file, what it holds ("-": nothing), the answer to "Create new list?".
    const std::tuple<std::string, std::string, std::optional<MessageAnswer>> cases[] = {
        {"Groceries.PXL", "-", std::nullopt},
        {"Groceries.pxl", "-", Yes},
        {"Empty.pxl", "", No},
        {"Party.pxl", "Snacks\xB0 Chips\r\n", std::nullopt},
        {"My Pantrix.pxl", "-", std::nullopt}};
    for (const auto& [chosen, held, create] : cases) {
        Pantry w;
        w.s.List.Entries.push_back({"special\xB0 Candles", false});
        if (held != "-")
            w.folder.Write(chosen, held);
        w.Choose(chosen);
        Run(chosen, SelectList, {}, create ? std::vector{*create} : std::vector<MessageAnswer>{},
            &w);
    }
}

TEST_F(Lists, AFileNamedOutsideTheCodePageIsReadAndWrittenAtItsOwnPath)
{
    fs::create_directory(folder.File("Łukasz"));
    folder.Write("Łukasz/Список.pxl", "Snacks\xB0 Chips\r\n");
    Choose("Łukasz/Список.pxl");
    Run("read", SelectList);
    s.List.Entries.push_back({"Snacks\xB0 Nuts", true});
    Choose("My Pantrix.pxl");
    Run("written", SelectList);
}

TEST_F(Lists, ClearingAsksFirstThenEmptiesTheListAndDeletesItsFile)
{
    Run("not cleared", ClearList, {}, {No});
    s.List.ReadFailed = true; // once its file is deleted, the list may be written again
    Run("cleared", ClearList, {}, {Yes});
    EXPECT_TRUE(SaveListBeforeLeaving(s, ui));
    EXPECT_EQ(folder.Read("My Pantrix.pxl"), "");
}

TEST_F(Lists, AListFileThatCouldNotBeReadIsNeitherWrittenOverNorDeleted)
{
    fs::remove(folder.File("My Pantrix.pxl"));
    fs::create_directories(folder.File("My Pantrix.pxl/kept"));
    Run("not read", OpenDefaultList);
    s.List.Entries.push_back({"special\xB0 Candles", false});
    Run("cleared, not deleted", ClearList, {}, {Yes});
    ui.AnswerMessage(No);
    ui.AnswerMessage(Yes);
    EXPECT_FALSE(SaveListBeforeLeaving(s, ui));
    EXPECT_TRUE(SaveListBeforeLeaving(s, ui));
    Run("leaving: asked, No then Yes", kNothing);
    Choose("Party.pxl");
    Run("nor left for another list", SelectList, {}, {Yes});
}

} // namespace
} // namespace pantrix
