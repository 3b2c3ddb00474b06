#include "config/LayoutFile.h"

#include "config/DescriptionFile.h"
#include "config/XmlDocument.h"

#include <climits>
#include <cwchar>

namespace Tessera {

namespace {

bool Flag(XmlDocument const& xml, wchar_t const* name)
{
    return xml.GetAttribute(name) == L"1";
}

int Decimal(XmlDocument const& xml, wchar_t const* name)
{
    return ParseDecimal(xml.GetAttribute(name));
}

bool IsDigit(wchar_t c)
{
    return c >= L'0' && c <= L'9';
}

void ReadMenu(XmlDocument& xml, KeyboardLayout& layout)
{
    layout.hasMenu = true;
    layout.pageFlags = kPageKeys | kPageSettingsPicture;
    if (Flag(xml, L"macro"))
        layout.pageFlags |= kPageMacros;
    if (Flag(xml, L"light_mode"))
        layout.pageFlags |= kPageLighting;
}

void ReadFirmware(XmlDocument& xml, KeyboardLayout& layout)
{
    layout.hasFirmware = true;
    layout.firmwareVersion = xml.GetAttribute(L"version");
    layout.firmwareFile = xml.GetAttribute(L"file");
    layout.firmwareUrl = xml.GetAttribute(L"url");
    layout.receiverUrl = xml.GetAttribute(L"dongle_url");
}

void ReadLight(XmlDocument& xml, KeyboardLayout& layout)
{
    layout.hasLight = true;
    layout.rgbKeyboard = Flag(xml, L"rgb_keyboard");
    layout.defaultMode = Decimal(xml, L"default_mode");
    layout.defaultBrightness = Decimal(xml, L"default_brightness");
    layout.defaultSpeed = Decimal(xml, L"default_speed");
    layout.brightnessMax = Decimal(xml, L"brightness_max");
    layout.speedMax = Decimal(xml, L"speed_max");
    xml.IntoElement();
    while (xml.FindElement(L"info"))
        layout.lightModes.push_back({ xml.GetAttribute(L"name"), Decimal(xml, L"mode"), Decimal(xml, L"attribute") });
    xml.OutOfElement();
}

LayoutKey ReadKey(XmlDocument const& xml)
{
    LayoutKey key;
    key.code = ParseHexadecimal(xml.GetAttribute(L"code"));
    key.name = xml.GetAttribute(L"name");
    key.desc = xml.GetAttribute(L"desc");
    key.keyIndex = Decimal(xml, L"key_index");
    key.lightIndex = Decimal(xml, L"light_index");
    key.icon = xml.GetAttribute(L"icon");
    key.fnLayerDisable = Flag(xml, L"fnlayer_disable");
    key.cell = ParseMatrixCell(xml.GetAttribute(L"row_col"));
    key.rect = ParseKeyRect(xml.GetAttribute(L"rect"));
    return key;
}

void ReadKeyboard(XmlDocument& xml, KeyboardLayout& layout)
{
    layout.hasKeyboard = true;
    int x = Decimal(xml, L"xpos");
    int y = Decimal(xml, L"ypos");
    layout.pictureWidth = Decimal(xml, L"width");
    layout.pictureHeight = Decimal(xml, L"height");
    layout.pictureRect = { x, y, x + layout.pictureWidth, y + layout.pictureHeight };
    layout.image = xml.GetAttribute(L"image");
    layout.rowCount = Decimal(xml, L"row_count");
    layout.columnCount = Decimal(xml, L"col_count");
    if (!xml.IntoElement())
        return;
    if (xml.FindElement(L"KeyItems") && xml.IntoElement()) {
        while (xml.FindElement(L"key"))
            layout.keys.push_back(ReadKey(xml));
        xml.OutOfElement();
    }
    xml.OutOfElement();
}

}

std::wstring LayoutFilePath(std::wstring const& programFolder, std::wstring const& layoutName)
{
    std::wstring folder = programFolder;
    if (!folder.empty() && folder.back() != L'/')
        folder += L'/';
    return folder + L"layouts/" + layoutName + L".xml";
}

std::optional<KeyboardLayout> ReadLayoutFile(std::wstring const& path)
{
    XmlDocument xml;
    if (!xml.LoadFile(path))
        return std::nullopt;
    return ReadLayoutDocument(xml);
}

std::optional<KeyboardLayout> ReadLayoutDocument(XmlDocument& xml)
{
    if (!xml.FindElement(L"device.info") || !xml.IntoElement())
        return std::nullopt;
    KeyboardLayout layout;
    if (xml.FindElement(L"menu"))
        ReadMenu(xml, layout);
    if (xml.FindElement(L"function")) {
        layout.hasFunction = true;
        layout.sleepTime = Flag(xml, L"sleep_time");
    }
    if (xml.FindElement(L"firmware"))
        ReadFirmware(xml, layout);
    if (xml.FindElement(L"light"))
        ReadLight(xml, layout);
    if (xml.FindElement(L"Keyboard"))
        ReadKeyboard(xml, layout);
    return layout;
}

KeyRect ParseKeyRect(std::wstring const& text)
{
    int parts[4] = { 0, 0, 0, 0 };
    size_t start = 0;
    for (int& part : parts) {
        if (start > text.size())
            break;
        size_t end = text.find(L'#', start);
        std::wstring piece = text.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        part = ParseDecimal(piece);
        if (end == std::wstring::npos)
            break;
        start = end + 1;
    }
    // Wide rectangles cannot overflow: each part is clamped to int and
    // the sums are done in 64 bits before being clamped again.
    auto sum = [](int a, int b) {
        long long total = static_cast<long long>(a) + b;
        return static_cast<int>(total > INT_MAX ? INT_MAX : (total < INT_MIN ? INT_MIN : total));
    };
    return { parts[0], parts[1], sum(parts[0], parts[2]), sum(parts[1], parts[3]) };
}

std::optional<MatrixCell> ParseMatrixCell(std::wstring const& text)
{
    if (text.size() != 3 && text.size() != 4)
        return std::nullopt;
    if (!IsDigit(text[0]) || IsDigit(text[1]))
        return std::nullopt;
    int column = 0;
    for (size_t i = 2; i < text.size(); ++i) {
        if (!IsDigit(text[i]))
            return std::nullopt;
        column = column * 10 + (text[i] - L'0');
    }
    int row = text[0] - L'0';
    if (row >= kKeyMatrixRows || column >= kKeyMatrixColumns)
        return std::nullopt;
    return MatrixCell { row, column };
}

}
