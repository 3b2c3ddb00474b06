#pragma once

namespace Tessera {

// The command set a keyboard model speaks, chosen by its device type.
enum class ProtocolFamily {
    Type1xx, // device types up to 200
    Type2xx, // 201-299
    Type3xx, // 300-399
    None,    // 400 and above: no key-map, lighting or reset commands are sent
};

ProtocolFamily ProtocolFamilyFor(int deviceType);

}
