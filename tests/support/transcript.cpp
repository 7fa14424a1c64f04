#include "support/transcript.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace pantrix::testing {

namespace fs = std::filesystem;
namespace {

void ReplaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

std::string Shown(const Message& m)
{
    constexpr const char* buttons[] = {"", " {OkCancel", " {YesNo", " {YesNoCancel"};
    constexpr const char* answers[] = {"Ok", "Cancel", "Yes", "No"};
    constexpr const char* icons[] = {"", " (i)", " (?)", " (!)", " (x)"};
    std::string line =
        "message \"" + m.Title + "\"" + icons[static_cast<int>(m.Icon)] + ": " + OneLine(m.Text);
    if (m.Buttons != MessageButtons::Ok)
        line += std::string(buttons[static_cast<int>(m.Buttons)]) + ", default " +
                answers[static_cast<int>(m.DefaultButton)] + "}";
    return line + "\n";
}

std::string Printout(const FakeUi& ui)
{
    std::string out;
    const PrintedLine* font = nullptr;
    auto end = ui.JobEnds.begin();
    for (std::size_t i = 0; i <= ui.Printed.size(); ++i) {
        for (; end != ui.JobEnds.end() && *end == i; ++end)
            out += "-- end of job\n";
        if (i == ui.Printed.size())
            break;
        const PrintedLine& line = ui.Printed[i];
        if (!font || line.Face != font->Face || line.Points != font->Points ||
            line.Bold != font->Bold)
            out += "font " + line.Face + " " + std::to_string(line.Points) +
                   (line.Bold ? " bold\n" : "\n");
        font = &line;
        out += "|" + line.Text + "|\n";
    }
    return out;
}

} // namespace

std::string OneLine(std::string text)
{
    ReplaceAll(text, "\r", "\\r");
    ReplaceAll(text, "\n", "\\n");
    return text;
}

std::string Unescaped(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] == '\\' && i + 1 < text.size() ? text[++i] : '\0';
        if (c == 'x')
            out += static_cast<char>(std::stoi(std::string(text.substr(i + 1, 2)), nullptr, 16));
        else
            out += c == 'r' ? '\r' : c == 'n' ? '\n' : c ? c : text[i];
        i += c == 'x' ? 2 : 0;
    }
    return out;
}

std::string Portable(std::string text, const fs::path& dataFolder)
{
    ReplaceAll(text, dataFolder.string() + "/", "DATA/");
    return text;
}

std::string TakeTranscript(FakeUi& ui, const fs::path& dataFolder)
{
    std::string out;
    for (const Message& m : ui.Messages)
        out += Shown(m);
    for (const InputRequest& in : ui.Inputs)
        out += "input \"" + in.Title + "\": " + OneLine(in.Prompt) + " [" + in.DefaultText + "]\n";
    for (const FileDialogRequest& d : ui.FileDialogs) {
        out += "file dialog \"" + d.Title + "\" in " + d.Folder.string() + " as " + d.PresetName;
        for (const FileFilter& f : d.Filters)
            out += " | " + f.Description + " " + f.Pattern;
        out += "\n";
    }
    for (long colour : ui.ColourDialogs)
        out += "colour dialog from " + std::to_string(colour) + "\n";
    for (const FontChoice& f : ui.FontDialogs)
        out += "font dialog from " + f.Face + " " + std::to_string(f.Points) + "\n";
    out += Printout(ui);
    if (ui.Clipboard)
        out += "clipboard: " + OneLine(*ui.Clipboard) + "\n";
    for (const auto& [program, parameters] : ui.Started)
        out += "start " + program.string() + " " + parameters + "\n";
    if (ui.BusyShown)
        out += "busy pointer shown " + std::to_string(ui.BusyShown) + " times\n";
    ui.Messages.clear();
    ui.Inputs.clear();
    ui.FileDialogs.clear();
    ui.ColourDialogs.clear();
    ui.FontDialogs.clear();
    ui.Printed.clear();
    ui.JobEnds.clear();
    ui.Started.clear();
    ui.BusyShown = 0;
    return Portable(out, dataFolder);
}

std::string Listing(const fs::path& folder, bool withBytes)
{
    std::vector<fs::path> paths;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    std::string out;
    for (const fs::path& path : paths) {
        const std::string name = path.lexically_relative(folder).string();
        std::ifstream in(path, std::ios::binary);
        if (fs::is_directory(path))
            out += name + "/\n";
        else
            out += name +
                   (withBytes ? ": " + OneLine({std::istreambuf_iterator<char>(in), {}}) : "") +
                   "\n";
    }
    return out;
}

} // namespace pantrix::testing
