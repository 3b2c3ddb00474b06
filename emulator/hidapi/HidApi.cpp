// The hidapi 0.13 C interface, served by the keyboard emulator daemon instead of the kernel.
// Every opened device has its own connection to the daemon, so handles never wait for each
// other; hidapi's own rule (one thread per handle at a time) applies as usual.
#include "emulator/wire/Bytes.h"
#include "emulator/wire/InterfaceRecord.h"
#include "emulator/wire/LineChannel.h"
#include "emulator/wire/SocketPath.h"

#include <hidapi/hidapi.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace Tessera::Emulator;

struct hid_device_ {
    LineChannel channel;
    bool nonblocking { false };
    InterfaceRecord record;
    std::wstring lastError;
    hid_device_info* info { nullptr };
};

namespace {

thread_local std::wstring t_globalError;

std::wstring widen(std::string const& text)
{
    // UTF-8 to one code point per wchar_t.
    std::wstring wide;
    for (std::size_t i = 0; i < text.size();) {
        auto byte = static_cast<unsigned char>(text[i]);
        int extra = byte < 0x80 ? 0 : byte < 0xE0 ? 1 : byte < 0xF0 ? 2 : 3;
        wchar_t code = extra == 0 ? byte : extra == 1 ? (byte & 0x1F) : extra == 2 ? (byte & 0x0F) : (byte & 0x07);
        ++i;
        for (int k = 0; k < extra && i < text.size(); ++k, ++i)
            code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
        wide.push_back(code);
    }
    return wide;
}

void set_error(hid_device* device, std::string const& text)
{
    (device ? device->lastError : t_globalError) = widen(text);
}

// Sends one request and collects the "= " data lines and the final line.
struct Answer {
    bool ok { false };
    std::string value;              // text after "ok " or "err "
    std::vector<std::string> data;  // the "= " lines
};

Answer ask(LineChannel& channel, std::string const& request)
{
    Answer answer;
    if (!channel.send_line(request)) {
        answer.value = "the emulator closed the connection";
        return answer;
    }
    while (auto line = channel.read_line()) {
        if (line->rfind("= ", 0) == 0) {
            answer.data.push_back(line->substr(2));
            continue;
        }
        answer.ok = line->rfind("ok", 0) == 0;
        auto space = line->find(' ');
        answer.value = space == std::string::npos ? std::string() : line->substr(space + 1);
        return answer;
    }
    answer.value = "the emulator closed the connection";
    return answer;
}

std::optional<LineChannel> connect_daemon()
{
    std::string error;
    auto channel = LineChannel::connect(default_socket_path(), error);
    if (!channel)
        set_error(nullptr, error);
    return channel;
}

wchar_t* copy_wide(std::string const& text)
{
    auto wide = widen(text);
    // Freed by hid_free_enumeration with free(), as the C interface requires.
    auto* copy = static_cast<wchar_t*>(std::calloc(wide.size() + 1, sizeof(wchar_t)));
    if (copy)
        std::wmemcpy(copy, wide.c_str(), wide.size());
    return copy;
}

hid_device_info* make_info(InterfaceRecord const& record)
{
    auto* info = static_cast<hid_device_info*>(std::calloc(1, sizeof(hid_device_info)));
    if (!info)
        return nullptr;
    info->path = strdup(record.path.c_str());
    info->vendor_id = static_cast<unsigned short>(record.vid);
    info->product_id = static_cast<unsigned short>(record.pid);
    info->serial_number = copy_wide(record.serial);
    info->release_number = static_cast<unsigned short>(record.release);
    info->manufacturer_string = copy_wide(record.manufacturer);
    info->product_string = copy_wide(record.product);
    info->usage_page = static_cast<unsigned short>(record.usagePage);
    info->usage = static_cast<unsigned short>(record.usage);
    info->interface_number = record.interfaceNumber;
    info->bus_type = record.bluetooth ? HID_API_BUS_BLUETOOTH : HID_API_BUS_USB;
    return info;
}

int copy_string(hid_device* device, std::string const& text, wchar_t* out, size_t maxlen)
{
    if (!device || !out || maxlen == 0) {
        set_error(device, "invalid argument");
        return -1;
    }
    auto wide = widen(text);
    std::size_t count = std::min(wide.size(), maxlen - 1);
    std::wmemcpy(out, wide.c_str(), count);
    out[count] = L'\0';
    return 0;
}

int transfer_count(hid_device* device, Answer const& answer)
{
    if (!answer.ok) {
        set_error(device, answer.value);
        return -1;
    }
    device->lastError.clear();
    return std::atoi(answer.value.c_str());
}

// Copies the hex bytes of a reply into `data`; the count copied, or -1.
int copy_bytes(hid_device* device, Answer const& answer, unsigned char* data, size_t length)
{
    if (!answer.ok) {
        set_error(device, answer.value);
        return -1;
    }
    Bytes bytes;
    if (!from_hex(answer.value, bytes)) {
        set_error(device, "malformed reply from the emulator");
        return -1;
    }
    std::size_t count = std::min(bytes.size(), length);
    if (count)
        std::memcpy(data, bytes.data(), count);
    device->lastError.clear();
    return static_cast<int>(count);
}

}

extern "C" {

int HID_API_EXPORT HID_API_CALL hid_init(void)
{
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_exit(void)
{
    return 0;
}

struct hid_device_info HID_API_EXPORT* HID_API_CALL hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    auto channel = connect_daemon();
    if (!channel)
        return nullptr;
    auto answer = ask(*channel, "enumerate");
    if (!answer.ok) {
        set_error(nullptr, answer.value);
        return nullptr;
    }
    hid_device_info* first = nullptr;
    hid_device_info** tail = &first;
    for (auto const& line : answer.data) {
        auto record = decode_record(line);
        if (!record || (vendor_id && record->vid != vendor_id) || (product_id && record->pid != product_id))
            continue;
        *tail = make_info(*record);
        if (!*tail)
            break;
        tail = &(*tail)->next;
    }
    if (!first)
        set_error(nullptr, "no HID device found");
    return first;
}

void HID_API_EXPORT HID_API_CALL hid_free_enumeration(struct hid_device_info* devs)
{
    while (devs) {
        auto* next = devs->next;
        std::free(devs->path);
        std::free(devs->serial_number);
        std::free(devs->manufacturer_string);
        std::free(devs->product_string);
        std::free(devs);
        devs = next;
    }
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open_path(char const* path)
{
    if (!path) {
        set_error(nullptr, "no path");
        return nullptr;
    }
    auto channel = connect_daemon();
    if (!channel)
        return nullptr;
    auto opened = ask(*channel, std::string("open ") + path);
    auto info = opened.ok ? ask(*channel, "info") : opened;
    std::optional<InterfaceRecord> record;
    if (info.ok && info.data.size() == 1)
        record = decode_record(info.data[0]);
    if (!record) {
        set_error(nullptr, info.ok ? "malformed reply from the emulator" : info.value);
        return nullptr;
    }
    auto device = std::make_unique<hid_device>();
    device->channel = std::move(*channel);
    device->record = *record;
    t_globalError.clear();
    return device.release(); // owned by the caller until hid_close
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open(unsigned short vendor_id, unsigned short product_id, wchar_t const* serial_number)
{
    auto* list = hid_enumerate(vendor_id, product_id);
    std::string path;
    for (auto* info = list; info; info = info->next) {
        if (serial_number && (!info->serial_number || std::wcscmp(serial_number, info->serial_number) != 0))
            continue;
        path = info->path;
        break;
    }
    hid_free_enumeration(list);
    if (path.empty()) {
        set_error(nullptr, "device not found");
        return nullptr;
    }
    return hid_open_path(path.c_str());
}

int HID_API_EXPORT HID_API_CALL hid_write(hid_device* dev, unsigned char const* data, size_t length)
{
    if (!dev || !data || length == 0) {
        set_error(dev, "invalid argument");
        return -1;
    }
    return transfer_count(dev, ask(dev->channel, "write " + to_hex(Bytes(data, data + length))));
}

int HID_API_EXPORT HID_API_CALL hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds)
{
    if (!dev || !data) {
        set_error(dev, "invalid argument");
        return -1;
    }
    return copy_bytes(dev, ask(dev->channel, "read " + std::to_string(milliseconds < 0 ? -1 : milliseconds)), data, length);
}

int HID_API_EXPORT HID_API_CALL hid_read(hid_device* dev, unsigned char* data, size_t length)
{
    return hid_read_timeout(dev, data, length, dev && dev->nonblocking ? 0 : -1);
}

int HID_API_EXPORT HID_API_CALL hid_set_nonblocking(hid_device* dev, int nonblock)
{
    if (!dev)
        return -1;
    dev->nonblocking = nonblock != 0;
    return 0;
}

int HID_API_EXPORT HID_API_CALL hid_send_feature_report(hid_device* dev, unsigned char const* data, size_t length)
{
    if (!dev || !data || length == 0) {
        set_error(dev, "invalid argument");
        return -1;
    }
    return transfer_count(dev, ask(dev->channel, "set-feature " + to_hex(Bytes(data, data + length))));
}

int HID_API_EXPORT HID_API_CALL hid_get_feature_report(hid_device* dev, unsigned char* data, size_t length)
{
    if (!dev || !data || length == 0) {
        set_error(dev, "invalid argument");
        return -1;
    }
    return copy_bytes(dev, ask(dev->channel, "get-feature " + to_hex(Bytes(data, data + length))), data, length);
}

int HID_API_EXPORT HID_API_CALL hid_get_input_report(hid_device* dev, unsigned char*, size_t)
{
    set_error(dev, "input reports on request are not supported by this device");
    return -1;
}

void HID_API_EXPORT HID_API_CALL hid_close(hid_device* dev)
{
    if (!dev)
        return;
    hid_free_enumeration(dev->info);
    std::unique_ptr<hid_device> owned(dev); // closes the connection, which closes the device
}

int HID_API_EXPORT_CALL hid_get_manufacturer_string(hid_device* dev, wchar_t* string, size_t maxlen)
{
    return copy_string(dev, dev ? dev->record.manufacturer : std::string(), string, maxlen);
}

int HID_API_EXPORT_CALL hid_get_product_string(hid_device* dev, wchar_t* string, size_t maxlen)
{
    return copy_string(dev, dev ? dev->record.product : std::string(), string, maxlen);
}

int HID_API_EXPORT_CALL hid_get_serial_number_string(hid_device* dev, wchar_t* string, size_t maxlen)
{
    return copy_string(dev, dev ? dev->record.serial : std::string(), string, maxlen);
}

struct hid_device_info HID_API_EXPORT* HID_API_CALL hid_get_device_info(hid_device* dev)
{
    if (!dev)
        return nullptr;
    if (!dev->info)
        dev->info = make_info(dev->record);
    return dev->info;
}

int HID_API_EXPORT_CALL hid_get_indexed_string(hid_device* dev, int, wchar_t*, size_t)
{
    set_error(dev, "indexed strings are not supported by this device");
    return -1;
}

HID_API_EXPORT wchar_t const* HID_API_CALL hid_error(hid_device* dev)
{
    std::wstring const& text = dev ? dev->lastError : t_globalError;
    return text.empty() ? L"Success" : text.c_str();
}

HID_API_EXPORT const struct hid_api_version* HID_API_CALL hid_version(void)
{
    static const hid_api_version version { 0, 13, 1 };
    return &version;
}

HID_API_EXPORT char const* HID_API_CALL hid_version_str(void)
{
    return "0.13.1";
}

}
