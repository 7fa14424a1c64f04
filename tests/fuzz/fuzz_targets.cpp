// One fuzz target per reader, the program's name after its first "_" naming it: a broken
// promise aborts, so libFuzzer keeps the input, and main replays the seed corpus and every
// input that failed.
#include "catalogue/catalogue_records.h"
#include "catalogue/catalogue_text.h"
#include "catalogue/catalogue_view.h"
#include "catalogue/import_export.h"
#include "lists/list_file.h"
#include "output/simple_print.h"
#include "platform/record_file.h"
#include "recipes/recipe_files.h"
#include "settings/settings_record.h"
#include "support/data_folder.h"
#include "support/test_failure.h"
#include "text/cp1252.h"
#include "text/fields.h"
#include "text/lines.h"
#include "web/recipe_page.h"
#include "web/text_to_html.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>

using namespace pantrix;

namespace {

void Check(bool holds, const std::string& promise)
{
    if (!holds)
        std::fprintf(stderr, "broken: %s\n", promise.c_str()), std::abort();
}

// One data folder for the whole run, written over by the targets that use it.
const testing::TestFolder kScratch;

// "px31.cfg": saved as read, a short file completed from the defaults, extra bytes dropped.
void SettingsRecordTarget(std::string_view bytes)
{
    const SettingsRecord fallback = DefaultSettings("/home/cook/.local/share/pantrix/");
    const SettingsRecord record = DecodeSettings(bytes, fallback);
    const std::string written = EncodeSettings(record),
                      read(bytes.substr(0, kSettingsRecordLength));
    Check(written == read + EncodeSettings(fallback).substr(read.size()), "saved as read");
    for (const auto flag :
         {&SettingsRecord::ToolTips, &SettingsRecord::PrintTwoColumns, &SettingsRecord::BoldFonts,
          &SettingsRecord::LargePrint, &SettingsRecord::IncludeIngredientList}) {
        SettingsRecord changed = record;
        const bool on = ReadFlag(record.*flag) != Flag::Yes;
        changed.*flag = FlagText(on);
        Check(ReadFlag(DecodeSettings(EncodeSettings(changed), fallback).*flag) ==
                  (on ? Flag::Yes : Flag::No),
              "a switched option reads back switched");
    }
}

// The catalogue's record files, the first two bytes saying where the first ends.
void RecordFileTarget(std::string_view bytes)
{
    const std::size_t split =
        bytes.size() < 2 ? 0 : ((bytes[0] & 0xFF) | (bytes[1] & 0xFF) << 8) % (bytes.size() - 1);
    const std::string_view rest = bytes.substr(std::min<std::size_t>(bytes.size(), 2));
    for (const auto& [name, length, records] :
         {std::tuple(kCategoryFile, kCategoryRecordLength, rest.substr(0, split)),
          std::tuple(kItemFile, kItemRecordLength, rest.substr(split))}) {
        kScratch.Write(name, records);
        const RecordFile file(kScratch.File(name), length);
        const std::string whole(records.substr(0, records.size() / length * length));
        const auto block = file.ReadAll();
        Check(block.ok() && block.value().WholeRecords() == whole, "whole records are read");
        const std::string added = ItemRecord("Dairy", "Milk").substr(0, length);
        Check(file.Append(added).ok() && kScratch.Read(name) == whole + added,
              "an append keeps the whole records and drops the trailing part");
        Check(file.WriteRecord(whole.size() / length + 3, added).ok() &&
                  kScratch.Read(name) == whole + added + std::string(length, '\0') + added,
              "a record written past the end follows NULs");
    }
    MainScreenState s = kScratch.State();
    testing::FakeUi ui;
    LoadCategoryList(s, ui);
    Check(s.Catalogue.CatList.size() == split / kCategoryRecordLength + 3,
          "every category is listed");
}

// ".pxl": a saved list reopens trimmed and without empty entries, otherwise the same.
void ListFileTarget(std::string_view bytes)
{
    const std::vector<ListEntry> entries = ParseListFile(bytes);
    Check(
        entries.size() == SplitLines(bytes).size() &&
            std::is_sorted(entries.begin(), entries.end(),
                           [](const auto& a, const auto& b) { return LessNoCase(a.Text, b.Text); }),
        "every line is an entry, in order");
    const auto shown = [](const std::vector<ListEntry>& list) {
        std::vector<std::pair<std::string, bool>> trimmed;
        for (const ListEntry& entry : list)
            if (!Trim(entry.Text).empty())
                trimmed.emplace_back(Trim(entry.Text), entry.Checked);
        std::sort(trimmed.begin(), trimmed.end());
        return trimmed;
    };
    const std::vector<ListEntry> reopened = ParseListFile(FormatListFile(entries));
    Check(shown(reopened) == shown(entries) && reopened.size() == shown(entries).size(),
          "a saved list reopens with the same entries and no empty ones");
    Check(FormatListFile(ParseListFile(FormatListFile(reopened))) == FormatListFile(reopened),
          "saving a reopened list again writes the same file");
}

std::string Exported(const CatalogueText& catalogue)
{
    kScratch.Write(kCategoryFile, catalogue.CategoryRecords);
    kScratch.Write(kItemFile, catalogue.ItemRecords);
    MainScreenState s = kScratch.State();
    testing::FakeUi ui;
    ui.AnswerMessage(MessageAnswer::Yes);
    ExportCatalogue(s, ui);
    return kScratch.Read("export.txt");
}

// "import.txt": imported as whole records, its export imports as the same catalogue.
void CatalogueTextTarget(std::string_view text)
{
    const CatalogueText imported = ParseCatalogueText(text);
    Check(imported.CategoryRecords.size() % kCategoryRecordLength == 0 &&
              imported.ItemRecords.size() % kItemRecordLength == 0,
          "only whole records are made");
    Check(imported.FirstLineWithoutCategory.value_or(0) <= SplitLines(text).size(),
          "a line without a category is a line of the text");
    const std::string exported = Exported(imported);
    const CatalogueText again = ParseCatalogueText(exported);
    Check(!again.FirstLineWithoutCategory, "an export names a category before its items");
    const auto names = [](std::string_view records, std::size_t length, std::size_t at = 0) {
        std::vector<std::string_view> names;
        for (; at < records.size(); at += length)
            names.push_back(Trim(records.substr(at, kNameWidth)));
        return names;
    };
    const auto categories = names(imported.CategoryRecords, kCategoryRecordLength);
    Check(names(again.CategoryRecords, kCategoryRecordLength) == categories,
          "an export keeps every category in its order");
    // Items of a category listed twice are exported under each.
    if (std::set(categories.begin(), categories.end()).size() < categories.size())
        return;
    for (const std::size_t at : {std::size_t{0}, kNameWidth})
        Check(names(again.ItemRecords, kItemRecordLength, at) ==
                  names(imported.ItemRecords, kItemRecordLength, at),
              "an export keeps every item under its category");
    Check(Exported(again) == exported, "an imported export exports the same text");
}

// ".rcp", ".txt" and typed names: saved ingredients and texts read back as they were.
void RecipeFilesTarget(std::string_view bytes)
{
    std::vector<ListEntry> entries;
    std::vector<std::string> kept;
    for (const std::string& line : ParseIngredients(bytes)) {
        entries.push_back({line, false});
        if (!Trim(line).empty())
            kept.emplace_back(Trim(line));
    }
    const std::string saved = FormatIngredients(entries);
    Check(ParseIngredients(saved) == kept && saved == JoinLines(kept),
          "saved ingredients read back as they were, one a line");
    Check(HoldsText(FormatRecipeText(bytes)) == HoldsText(bytes),
          "saving a recipe's text neither loses nor invents its content");
    if (CheckRecipeName(bytes) == NameFault::None)
        Check(IngredientFile(TypedBase("/recipes", bytes)).filename().native().size() + 8 <= 255,
              "an accepted name leaves room for the save's twin");
}

// A recipe's web page from a settings record, text and ingredients parted by NULs.
void RecipePageTarget(std::string_view rest)
{
    const auto part = [&rest] {
        const std::size_t end = std::min(rest.find('\0'), rest.size());
        const std::string_view taken = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        return taken;
    };
    const std::string_view settings = part(), text = part(), ingredients = rest;
    Check(TextToHtml(text).empty() == Trim(text).empty(), "only spaces make no page lines");
    const SettingsRecord style = DecodeSettings(settings, DefaultSettings("/data/"));
    Check(!RecipePage(style, "Pancakes", text, ingredients).empty(), "a page is made");
}

// A text printed after four bytes of page settings (a limit may be below the top).
void SimplePrintTarget(std::string_view bytes)
{
    if (bytes.size() < 4)
        return;
    const auto at = [&](std::size_t i) { return bytes[i] & 0xFF; };
    const auto visible = [](std::string text) {
        return std::erase_if(text, [](char c) { return c == ' ' || c == '\r' || c == '\n'; }), text;
    };
    const int margin = at(1) % 12;
    const std::string_view text = bytes.substr(4);
    testing::FakeUi ui;
    if (at(0) & 0x80)
        ui.FailPrinterWith("The printer is out of paper.");
    const Status printed = SimplePrint(ui, text, at(0) % 8, margin, at(2) % 90, at(3) % 96 - 16);
    if (at(0) & 0x80)
        return Check(!printed.ok() && ui.Printed.empty(), "a failing printer is reported");
    std::string shown;
    for (const auto& line : ui.Printed) {
        Check((line.Text.empty() || line.Text.starts_with(std::string(std::size_t(margin), ' '))) &&
                  line.Text.find_first_of("\r\n") == std::string::npos,
              "each line is one line after the margin");
        shown += line.Text;
    }
    // The printer takes UTF-8, so a Windows-1252 letter arrives as its Unicode form.
    Check(printed.ok() && visible(shown) == visible(ToUtf8(text)),
          "every visible character is printed once");
    // A text with nothing to show prints its empty top lines, as it always has.
    for (std::size_t start = 0; const std::size_t end : ui.JobEnds) {
        bool written = false;
        for (; start < end; ++start)
            written = written || !ui.Printed[start].Text.empty();
        Check(written || visible(std::string(text)).empty(), "no print job is a blank sheet");
    }
}

// clang-format off
const std::map<std::string_view, void (*)(std::string_view)> kTargets = {
    {"settings_record", SettingsRecordTarget}, {"record_file", RecordFileTarget}, {"list_file", ListFileTarget},
    {"catalogue_text", CatalogueTextTarget}, {"recipe_files", RecipeFilesTarget},
    {"recipe_page", RecipePageTarget}, {"simple_print", SimplePrintTarget}};
// clang-format on

} // namespace

// A question nobody scripted is a fault of the target as much as of the reader.
void pantrix::testing::FailTest(const std::string& message)
{
    Check(false, message);
}

namespace {

// Every program is built from this one file compiled once: "fuzz_list_file" and
// "replay_list_file" both run the target "list_file".
void (*gTarget)(std::string_view) = nullptr;

void ChooseTarget(const char* program)
{
    const std::string name = fs::path(program).filename().string();
    gTarget = kTargets.at(name.substr(name.find('_') + 1));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char*** argv)
{
    ChooseTarget((*argv)[0]);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    gTarget({reinterpret_cast<const char*>(data), size});
    return 0;
}

// Weak, so that libFuzzer's own main takes its place in the fuzz programs.
[[gnu::weak]] int main(int argc, char** argv)
{
    ChooseTarget(argv[0]);
    for (int i = 1; i < argc; ++i)
        for (const auto& entry : fs::directory_iterator(argv[i]))
            if (!entry.path().filename().native().starts_with('.')) {
                std::cerr << entry.path().string() << std::endl; // an input ending the run is named
                std::ifstream in(entry.path(), std::ios::binary);
                gTarget(std::string(std::istreambuf_iterator<char>(in), {}));
            }
}
