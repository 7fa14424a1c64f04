// Today's List: its file, the entry commands, and switching, clearing and saving lists.
#include "catalogue/catalogue_view.h"
#include "lists/entry_commands.h"
#include "lists/list_commands.h"
#include "lists/list_file.h"
#include "support/data_folder.h"

#include <gtest/gtest.h>

namespace pantrix {
namespace {

using namespace testing;
using namespace std::string_literals;
using Entries = std::vector<ListEntry>;

const std::string kHeld = "*Dairy\xB0 Eggs\r\nproduce\xB0 Apples\r\n";

// Dairy and Produce each hold Milk; the default list holds two entries.
struct Pantry : Workspace
{
    Pantry()
    {
        folder.Write("category.lst", Categories({"Dairy", "Produce"}));
        folder.Write("std_item.lst", Items({{"Dairy", "Milk"}, {"Produce", "Milk"}}));
        folder.Write("My Pantrix.pxl", kHeld);
        LoadCategoryList(s, ui);
        OpenDefaultList(s, ui);
    }
    void Choose(std::string_view name) { ui.AnswerFile(ChosenFile{folder.File(name), ""}); }
};

class Lists : public ::testing::Test, protected Pantry
{
};

TEST(ListFile, EntriesAreWrittenTrimmedWithTheirTicksAndReadBackInOrder)
{
    EXPECT_EQ(FormatListFile({{"Dairy\xB0 Milk   ", true},
                              {"    ", true},
                              {"", false},
                              {"*milk", false},
                              {"Milk\r*x\n", false},
                              {"  a  ", false}}),
              "*Dairy\xB0 Milk\r\n *milk\r\nMilk *x \r\na\r\n");
    EXPECT_EQ(ParseListFile("*\r\n\r\n  spaced  \r\n**two\r\nb\na\rx\0y"s),
              (Entries{{"", true},
                       {"", false},
                       {"  spaced  ", false},
                       {"*two", true},
                       {"a", false},
                       {"b", false},
                       {"x\0y"s, false}}));
    EXPECT_EQ(ListNameFromPath("C:\\lists\\Party.pxl") + ListNameFromPath(".pxl"), "Party");
}

TEST_F(Lists, ACatalogueItemIsAddedOnceInOrderAndMadeCurrent)
{
    EXPECT_EQ(s.ListPanel, "2 Items listed for: My Pantrix");
    for (const std::size_t category : {1, 0, 0}) {
        SelectCategory(s, ui, category);
        SelectItem(s, 0);
        AddFromCatalogue(s, ui);
    }
    const std::string milk = "\xB0 Milk" + std::string(26, ' ');
    EXPECT_EQ(s.List.Entries, (Entries{{"Dairy\xB0 Eggs", true},
                                       {"Dairy" + milk, false},
                                       {"produce\xB0 Apples", false},
                                       {"Produce" + milk, false}}));
    EXPECT_EQ(s.List.Current, 1u);
    EXPECT_EQ(s.ListPanel, "4 Items listed for: My Pantrix");
    EXPECT_TRUE(s.Catalogue.StdEdit.empty());
    EXPECT_TRUE(CheckForDuplicate(s.List, " Dairy\xB0 Eggs "));
    EXPECT_FALSE(CheckForDuplicate(s.List, "dairy\xB0 Eggs"));
    SelectCategory(s, ui, 0); // Enter without a current item: the category part alone
    AddFromCatalogue(s, ui);
    EXPECT_EQ(s.List.Entries[0].Text, "Dairy\xB0 ");
    MainScreenState nothing = folder.State();
    AddFromCatalogue(nothing, ui);
    EXPECT_TRUE(nothing.List.Entries.empty());
}

TEST_F(Lists, AOneTimeItemIsCutToThirtyAndMayStandTwice)
{
    for (const std::string& answer : {std::string(40, 'c'), std::string(40, 'c'), ""s})
        ui.AnswerInput(answer);
    for (int i = 0; i < 3; ++i)
        AddOneTimeItem(s, ui);
    EXPECT_EQ(ui.Inputs[0], (InputRequest{"Special item...\r\n\r\n(maximum length of item "
                                          "limited to 30 characters)",
                                          "One-time item", ""}));
    const ListEntry candles{"special\xB0 " + std::string(30, 'c'), false};
    EXPECT_EQ(s.List.Entries,
              (Entries{{"Dairy\xB0 Eggs", true}, {"produce\xB0 Apples", false}, candles, candles}));
    EXPECT_EQ(s.ListPanel, "4 Items listed for: My Pantrix");
}

TEST_F(Lists, EntriesAreModifiedTickedAndRemovedOnlyWhenCurrent)
{
    ModifyCurrentEntry(s, ui); // nothing current: no question
    RemoveCurrentEntry(s);
    SelectEntry(s, 9);
    SelectEntry(s, 0);
    ui.AnswerInput("");
    ModifyCurrentEntry(s, ui);
    ui.AnswerInput("zucchini " + std::string(70, 'z'));
    ModifyCurrentEntry(s, ui);
    EXPECT_EQ(ui.Inputs[1], (InputRequest{"Modify item...", "Make changes", "Dairy\xB0 Eggs"}));
    const std::string zucchini = "zucchini " + std::string(53, 'z');
    EXPECT_EQ(s.List.Entries, (Entries{{"produce\xB0 Apples", false}, {zucchini, false}}));
    EXPECT_EQ(s.List.Current, 1u);
    SetEntryChecked(s, 0, true);
    SetEntryChecked(s, 7, true);
    RemoveCurrentEntry(s);
    EXPECT_EQ(s.List.Entries, (Entries{{"produce\xB0 Apples", true}}));
    EXPECT_EQ(s.ListPanel, "1 Items listed for: My Pantrix");
}

TEST(SelectList, WritesTheOldListThenReadsOrCreatesTheChosenOne)
{
    // The chosen file, what it holds, the answer to "Create new list?", the count shown.
    const std::tuple<std::string, std::optional<std::string>, std::optional<MessageAnswer>,
                     std::string>
        cases[] = {
            {"Groceries.PXL", std::nullopt, std::nullopt, "2 Items listed for: My Pantrix"},
            {"Groceries.pxl", std::nullopt, MessageAnswer::Yes, "0 Items listed for: Groceries"},
            {"Empty.pxl", "", MessageAnswer::No, "2 Items listed for: My Pantrix"},
            {"Party.pxl", "Snacks\xB0 Chips\r\n", std::nullopt, "1 Items listed for: Party"},
            {"My Pantrix.pxl", kHeld, std::nullopt, "3 Items listed for: My Pantrix"}};
    for (const auto& [chosen, held, create, panel] : cases) {
        SCOPED_TRACE(chosen);
        Pantry w;
        w.s.List.Entries.push_back({"special\xB0 Candles", false});
        if (held)
            w.folder.Write(chosen, *held);
        w.Choose(chosen);
        if (create)
            w.ui.AnswerMessage(*create);
        SelectList(w.s, w.ui);
        const bool switched = !panel.starts_with("2 ");
        std::vector<Message> told;
        if (create)
            told = {{"Create new list file " + w.folder.File(chosen).string() + " ?",
                     "Create new list?", MessageIcon::None, MessageButtons::YesNo,
                     MessageAnswer::Yes}};
        else if (!switched)
            told = {{"Not a valid Pantrix! list file!", "Try again!", MessageIcon::Information}};
        EXPECT_EQ(w.ui.Messages, told);
        EXPECT_EQ(w.s.ListPanel, panel);
        EXPECT_EQ(w.folder.Exists(chosen), switched);
        EXPECT_EQ(w.folder.Read("My Pantrix.pxl"),
                  switched ? kHeld + "special\xB0 Candles\r\n" : kHeld);
    }
}

TEST_F(Lists, AFileNamedOutsideTheCodePageIsReadAndWrittenAtItsOwnPath)
{
    ui.AnswerFile(std::nullopt);
    SelectList(s, ui);
    const FileDialogRequest& dialog = ui.FileDialogs.at(0);
    EXPECT_EQ(dialog.Title + "|" + dialog.PresetName + "|" + dialog.Filters.at(0).Description +
                  "|" + dialog.Filters[0].Pattern,
              "Select a file...|My Pantrix.pxl|Pantrix! list files|*.pxl");
    EXPECT_EQ(s.List.Name, "My Pantrix");
    fs::create_directory(folder.File("Łukasz"));
    folder.Write("Łukasz/Список.pxl", "Snacks\xB0 Chips\r\n");
    Choose("Łukasz/Список.pxl");
    SelectList(s, ui);
    EXPECT_EQ(s.ListPanel, "1 Items listed for: ??????");
    s.List.Entries.push_back({"Snacks\xB0 Nuts", true});
    Choose("My Pantrix.pxl");
    SelectList(s, ui);
    EXPECT_EQ(folder.Read("Łukasz/Список.pxl"), "Snacks\xB0 Chips\r\n*Snacks\xB0 Nuts\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.File("Łukasz")), {}), 1);
}

TEST_F(Lists, ClearingAsksFirstThenEmptiesTheListAndDeletesItsFile)
{
    ui.AnswerMessage(MessageAnswer::No);
    ClearList(s, ui);
    EXPECT_EQ(s.List.Entries.size(), 2u);
    EXPECT_EQ(ui.Messages, (std::vector<Message>{{"Clear My Pantrix and Start Over ?", "Confirm",
                                                  MessageIcon::Question, MessageButtons::YesNo,
                                                  MessageAnswer::No}}));
    s.List.ReadFailed = true; // once its file is deleted, the list may be written again
    ui.AnswerMessage(MessageAnswer::Yes);
    ClearList(s, ui);
    EXPECT_TRUE(s.List.Entries.empty());
    EXPECT_FALSE(folder.Exists("My Pantrix.pxl"));
    EXPECT_EQ(s.ListPanel, "0 Items listed for: My Pantrix");
    EXPECT_TRUE(SaveListBeforeLeaving(s, ui));
    EXPECT_EQ(folder.Read("My Pantrix.pxl"), "");
}

TEST_F(Lists, AListFileThatCouldNotBeReadIsNeitherWrittenOverNorDeleted)
{
    fs::remove(folder.File("My Pantrix.pxl"));
    fs::create_directories(folder.File("My Pantrix.pxl/kept"));
    OpenDefaultList(s, ui);
    s.List.Entries.push_back({"special\xB0 Candles", false});
    ui.AnswerMessage(MessageAnswer::Yes);
    ClearList(s, ui);
    EXPECT_TRUE(s.List.Entries.empty());
    ASSERT_EQ(ui.Messages.size(), 3u); // the failed read, the question, the failed delete
    EXPECT_EQ(ui.Messages[2].Icon, MessageIcon::Exclamation);
    ui.AnswerMessage(MessageAnswer::No);
    EXPECT_FALSE(SaveListBeforeLeaving(s, ui));
    EXPECT_EQ(ui.Messages.back().Title, "Today's List not saved");
    EXPECT_EQ(ui.Messages.back().DefaultButton, MessageAnswer::No);
    ui.AnswerMessage(MessageAnswer::Yes);
    EXPECT_TRUE(SaveListBeforeLeaving(s, ui));
    Choose("Party.pxl"); // nor does the list switch away from it
    ui.AnswerMessage(MessageAnswer::Yes);
    SelectList(s, ui);
    EXPECT_NE(ui.Messages.back().Text.find("My Pantrix.pxl"), std::string::npos);
    EXPECT_EQ(s.List.Name, "My Pantrix");
    EXPECT_FALSE(folder.Exists("Party.pxl"));
    EXPECT_TRUE(fs::exists(folder.File("My Pantrix.pxl/kept")));
}

} // namespace
} // namespace pantrix
