#include "emulator/wire/InterfaceRecord.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace Tessera::Emulator {

namespace {
std::string clean(std::string text)
{
    for (auto& c : text) {
        if (c == '\t' || c == '\n' || c == '\r')
            c = ' ';
    }
    return text;
}

std::optional<unsigned long> number(std::string const& text, int base)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    unsigned long value = std::strtoul(text.c_str(), &end, base);
    if (*end != '\0')
        return std::nullopt;
    return value;
}
}

std::string encode_record(InterfaceRecord const& record)
{
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, "%04x\t%04x\t%04x\t%04x\t%04x\t%d\t%s", record.vid, record.pid,
        record.release, record.usagePage, record.usage, record.interfaceNumber, record.bluetooth ? "bluetooth" : "usb");
    return clean(record.path) + "\t" + numbers + "\t" + clean(record.manufacturer) + "\t" + clean(record.product) + "\t"
        + clean(record.serial);
}

std::optional<InterfaceRecord> decode_record(std::string const& text)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        auto tab = text.find('\t', start);
        fields.push_back(text.substr(start, tab - start));
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
    if (fields.size() != 11)
        return std::nullopt;
    InterfaceRecord record;
    record.path = fields[0];
    auto vid = number(fields[1], 16), pid = number(fields[2], 16), release = number(fields[3], 16);
    auto page = number(fields[4], 16), usage = number(fields[5], 16);
    if (!vid || !pid || !release || !page || !usage || fields[6].empty())
        return std::nullopt;
    record.vid = static_cast<unsigned>(*vid);
    record.pid = static_cast<unsigned>(*pid);
    record.release = static_cast<unsigned>(*release);
    record.usagePage = static_cast<unsigned>(*page);
    record.usage = static_cast<unsigned>(*usage);
    record.interfaceNumber = std::atoi(fields[6].c_str());
    record.bluetooth = fields[7] == "bluetooth";
    record.manufacturer = fields[8];
    record.product = fields[9];
    record.serial = fields[10];
    return record;
}

}
