#include "emulator/daemon/Control.h"

#include "emulator/daemon/LedRenderer.h"

#include <algorithm>
#include <charconv>

namespace Tessera::Emulator {

namespace {

std::optional<int> parse_int(std::string const& text)
{
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

ControlResult failure(std::string error)
{
    ControlResult result;
    result.ok = false;
    result.error = std::move(error);
    return result;
}

ControlResult from(bool ok, std::string const& error)
{
    return ok ? ControlResult {} : failure(error);
}

// Removes "--keyboard N" from the words; the keyboard number, 0 by default, -1 if malformed.
int take_keyboard(std::vector<std::string>& words)
{
    auto at = std::find(words.begin(), words.end(), "--keyboard");
    if (at == words.end())
        return 0;
    if (at + 1 == words.end())
        return -1;
    auto number = parse_int(*(at + 1));
    words.erase(at, at + 2);
    return number.value_or(-1);
}

ControlResult plug(DeviceHub& hub, int keyboard, std::vector<std::string> const& words, bool plugged)
{
    if (words.size() != 2)
        return failure("usage: plug|unplug cable|receiver|unrelated|bluetooth");
    std::string error;
    auto const& what = words[1];
    if (what == "cable")
        return from(hub.plug(keyboard, Link::Cable, plugged, error), error);
    if (what == "receiver")
        return from(hub.plug(keyboard, Link::Receiver, plugged, error), error);
    if (what == "unrelated")
        return from(hub.plug_unrelated(plugged), error);
    if (what == "bluetooth")
        return from(hub.plug_bluetooth(keyboard, plugged, error), error);
    return failure("unknown connection: " + what);
}

ControlResult fault(DeviceHub& hub, std::vector<std::string> const& words)
{
    Faults faults = hub.faults();
    if (words.size() == 2 && words[1] == "clear") {
        hub.set_faults({});
        return {};
    }
    if (words.size() != 3)
        return failure("usage: fault fail-writes N | drop-replies N|all | delay-replies MS | clear");
    auto value = words[2] == "all" ? std::optional<int>(-1) : parse_int(words[2]);
    if (!value || (*value < 0 && words[1] != "drop-replies") || *value < -1)
        return failure("bad number: " + words[2]);
    if (words[1] == "fail-writes")
        faults.failWrites = *value;
    else if (words[1] == "drop-replies")
        faults.dropReplies = *value;
    else if (words[1] == "delay-replies")
        faults.delayMs = std::min(*value, 60000);
    else
        return failure("unknown fault: " + words[1]);
    hub.set_faults(faults);
    return {};
}

ControlResult status_report(DeviceHub& hub, int keyboard, std::vector<std::string> const& words)
{
    std::optional<Link> link;
    if (words.size() == 2 && words[1] == "cable")
        link = Link::Cable;
    else if (words.size() == 2 && words[1] == "receiver")
        link = Link::Receiver;
    else if (words.size() != 1)
        return failure("usage: status-report [cable|receiver]");
    std::string error;
    return from(hub.send_status(keyboard, link, error), error);
}

ControlResult trace(DeviceHub& hub, std::vector<std::string> const& words)
{
    if (words.size() == 2 && words[1] == "clear") {
        hub.clear_trace();
        return {};
    }
    ControlResult result;
    for (auto const& entry : hub.trace())
        result.lines.push_back(ReportTrace::format(entry));
    return result;
}

ControlResult render(ControlContext const& context, int keyboard, std::vector<std::string> const& words)
{
    auto& hub = context.hub;
    if (words.size() != 2 || words[1].empty() || words[1][0] != '/')
        return failure("usage: render /absolute/file.png");
    auto state = hub.keyboard_state(keyboard);
    auto model = hub.keyboard_model(keyboard);
    if (!state || !model)
        return failure("no keyboard " + std::to_string(keyboard));
    std::optional<KeyLayout> layout;
    if (!context.layoutFolder.empty() && !model->deviceInfo.empty())
        layout = load_key_layout(context.layoutFolder / (model->deviceInfo + ".xml"));
    std::string error;
    return from(render_keyboard_png(*model, *state, layout, words[1], error), error);
}

}

std::string control_help()
{
    return "plug cable|receiver|unrelated|bluetooth   connect an emulated device\n"
           "unplug cable|receiver|unrelated|bluetooth disconnect it\n"
           "power on|off                              switch the keyboard on or off behind its receiver\n"
           "battery N                                 set the battery level in percent\n"
           "status-report [cable|receiver]            send an unsolicited status report\n"
           "fault fail-writes N                       fail the next N writes and feature reports\n"
           "fault drop-replies N|all                  lose the next N replies (all: stop answering)\n"
           "fault delay-replies MS                    answer MS milliseconds late\n"
           "fault clear                               remove every fault\n"
           "dump                                      print the emulator's state as JSON\n"
           "render FILE.png                           draw the LEDs and the key map\n"
           "trace [clear]                             print (or clear) the received-report trace\n"
           "stop                                      stop the daemon\n"
           "Add --keyboard N to address another emulated keyboard (default 0).\n";
}

ControlResult run_control(ControlContext const& context, std::vector<std::string> words)
{
    auto& hub = context.hub;
    int keyboard = take_keyboard(words);
    if (keyboard < 0)
        return failure("bad --keyboard number");
    if (words.empty())
        return failure("no command");
    auto const& command = words[0];
    std::string error;
    if (command == "plug" || command == "unplug")
        return plug(hub, keyboard, words, command == "plug");
    if (command == "power" && words.size() == 2 && (words[1] == "on" || words[1] == "off"))
        return from(hub.set_powered(keyboard, words[1] == "on", error), error);
    if (command == "battery" && words.size() == 2) {
        auto level = parse_int(words[1]);
        if (!level)
            return failure("bad battery level: " + words[1]);
        return from(hub.set_battery(keyboard, *level, error), error);
    }
    if (command == "status-report")
        return status_report(hub, keyboard, words);
    if (command == "fault")
        return fault(hub, words);
    if (command == "dump") {
        ControlResult result;
        result.lines.push_back(hub.state_json());
        return result;
    }
    if (command == "trace")
        return trace(hub, words);
    if (command == "render")
        return render(context, keyboard, words);
    if (command == "stop") {
        if (context.requestStop)
            context.requestStop();
        return {};
    }
    return failure("unknown or malformed command: " + command);
}

}
