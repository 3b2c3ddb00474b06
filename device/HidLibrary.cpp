#include "device/HidBackend.h"

#include <dlfcn.h>

#include <cstdlib>

namespace Tessera {

namespace {

constexpr char kDefaultHidLibrary[] = "libhidapi-hidraw.so.0";

// The hidapi 0.13 entry points the transport uses, looked up by name.
struct HidApiFunctions {
    int (*init)();
    int (*exit)();
    hid_device_info* (*enumerate)(unsigned short, unsigned short);
    void (*freeEnumeration)(hid_device_info*);
    hid_device* (*openPath)(char const*);
    void (*close)(hid_device*);
    int (*write)(hid_device*, unsigned char const*, std::size_t);
    int (*readTimeout)(hid_device*, unsigned char*, std::size_t, int);
    int (*sendFeatureReport)(hid_device*, unsigned char const*, std::size_t);
    int (*getFeatureReport)(hid_device*, unsigned char*, std::size_t);
};

template<typename Function>
bool Resolve(void* library, char const* name, Function& function, std::string* error)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    if (function == nullptr && error != nullptr)
        *error = std::string("missing symbol ") + name;
    return function != nullptr;
}

bool ResolveAll(void* library, HidApiFunctions& f, std::string* error)
{
    return Resolve(library, "hid_init", f.init, error) && Resolve(library, "hid_exit", f.exit, error)
        && Resolve(library, "hid_enumerate", f.enumerate, error)
        && Resolve(library, "hid_free_enumeration", f.freeEnumeration, error)
        && Resolve(library, "hid_open_path", f.openPath, error) && Resolve(library, "hid_close", f.close, error)
        && Resolve(library, "hid_write", f.write, error)
        && Resolve(library, "hid_read_timeout", f.readTimeout, error)
        && Resolve(library, "hid_send_feature_report", f.sendFeatureReport, error)
        && Resolve(library, "hid_get_feature_report", f.getFeatureReport, error);
}

class EmptyHidBackend final : public HidBackend {
public:
    std::vector<HidInterfaceInfo> Enumerate() override { return {}; }
    hid_device* OpenPath(std::string const&) override { return nullptr; }
    void Close(hid_device*) override { }
    int Write(hid_device*, std::uint8_t const*, std::size_t) override { return -1; }
    int ReadTimeout(hid_device*, std::uint8_t*, std::size_t, int) override { return -1; }
    int SendFeatureReport(hid_device*, std::uint8_t const*, std::size_t) override { return -1; }
    int GetFeatureReport(hid_device*, std::uint8_t*, std::size_t) override { return -1; }
};

class LoadedHidBackend final : public HidBackend {
public:
    LoadedHidBackend(void* library, HidApiFunctions const& functions)
        : m_library(library)
        , m_f(functions)
    {
    }

    ~LoadedHidBackend() override
    {
        m_f.exit();
        // The library stays mapped: a HID library may keep threads or
        // atexit handlers that would outlive an unmapping.
    }

    std::vector<HidInterfaceInfo> Enumerate() override
    {
        std::vector<HidInterfaceInfo> interfaces;
        hid_device_info* list = m_f.enumerate(0, 0);
        for (hid_device_info* info = list; info != nullptr; info = info->next) {
            HidInterfaceInfo copy;
            copy.path = info->path != nullptr ? info->path : "";
            copy.vid = info->vendor_id;
            copy.pid = info->product_id;
            copy.releaseNumber = info->release_number;
            copy.usagePage = info->usage_page;
            copy.usage = info->usage;
            copy.interfaceNumber = info->interface_number;
            copy.busType = info->bus_type;
            copy.productString = info->product_string != nullptr ? info->product_string : L"";
            interfaces.push_back(std::move(copy));
        }
        if (list != nullptr)
            m_f.freeEnumeration(list);
        return interfaces;
    }

    hid_device* OpenPath(std::string const& path) override { return m_f.openPath(path.c_str()); }
    void Close(hid_device* device) override { m_f.close(device); }

    int Write(hid_device* device, std::uint8_t const* data, std::size_t length) override
    {
        return m_f.write(device, data, length);
    }

    int ReadTimeout(hid_device* device, std::uint8_t* data, std::size_t length, int milliseconds) override
    {
        return m_f.readTimeout(device, data, length, milliseconds);
    }

    int SendFeatureReport(hid_device* device, std::uint8_t const* data, std::size_t length) override
    {
        return m_f.sendFeatureReport(device, data, length);
    }

    int GetFeatureReport(hid_device* device, std::uint8_t* data, std::size_t length) override
    {
        return m_f.getFeatureReport(device, data, length);
    }

private:
    [[maybe_unused]] void* m_library;
    HidApiFunctions m_f;
};

}

std::unique_ptr<HidBackend> CreateEmptyHidBackend()
{
    return std::make_unique<EmptyHidBackend>();
}

std::unique_ptr<HidBackend> LoadHidBackendFrom(std::string const& libraryName, std::string* error)
{
    void* library = dlopen(libraryName.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        if (error != nullptr) {
            char const* reason = dlerror();
            *error = reason != nullptr ? reason : "cannot load " + libraryName;
        }
        return CreateEmptyHidBackend();
    }
    HidApiFunctions functions {};
    if (!ResolveAll(library, functions, error)) {
        dlclose(library);
        return CreateEmptyHidBackend();
    }
    if (functions.init() != 0) {
        if (error != nullptr)
            *error = "hid_init failed";
        dlclose(library);
        return CreateEmptyHidBackend();
    }
    return std::make_unique<LoadedHidBackend>(library, functions);
}

std::unique_ptr<HidBackend> LoadHidBackend(std::string* error)
{
    char const* chosen = std::getenv("TESSERA_HIDAPI");
    return LoadHidBackendFrom(chosen != nullptr && *chosen != '\0' ? chosen : kDefaultHidLibrary, error);
}

}
