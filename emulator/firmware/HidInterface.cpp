#include "emulator/firmware/HidInterface.h"

#include <cstdio>

namespace Tessera::Emulator {

namespace {
constexpr char const* kManufacturer = "Tessera Devices";

std::string interface_path(unsigned vid, unsigned pid, int number, int instance, Link link)
{
    // Shaped like a device-interface name, so "&MI_03" and the hid_interface texts occur in it.
    char text[128];
    std::snprintf(text, sizeof text, "HID#VID_%04X&PID_%04X&MI_%02X#EMU&%d&%s&%d", vid, pid, number, instance,
        link == Link::Cable ? "CABLE" : "RECEIVER", number);
    return text;
}
}

std::vector<HidInterface> interfaces_for(ModelInfo const& model, Link link, int instance)
{
    auto const& connection = link == Link::Cable ? model.cable : model.receiver;
    if (!connection)
        return {};
    bool family3 = model.deviceType >= 300 && model.deviceType < 400;
    int command = connection->commandInterface;
    struct Shape {
        int number;
        unsigned page;
        unsigned usage;
        InterfaceRole role;
    };
    // Interface numbers other than the command interface avoid it and 3.
    int next = 0;
    auto free_number = [&] {
        while (next == command || next == 3)
            ++next;
        return next++;
    };
    std::vector<Shape> shapes;
    shapes.push_back({ free_number(), 0x0001, 0x0006, InterfaceRole::Keyboard });
    shapes.push_back({ free_number(), 0x000C, 0x0001, InterfaceRole::Consumer });
    shapes.push_back({ command, family3 ? 0xFF02u : 0xFF01u, family3 ? 2u : 1u, InterfaceRole::Command });
    if (command != 3)
        shapes.push_back({ 3, 0xFF01, 0x0001, InterfaceRole::SetAside });
    shapes.push_back({ free_number(), 0xFF00, 0x0001, InterfaceRole::OtherVendor });

    std::vector<HidInterface> interfaces;
    for (auto const& shape : shapes) {
        HidInterface hid;
        hid.path = interface_path(connection->vid, connection->pid, shape.number, instance, link);
        hid.vid = connection->vid;
        hid.pid = connection->pid;
        hid.release = connection->rev;
        hid.usagePage = shape.page;
        hid.usage = shape.usage;
        hid.interfaceNumber = shape.number;
        hid.manufacturer = kManufacturer;
        hid.product = connection->productName;
        hid.role = shape.role;
        hid.link = link;
        interfaces.push_back(std::move(hid));
    }
    return interfaces;
}

HidInterface unrelated_device()
{
    HidInterface hid;
    hid.path = "HID#VID_1D57&PID_0042&MI_00#EMU&MOUSE&0";
    hid.vid = 0x1D57;
    hid.pid = 0x0042;
    hid.release = 0x0100;
    hid.usagePage = 0x0001;
    hid.usage = 0x0002;
    hid.interfaceNumber = 0;
    hid.manufacturer = "Other Maker";
    hid.product = "Optical Mouse";
    hid.role = InterfaceRole::Foreign;
    return hid;
}

HidInterface bluetooth_interface(ModelInfo const& model)
{
    HidInterface hid;
    ConnectionInfo connection = model.cable.value_or(model.receiver.value_or(ConnectionInfo {}));
    char text[256];
    std::snprintf(text, sizeof text, "HID#{00001812-0000-1000-8000-00805F9B34FB}_DEV_VID&02%04X_PID&%04X_%s#EMU&BT&0",
        connection.vid, connection.pid, connection.hidInterface.c_str());
    hid.path = text;
    hid.vid = connection.vid;
    hid.pid = connection.pid;
    hid.release = connection.rev;
    hid.usagePage = 0x0001;
    hid.usage = 0x0006;
    hid.interfaceNumber = 0;
    hid.bluetooth = true;
    hid.manufacturer = kManufacturer;
    hid.product = connection.productName;
    hid.role = InterfaceRole::Foreign;
    return hid;
}

}
