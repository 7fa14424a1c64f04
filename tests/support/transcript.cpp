#include "support/transcript.h"

#include "platform/files.h"

#include <algorithm>
#include <tuple>

namespace pantrix::testing {

namespace {

std::string Shown(const Message& m)
{
    constexpr const char* buttons[] = {"", " {OkCancel, default ", " {YesNo, default ",
                                       " {YesNoCancel, default "};
    constexpr const char* answers[] = {"Ok", "Cancel", "Yes", "No"};
    constexpr const char* icons[] = {"", " (i)", " (?)", " (!)", " (x)"};
    auto shown = "message \"" + m.Title + "\"" + icons[int(m.Icon)] + ": " + OneLine(m.Text);
    if (m.Buttons != MessageButtons::Ok)
        shown += buttons[int(m.Buttons)] + std::string(answers[int(m.DefaultButton)]) + "}";
    return shown + "\n";
}

} // namespace

std::string Replaced(std::string text, std::string_view from, std::string_view to)
{
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

std::string OneLine(std::string text)
{
    return Replaced(Replaced(std::move(text), "\r", "\\r"), "\n", "\\n");
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
    return Replaced(std::move(text), dataFolder.string(), "DATA");
}

std::string TakeTranscript(FakeUi& ui, const fs::path& dataFolder)
{
    std::string out, font;
    for (const Message& m : ui.Messages)
        out += Shown(m);
    for (const InputRequest& in : ui.Inputs)
        out += "input \"" + in.Title + "\" (" + std::to_string(in.Limit) +
               "): " + OneLine(in.Prompt) + " [" + in.DefaultText + "]\n";
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
    // A font is told when it changes; a job's end after the lines printed before it.
    for (std::size_t i = 0, job = 0; i <= ui.Printed.size(); ++i) {
        for (; job < ui.JobEnds.size() && ui.JobEnds[job] == i; ++job)
            out += "-- end of job\n";
        if (i == ui.Printed.size())
            break;
        const PrintedLine& line = ui.Printed[i];
        const std::string now = "font " + line.Face + " " + std::to_string(line.Points) +
                                (line.Bold ? " bold\n" : "\n");
        out += (now == font ? "" : now) + "|" + line.Text + "|\n";
        font = now;
    }
    if (ui.Clipboard)
        out += "clipboard: " + OneLine(*ui.Clipboard) + "\n";
    for (const auto& [program, parameters] : ui.Started)
        out += "start " + program.string() + " " + parameters + "\n";
    for (const std::string& note : ui.StatusNotes)
        out += "status: " + note + "\n";
    if (ui.BusyShown)
        out += "busy pointer shown " + std::to_string(ui.BusyShown) + " times\n";
    std::apply([](auto&... seen) { (seen.clear(), ...); },
               std::tie(ui.Messages, ui.Inputs, ui.FileDialogs, ui.ColourDialogs, ui.FontDialogs,
                        ui.Printed, ui.JobEnds, ui.Started, ui.StatusNotes));
    ui.BusyShown = 0;
    return Portable(out, dataFolder);
}

std::string Listing(const fs::path& folder, bool withBytes)
{
    std::vector<fs::path> paths(fs::recursive_directory_iterator(folder), {});
    std::ranges::sort(paths);
    std::string out;
    for (const fs::path& path : paths) {
        const auto bytes = ReadWholeFile(path);
        out += path.lexically_relative(folder).string() +
               (fs::is_directory(fs::symlink_status(path)) ? "/"
                : withBytes ? ": " + OneLine(bytes.ok() ? bytes.value() : "")
                            : "") +
               "\n";
    }
    return out;
}

} // namespace pantrix::testing
