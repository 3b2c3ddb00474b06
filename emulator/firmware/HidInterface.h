#pragma once

#include "emulator/firmware/ModelCatalog.h"
#include "emulator/wire/Bytes.h"

#include <string>
#include <vector>

namespace Tessera::Emulator {

// What a HID interface is for, seen from the keyboard.
enum class InterfaceRole {
    Command,     // the vendor collection the program sends commands to
    SetAside,    // interface 3: a vendor collection the program holds but never uses
    Keyboard,    // the plain boot keyboard
    Consumer,    // media keys
    OtherVendor, // a vendor collection the program does not accept
    Foreign,     // another device altogether
};

// One HID interface (top-level collection) as hid_enumerate lists it.
struct HidInterface {
    std::string path;
    unsigned vid { 0 };
    unsigned pid { 0 };
    unsigned release { 0 };
    unsigned usagePage { 0 };
    unsigned usage { 0 };
    int interfaceNumber { 0 };
    bool bluetooth { false };
    std::string manufacturer;
    std::string product;
    std::string serial;
    InterfaceRole role { InterfaceRole::Foreign };
    Link link { Link::Cable };
};

// The interfaces of one connection of a keyboard: keyboard, consumer, command collection,
// interface 3 and an unaccepted vendor collection. `instance` keeps paths of several emulated
// keyboards apart. The command collection uses usage page 0xFF02/usage 2 for the 300 family
// and 0xFF01/usage 1 for the others.
std::vector<HidInterface> interfaces_for(ModelInfo const& model, Link link, int instance);

// A mouse of another maker: plugging it must not make the program look for keyboards.
HidInterface unrelated_device();

// The keyboard's Bluetooth HID interface (HID over GATT); its path carries the GATT service
// UUID and the cable's interface text.
HidInterface bluetooth_interface(ModelInfo const& model);

}
