// A stand-in for a desktop's tray on a test bus: owns
// org.kde.StatusNotifierWatcher, accepts item registrations and reports
// them on standard output, one line each:
//
//   ready                      the watcher name is owned
//   registered <service>       an item registered
//   unregistered <service>     the item's connection went away
//
// A line "activate" on standard input calls Activate(0, 0) on the newest
// item (what a click on the icon does); the answer is "activated" or
// "activate-failed". End of input ends the program.

#include <poll.h>
#include <systemd/sd-bus.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr char kWatcher[] = "org.kde.StatusNotifierWatcher";

std::vector<std::string> g_items;

void Say(std::string const& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

int Register(sd_bus_message* message, void*, sd_bus_error*)
{
    char const* name = nullptr;
    if (sd_bus_message_read(message, "s", &name) < 0)
        return -EINVAL;
    // An item may pass its object path instead of its name.
    std::string service = name && name[0] != '/' ? name : sd_bus_message_get_sender(message);
    g_items.push_back(service);
    Say("registered " + service);
    return sd_bus_reply_method_return(message, "");
}

int RegisterHost(sd_bus_message* message, void*, sd_bus_error*) { return sd_bus_reply_method_return(message, ""); }

int GetProperty(sd_bus*, char const*, char const*, char const* property, sd_bus_message* reply, void*, sd_bus_error*)
{
    std::string name = property;
    if (name == "IsStatusNotifierHostRegistered")
        return sd_bus_message_append(reply, "b", 1);
    if (name == "ProtocolVersion")
        return sd_bus_message_append(reply, "i", 0);
    if (name == "RegisteredStatusNotifierItems") {
        int r = sd_bus_message_open_container(reply, 'a', "s");
        for (auto const& item : g_items) {
            if (r >= 0)
                r = sd_bus_message_append(reply, "s", item.c_str());
        }
        return r >= 0 ? sd_bus_message_close_container(reply) : r;
    }
    return -EINVAL;
}

int NameOwnerChanged(sd_bus_message* message, void*, sd_bus_error*)
{
    char const* name = nullptr;
    char const* previous = nullptr;
    char const* owner = nullptr;
    if (sd_bus_message_read(message, "sss", &name, &previous, &owner) < 0 || (owner && *owner))
        return 0;
    for (auto it = g_items.begin(); it != g_items.end(); ++it) {
        if (*it == name) {
            Say("unregistered " + *it);
            g_items.erase(it);
            break;
        }
    }
    return 0;
}

sd_bus_vtable const kVtable[] = {
    SD_BUS_VTABLE_START(0),
    SD_BUS_METHOD("RegisterStatusNotifierItem", "s", "", Register, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_METHOD("RegisterStatusNotifierHost", "s", "", RegisterHost, SD_BUS_VTABLE_UNPRIVILEGED),
    SD_BUS_PROPERTY("RegisteredStatusNotifierItems", "as", GetProperty, 0, 0),
    SD_BUS_PROPERTY("IsStatusNotifierHostRegistered", "b", GetProperty, 0, 0),
    SD_BUS_PROPERTY("ProtocolVersion", "i", GetProperty, 0, SD_BUS_VTABLE_PROPERTY_CONST),
    SD_BUS_SIGNAL("StatusNotifierItemRegistered", "s", 0),
    SD_BUS_SIGNAL("StatusNotifierItemUnregistered", "s", 0),
    SD_BUS_SIGNAL("StatusNotifierHostRegistered", "", 0),
    SD_BUS_VTABLE_END,
};

void Activate(sd_bus* bus)
{
    if (g_items.empty()) {
        Say("activate-failed");
        return;
    }
    sd_bus_error error = SD_BUS_ERROR_NULL;
    int r = sd_bus_call_method(bus, g_items.back().c_str(), "/StatusNotifierItem", "org.kde.StatusNotifierItem", "Activate",
        &error, nullptr, "ii", 0, 0);
    sd_bus_error_free(&error);
    Say(r >= 0 ? "activated" : "activate-failed");
}

}

int main()
{
    sd_bus* bus = nullptr;
    if (sd_bus_open_user(&bus) < 0) {
        std::fprintf(stderr, "fake-tray-host: no session bus\n");
        return 1;
    }
    if (sd_bus_add_object_vtable(bus, nullptr, "/StatusNotifierWatcher", kWatcher, kVtable, nullptr) < 0
        || sd_bus_match_signal(bus, nullptr, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
               "NameOwnerChanged", NameOwnerChanged, nullptr)
            < 0
        || sd_bus_request_name(bus, kWatcher, 0) < 0) {
        std::fprintf(stderr, "fake-tray-host: cannot own %s\n", kWatcher);
        return 1;
    }
    Say("ready");
    std::string input;
    for (;;) {
        while (sd_bus_process(bus, nullptr) > 0) {
        }
        pollfd fds[2] = { { sd_bus_get_fd(bus), static_cast<short>(sd_bus_get_events(bus)), 0 }, { 0, POLLIN, 0 } };
        if (poll(fds, 2, 200) < 0)
            continue;
        if (!(fds[1].revents & (POLLIN | POLLHUP)))
            continue;
        char buffer[256];
        ssize_t got = read(0, buffer, sizeof buffer);
        if (got <= 0)
            break;
        input.append(buffer, static_cast<size_t>(got));
        for (size_t end; (end = input.find('\n')) != std::string::npos; input.erase(0, end + 1)) {
            if (input.compare(0, end, "activate") == 0)
                Activate(bus);
        }
    }
    sd_bus_flush_close_unref(bus);
    return 0;
}
