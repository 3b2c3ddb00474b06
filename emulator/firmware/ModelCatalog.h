#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace Tessera::Emulator {

// How one connection of a keyboard model shows up on the USB/HID side.
struct ConnectionInfo {
    int mode { 0 };                // 0 cable, 2 receiver
    unsigned vid { 0 };
    unsigned pid { 0 };
    unsigned rev { 0 };            // release number (bcdDevice)
    std::string productName;       // HID product string
    std::string hidInterface;      // text of the interface name, e.g. "VID_3151&PID_4015&MI_02"
    int commandInterface { 2 };    // interface number of the vendor command collection
};

struct ModelInfo {
    int deviceType { 0 };
    std::string name;
    std::string deviceInfo;        // layout file base name
    std::optional<ConnectionInfo> cable;
    std::optional<ConnectionInfo> receiver;
};

// The keyboard models the emulator can stand in for: built-in defaults for 301, 202 and 108 (as shipped),
// replaced by the program's description file (config.xml) where it describes the same type.
class ModelCatalog {
public:
    ModelCatalog();

    // Reads the keyboards of a description file; models it names replace the defaults.
    // Returns false (catalog unchanged) when the file cannot be read or parsed.
    bool load_config(std::filesystem::path const& file);
    // Same as load_config, from the text of a description file.
    bool load_config_text(std::string const& xml);

    std::optional<ModelInfo> find(int device_type) const;
    std::vector<ModelInfo> const& models() const { return m_models; }

private:
    void put(ModelInfo model);

    std::vector<ModelInfo> m_models;
};

// The interface number in a text such as "VID_3151&PID_4015&MI_02", or `fallback`.
int interface_number_of(std::string const& hid_interface, int fallback);

}
