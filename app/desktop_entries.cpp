#include "app/desktop_entries.h"

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
#include <memory>

namespace pantrix {
namespace {

struct Unref
{
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T> using Owned = std::unique_ptr<T, Unref>;

struct Free
{
    void operator()(gpointer memory) const { g_free(memory); }
};

} // namespace

std::optional<std::filesystem::path> DefaultEntryFor(const std::filesystem::path& document)
{
    const std::unique_ptr<gchar, Free> type(
        g_content_type_guess(document.c_str(), nullptr, 0, nullptr));
    const Owned<GAppInfo> program(g_app_info_get_default_for_type(type.get(), FALSE));
    if (!program || !G_IS_DESKTOP_APP_INFO(program.get()))
        return std::nullopt;
    const char* entry = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(program.get()));
    if (!entry)
        return std::nullopt;
    return std::filesystem::path(entry);
}

bool IsDesktopEntry(const std::filesystem::path& program)
{
    return program.extension() == ".desktop";
}

bool LaunchEntry(const std::filesystem::path& entry, const std::string& uri)
{
    // An entry whose program is not on this machine is not loaded at all.
    const Owned<GDesktopAppInfo> program(g_desktop_app_info_new_from_filename(entry.c_str()));
    if (!program)
        return false;
    // A program that takes only files would be started with nothing to show.
    GAppInfo* info = G_APP_INFO(program.get());
    if (!g_app_info_supports_uris(info) && !g_str_has_prefix(uri.c_str(), "file:"))
        return false;
    GList uris{const_cast<char*>(uri.c_str()), nullptr, nullptr};
    GError* error = nullptr;
    const bool started = g_app_info_launch_uris(info, &uris, nullptr, &error);
    g_clear_error(&error);
    return started;
}

} // namespace pantrix
