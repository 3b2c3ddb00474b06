// The tray icon as a StatusNotifierItem: the item and its menu are objects
// of this process on the session bus; a tray host learns of the item through
// the org.kde.StatusNotifierWatcher and shows it. The menu is served with the
// com.canonical.dbusmenu interface, which every current host reads; hosts
// that draw no menu themselves call ContextMenu instead.
//
// sd-bus objects are not thread-safe: after Add has set the bus up, only the
// bus thread touches it. The window thread talks to that thread through
// atomics, a mutex-guarded menu and an eventfd that wakes its poll.

#include "platform/PathText.h"
#include "platform/TrayIcon.h"

#include <atomic>
#include <cstdint>
#include <ctime>
#include <poll.h>
#include <sys/eventfd.h>
#include <systemd/sd-bus.h>
#include <thread>
#include <unistd.h>

namespace Tessera {

namespace {

constexpr char kItemPath[] = "/StatusNotifierItem";
constexpr char kItemInterface[] = "org.kde.StatusNotifierItem";
constexpr char kMenuPath[] = "/MenuBar";
constexpr char kMenuInterface[] = "com.canonical.dbusmenu";
constexpr char kWatcherName[] = "org.kde.StatusNotifierWatcher";
constexpr char kWatcherPath[] = "/StatusNotifierWatcher";
constexpr int kRootMenuId = 0;

class StatusNotifierTray final : public TrayIcon {
public:
    ~StatusNotifierTray() override { Remove(); }

    bool Add(Appearance const& appearance, Callbacks callbacks) override;
    void Remove() override;
    bool IsShown() const override { return m_shown.load(); }
    void SetMenu(std::vector<MenuItem> menu) override;

private:
    // --- bus thread
    void Loop();
    void RegisterWithWatcher();
    void EmitLayoutUpdated();
    int PollTimeoutMs();

    // --- vtable entries (bus thread)
    static int GetItemProperty(sd_bus*, char const*, char const*, char const* property, sd_bus_message* reply, void* self, sd_bus_error*);
    static int GetMenuProperty(sd_bus*, char const*, char const*, char const* property, sd_bus_message* reply, void* self, sd_bus_error*);
    static int OnActivate(sd_bus_message* message, void* self, sd_bus_error*);
    static int OnContextMenu(sd_bus_message* message, void* self, sd_bus_error*);
    static int OnIgnoredCall(sd_bus_message* message, void* self, sd_bus_error*);
    static int OnGetLayout(sd_bus_message* message, void* self, sd_bus_error*);
    static int OnGetGroupProperties(sd_bus_message* message, void* self, sd_bus_error*);
    static int OnGetProperty(sd_bus_message* message, void* self, sd_bus_error*);
    static int OnEvent(sd_bus_message* message, void* self, sd_bus_error*);
    static int OnEventGroup(sd_bus_message* message, void* self, sd_bus_error*);
    static int OnAboutToShow(sd_bus_message* message, void* self, sd_bus_error*);
    static int OnAboutToShowGroup(sd_bus_message* message, void* self, sd_bus_error*);
    static int OnNameOwnerChanged(sd_bus_message* message, void* self, sd_bus_error*);

    static int AppendItem(sd_bus_message* reply, MenuItem const& item);
    static int AppendItemProperties(sd_bus_message* reply, MenuItem const& item);
    std::vector<MenuItem> Menu() const;
    void MenuChosen(int id);

    static sd_bus_vtable const s_itemVtable[];
    static sd_bus_vtable const s_menuVtable[];

    sd_bus* m_bus { nullptr };
    sd_bus_slot* m_itemSlot { nullptr };
    sd_bus_slot* m_menuSlot { nullptr };
    sd_bus_slot* m_matchSlot { nullptr };
    std::string m_serviceName;
    int m_wakeFd { -1 };
    std::thread m_thread;
    std::atomic<bool> m_stop { false };
    std::atomic<bool> m_shown { false };
    std::atomic<bool> m_menuChanged { false };
    std::atomic<bool> m_registerPending { true };
    std::atomic<uint32_t> m_revision { 1 };

    std::string m_id;
    std::string m_title;
    std::string m_iconName;
    std::string m_iconThemePath;
    mutable std::mutex m_mutex; // guards m_menu and m_callbacks
    std::vector<MenuItem> m_menu;
    Callbacks m_callbacks;
};

StatusNotifierTray* Self(void* self) { return static_cast<StatusNotifierTray*>(self); }

// Sends a reply built up to `r` (negative: building failed) and frees it.
int SendReply(sd_bus_message* reply, int r)
{
    if (r >= 0)
        r = sd_bus_send(nullptr, reply, nullptr);
    sd_bus_message_unref(reply);
    return r;
}

sd_bus_vtable const StatusNotifierTray::s_itemVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("Category", "s", GetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Id", "s", GetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Title", "s", GetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Status", "s", GetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("WindowId", "i", GetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("IconName", "s", GetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("IconThemePath", "s", GetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("IconPixmap", "a(iiay)", GetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("OverlayIconName", "s", GetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("AttentionIconName", "s", GetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("ToolTip", "(sa(iiay)ss)", GetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("ItemIsMenu", "b", GetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Menu", "o", GetItemProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_METHOD("Activate", "ii", "", OnActivate, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("SecondaryActivate", "ii", "", OnActivate, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("ContextMenu", "ii", "", OnContextMenu, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("Scroll", "is", "", OnIgnoredCall, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_SIGNAL("NewTitle", "", 0),
    SD_BUS_SIGNAL("NewIcon", "", 0),
    SD_BUS_SIGNAL("NewToolTip", "", 0),
    SD_BUS_SIGNAL("NewStatus", "s", 0),
    SD_BUS_VTABLE_END,
};

sd_bus_vtable const StatusNotifierTray::s_menuVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_PROPERTY("Version", "u", GetMenuProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("TextDirection", "s", GetMenuProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("Status", "s", GetMenuProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_PROPERTY("IconThemePath", "as", GetMenuProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_METHOD("GetLayout", "iias", "u(ia{sv}av)", OnGetLayout, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetGroupProperties", "aias", "a(ia{sv})", OnGetGroupProperties, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("GetProperty", "is", "v", OnGetProperty, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("Event", "isvu", "", OnEvent, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("EventGroup", "a(isvu)", "ai", OnEventGroup, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("AboutToShow", "i", "b", OnAboutToShow, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("AboutToShowGroup", "ai", "aiai", OnAboutToShowGroup, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_SIGNAL("LayoutUpdated", "ui", 0),
    SD_BUS_SIGNAL("ItemsPropertiesUpdated", "a(ia{sv})a(ias)", 0),
    SD_BUS_VTABLE_END,
};

bool StatusNotifierTray::Add(Appearance const& appearance, Callbacks callbacks)
{
    if (m_bus)
        return true;
    m_id = appearance.id;
    m_title = ToNativePath(appearance.title);
    m_iconName = appearance.iconName;
    m_iconThemePath = appearance.iconThemePath;
    {
        std::lock_guard lock(m_mutex);
        m_menu = appearance.menu;
        m_callbacks = std::move(callbacks);
    }
    if (sd_bus_open_user(&m_bus) < 0) {
        m_bus = nullptr;
        return false;
    }
    // The item's well-known name, as hosts expect it: one per process.
    m_serviceName = "org.kde.StatusNotifierItem-" + std::to_string(getpid()) + "-1";
    bool ready = sd_bus_request_name(m_bus, m_serviceName.c_str(), 0) >= 0
        && sd_bus_add_object_vtable(m_bus, &m_itemSlot, kItemPath, kItemInterface, s_itemVtable, this) >= 0
        && sd_bus_add_object_vtable(m_bus, &m_menuSlot, kMenuPath, kMenuInterface, s_menuVtable, this) >= 0
        && sd_bus_match_signal(m_bus, &m_matchSlot, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
               "NameOwnerChanged", OnNameOwnerChanged, this)
            >= 0;
    m_wakeFd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (!ready || m_wakeFd < 0) {
        Remove();
        return false;
    }
    m_stop = false;
    m_registerPending = true;
    m_thread = std::thread([this] { Loop(); });
    return true;
}

void StatusNotifierTray::Remove()
{
    if (m_thread.joinable()) {
        m_stop = true;
        uint64_t one = 1;
        [[maybe_unused]] auto written = write(m_wakeFd, &one, sizeof one);
        m_thread.join();
    }
    m_matchSlot = sd_bus_slot_unref(m_matchSlot);
    m_menuSlot = sd_bus_slot_unref(m_menuSlot);
    m_itemSlot = sd_bus_slot_unref(m_itemSlot);
    // Closing the connection releases the name; the watcher then drops the item.
    m_bus = sd_bus_flush_close_unref(m_bus);
    if (m_wakeFd >= 0)
        close(m_wakeFd);
    m_wakeFd = -1;
    m_shown = false;
    std::lock_guard lock(m_mutex);
    m_callbacks = {};
}

void StatusNotifierTray::SetMenu(std::vector<MenuItem> menu)
{
    {
        std::lock_guard lock(m_mutex);
        if (menu == m_menu)
            return;
        m_menu = std::move(menu);
    }
    m_menuChanged = true;
    if (m_wakeFd >= 0) {
        uint64_t one = 1;
        [[maybe_unused]] auto written = write(m_wakeFd, &one, sizeof one);
    }
}

std::vector<TrayIcon::MenuItem> StatusNotifierTray::Menu() const
{
    std::lock_guard lock(m_mutex);
    return m_menu;
}

void StatusNotifierTray::Loop()
{
    while (!m_stop) {
        if (m_registerPending.exchange(false))
            RegisterWithWatcher();
        while (sd_bus_process(m_bus, nullptr) > 0) {
        }
        if (m_registerPending)
            continue;
        if (m_menuChanged.exchange(false))
            EmitLayoutUpdated();
        pollfd fds[2] = { { sd_bus_get_fd(m_bus), static_cast<short>(sd_bus_get_events(m_bus)), 0 }, { m_wakeFd, POLLIN, 0 } };
        if (poll(fds, 2, PollTimeoutMs()) < 0 && errno != EINTR)
            break;
        uint64_t count;
        while (read(m_wakeFd, &count, sizeof count) > 0) {
        }
    }
}

int StatusNotifierTray::PollTimeoutMs()
{
    uint64_t until = 0;
    if (sd_bus_get_timeout(m_bus, &until) < 0 || until == UINT64_MAX)
        return -1;
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    uint64_t nowUs = static_cast<uint64_t>(now.tv_sec) * 1000000u + static_cast<uint64_t>(now.tv_nsec) / 1000u;
    return until <= nowUs ? 0 : static_cast<int>((until - nowUs + 999) / 1000);
}

void StatusNotifierTray::RegisterWithWatcher()
{
    sd_bus_error error = SD_BUS_ERROR_NULL;
    int result = sd_bus_call_method(m_bus, kWatcherName, kWatcherPath, kWatcherName, "RegisterStatusNotifierItem", &error,
        nullptr, "s", m_serviceName.c_str());
    sd_bus_error_free(&error);
    m_shown = result >= 0;
}

void StatusNotifierTray::EmitLayoutUpdated()
{
    uint32_t revision = ++m_revision;
    sd_bus_emit_signal(m_bus, kMenuPath, kMenuInterface, "LayoutUpdated", "ui", revision, kRootMenuId);
}

int StatusNotifierTray::OnNameOwnerChanged(sd_bus_message* message, void* self, sd_bus_error*)
{
    char const* name = nullptr;
    char const* previous = nullptr;
    char const* owner = nullptr;
    if (sd_bus_message_read(message, "sss", &name, &previous, &owner) < 0 || std::string(name) != kWatcherName)
        return 0;
    // A tray host that starts after the program gets the item too; the
    // loop registers outside this callback.
    if (owner && *owner)
        Self(self)->m_registerPending = true;
    else
        Self(self)->m_shown = false;
    return 0;
}

int StatusNotifierTray::GetItemProperty(sd_bus*, char const*, char const*, char const* property, sd_bus_message* reply, void* self, sd_bus_error*)
{
    auto* tray = Self(self);
    std::string const name = property;
    if (name == "Category")
        return sd_bus_message_append(reply, "s", "Hardware");
    if (name == "Id")
        return sd_bus_message_append(reply, "s", tray->m_id.c_str());
    if (name == "Title")
        return sd_bus_message_append(reply, "s", tray->m_title.c_str());
    if (name == "Status")
        return sd_bus_message_append(reply, "s", "Active");
    if (name == "WindowId")
        return sd_bus_message_append(reply, "i", 0);
    if (name == "IconName")
        return sd_bus_message_append(reply, "s", tray->m_iconName.c_str());
    if (name == "IconThemePath")
        return sd_bus_message_append(reply, "s", tray->m_iconThemePath.c_str());
    if (name == "IconPixmap")
        return sd_bus_message_append(reply, "a(iiay)", 0);
    if (name == "OverlayIconName" || name == "AttentionIconName")
        return sd_bus_message_append(reply, "s", "");
    if (name == "ToolTip")
        return sd_bus_message_append(reply, "(sa(iiay)ss)", tray->m_iconName.c_str(), 0, tray->m_title.c_str(), "");
    if (name == "ItemIsMenu")
        return sd_bus_message_append(reply, "b", 0);
    if (name == "Menu")
        return sd_bus_message_append(reply, "o", kMenuPath);
    return -EINVAL;
}

int StatusNotifierTray::GetMenuProperty(sd_bus*, char const*, char const*, char const* property, sd_bus_message* reply, void*, sd_bus_error*)
{
    std::string const name = property;
    if (name == "Version")
        return sd_bus_message_append(reply, "u", 3u);
    if (name == "TextDirection")
        return sd_bus_message_append(reply, "s", "ltr");
    if (name == "Status")
        return sd_bus_message_append(reply, "s", "normal");
    if (name == "IconThemePath")
        return sd_bus_message_append(reply, "as", 0);
    return -EINVAL;
}

int StatusNotifierTray::OnActivate(sd_bus_message* message, void* self, sd_bus_error*)
{
    std::function<void()> activate;
    {
        std::lock_guard lock(Self(self)->m_mutex);
        activate = Self(self)->m_callbacks.activate;
    }
    if (activate)
        activate();
    return sd_bus_reply_method_return(message, "");
}

int StatusNotifierTray::OnContextMenu(sd_bus_message* message, void* self, sd_bus_error*)
{
    int x = 0;
    int y = 0;
    sd_bus_message_read(message, "ii", &x, &y);
    std::function<void(int, int)> contextMenu;
    {
        std::lock_guard lock(Self(self)->m_mutex);
        contextMenu = Self(self)->m_callbacks.contextMenu;
    }
    if (contextMenu)
        contextMenu(x, y);
    return sd_bus_reply_method_return(message, "");
}

int StatusNotifierTray::OnIgnoredCall(sd_bus_message* message, void*, sd_bus_error*) { return sd_bus_reply_method_return(message, ""); }

int StatusNotifierTray::AppendItemProperties(sd_bus_message* reply, MenuItem const& item)
{
    std::string label = ToNativePath(item.label);
    int r = sd_bus_message_open_container(reply, 'a', "{sv}");
    if (r >= 0)
        r = sd_bus_message_append(reply, "{sv}", "label", "s", label.c_str());
    if (r >= 0)
        r = sd_bus_message_append(reply, "{sv}", "enabled", "b", 1);
    if (r >= 0)
        r = sd_bus_message_append(reply, "{sv}", "visible", "b", 1);
    if (r >= 0)
        r = sd_bus_message_close_container(reply);
    return r;
}

int StatusNotifierTray::AppendItem(sd_bus_message* reply, MenuItem const& item)
{
    int r = sd_bus_message_open_container(reply, 'v', "(ia{sv}av)");
    if (r >= 0)
        r = sd_bus_message_open_container(reply, 'r', "ia{sv}av");
    if (r >= 0)
        r = sd_bus_message_append(reply, "i", static_cast<int>(item.id));
    if (r >= 0)
        r = AppendItemProperties(reply, item);
    if (r >= 0)
        r = sd_bus_message_append(reply, "av", 0);
    if (r >= 0)
        r = sd_bus_message_close_container(reply);
    if (r >= 0)
        r = sd_bus_message_close_container(reply);
    return r;
}

int StatusNotifierTray::OnGetLayout(sd_bus_message* message, void* self, sd_bus_error*)
{
    int parent = 0;
    int depth = -1;
    sd_bus_message_read(message, "ii", &parent, &depth);
    auto* tray = Self(self);
    std::vector<MenuItem> menu = parent == kRootMenuId && depth != 0 ? tray->Menu() : std::vector<MenuItem> {};

    sd_bus_message* reply = nullptr;
    int r = sd_bus_message_new_method_return(message, &reply);
    if (r >= 0)
        r = sd_bus_message_append(reply, "u", tray->m_revision.load());
    if (r >= 0)
        r = sd_bus_message_open_container(reply, 'r', "ia{sv}av");
    if (r >= 0)
        r = sd_bus_message_append(reply, "ia{sv}", parent, 1, "children-display", "s", "submenu");
    if (r >= 0)
        r = sd_bus_message_open_container(reply, 'a', "v");
    for (MenuItem const& item : menu) {
        if (r >= 0)
            r = AppendItem(reply, item);
    }
    if (r >= 0)
        r = sd_bus_message_close_container(reply);
    if (r >= 0)
        r = sd_bus_message_close_container(reply);
    return SendReply(reply, r);
}

int StatusNotifierTray::OnGetGroupProperties(sd_bus_message* message, void* self, sd_bus_error*)
{
    std::vector<int> ids;
    if (sd_bus_message_enter_container(message, 'a', "i") >= 0) {
        int id = 0;
        while (sd_bus_message_read(message, "i", &id) > 0)
            ids.push_back(id);
        sd_bus_message_exit_container(message);
    }
    std::vector<MenuItem> menu = Self(self)->Menu();
    sd_bus_message* reply = nullptr;
    int r = sd_bus_message_new_method_return(message, &reply);
    if (r >= 0)
        r = sd_bus_message_open_container(reply, 'a', "(ia{sv})");
    for (MenuItem const& item : menu) {
        bool wanted = ids.empty();
        for (int id : ids)
            wanted = wanted || id == static_cast<int>(item.id);
        if (!wanted)
            continue;
        if (r >= 0)
            r = sd_bus_message_open_container(reply, 'r', "ia{sv}");
        if (r >= 0)
            r = sd_bus_message_append(reply, "i", static_cast<int>(item.id));
        if (r >= 0)
            r = AppendItemProperties(reply, item);
        if (r >= 0)
            r = sd_bus_message_close_container(reply);
    }
    if (r >= 0)
        r = sd_bus_message_close_container(reply);
    return SendReply(reply, r);
}

int StatusNotifierTray::OnGetProperty(sd_bus_message* message, void* self, sd_bus_error* error)
{
    int id = 0;
    char const* name = nullptr;
    sd_bus_message_read(message, "is", &id, &name);
    for (MenuItem const& item : Self(self)->Menu()) {
        if (static_cast<int>(item.id) == id && name && std::string(name) == "label")
            return sd_bus_reply_method_return(message, "v", "s", ToNativePath(item.label).c_str());
    }
    return sd_bus_error_set(error, "com.canonical.dbusmenu.Error", "no such property");
}

void StatusNotifierTray::MenuChosen(int id)
{
    std::function<void(unsigned)> chosen;
    {
        std::lock_guard lock(m_mutex);
        bool known = false;
        for (MenuItem const& item : m_menu)
            known = known || static_cast<int>(item.id) == id;
        if (!known)
            return;
        chosen = m_callbacks.menuItem;
    }
    if (chosen)
        chosen(static_cast<unsigned>(id));
}

int StatusNotifierTray::OnEvent(sd_bus_message* message, void* self, sd_bus_error*)
{
    int id = 0;
    char const* event = nullptr;
    if (sd_bus_message_read(message, "is", &id, &event) >= 0 && event && std::string(event) == "clicked")
        Self(self)->MenuChosen(id);
    return sd_bus_reply_method_return(message, "");
}

int StatusNotifierTray::OnEventGroup(sd_bus_message* message, void* self, sd_bus_error*)
{
    if (sd_bus_message_enter_container(message, 'a', "(isvu)") >= 0) {
        while (sd_bus_message_enter_container(message, 'r', "isvu") > 0) {
            int id = 0;
            char const* event = nullptr;
            if (sd_bus_message_read(message, "is", &id, &event) >= 0 && event && std::string(event) == "clicked")
                Self(self)->MenuChosen(id);
            sd_bus_message_skip(message, "vu");
            sd_bus_message_exit_container(message);
        }
        sd_bus_message_exit_container(message);
    }
    return sd_bus_reply_method_return(message, "ai", 0);
}

int StatusNotifierTray::OnAboutToShow(sd_bus_message* message, void*, sd_bus_error*) { return sd_bus_reply_method_return(message, "b", 0); }

int StatusNotifierTray::OnAboutToShowGroup(sd_bus_message* message, void*, sd_bus_error*)
{
    return sd_bus_reply_method_return(message, "aiai", 0, 0);
}

}

std::unique_ptr<TrayIcon> CreateStatusNotifierTray() { return std::make_unique<StatusNotifierTray>(); }

}
