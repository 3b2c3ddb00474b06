#pragma once

#include <optional>
#include <string>
#include <vector>

namespace Tessera {

class XmlDocument;

// A keyboard layout file, "<program folder>/layouts/<device_info>.xml": the
// pages a model has, its firmware package, its light modes and one entry per
// physical key. The program only reads these files.

// Page flags of a model: which pages and keyboard pictures exist.
enum PageFlag : int {
    kPageKeys = 0x01,
    kPageMacros = 0x02,
    kPageLighting = 0x04,
    kPageSettingsPicture = 0x40,
};
// The flags before any layout was loaded.
constexpr int kPageFlagsBeforeLoad = 0x7F;

constexpr int kKeyMatrixRows = 8;
constexpr int kKeyMatrixColumns = 32;

struct KeyRect {
    int left { 0 };
    int top { 0 };
    int right { 0 };
    int bottom { 0 };
    bool operator==(KeyRect const&) const = default;
};

struct MatrixCell {
    int row { 0 };
    int column { 0 };
    bool operator==(MatrixCell const&) const = default;
};

// One light mode: its caption (a language text number), number and
// capability word.
struct LayoutLightMode {
    std::wstring name;
    int mode { 0 };
    int attribute { 0 };
};

struct LayoutKey {
    int code { 0 };
    std::wstring name; // caption drawn on the key
    std::wstring desc; // title of the key's tip
    int keyIndex { 0 };
    int lightIndex { 0 };
    std::wstring icon;
    bool fnLayerDisable { false };
    std::optional<MatrixCell> cell; // none when row_col is missing or outside the matrix
    KeyRect rect;
};

// Everything a layout file says. A section that is absent leaves its
// `has…` false; absent attributes read as empty text or 0.
struct KeyboardLayout {
    bool hasMenu { false };
    int pageFlags { 0 }; // valid when hasMenu

    bool hasFunction { false };
    bool sleepTime { false };

    bool hasFirmware { false };
    std::wstring firmwareVersion;
    std::wstring firmwareFile;
    std::wstring firmwareUrl;
    std::wstring receiverUrl;

    bool hasLight { false };
    bool rgbKeyboard { false };
    int defaultMode { 0 };
    int defaultBrightness { 0 };
    int defaultSpeed { 0 };
    int brightnessMax { 0 };
    int speedMax { 0 };
    std::vector<LayoutLightMode> lightModes;

    bool hasKeyboard { false };
    KeyRect pictureRect; // in the window
    int pictureWidth { 0 };
    int pictureHeight { 0 };
    std::wstring image;
    int rowCount { 0 };
    int columnCount { 0 };
    std::vector<LayoutKey> keys;
};

// "<folder>/layouts/<name>.xml".
std::wstring LayoutFilePath(std::wstring const& programFolder, std::wstring const& layoutName);

// Reads a layout file; std::nullopt when it cannot be loaded or has no
// "device.info" root. The sections are looked for in the order menu,
// function, firmware, light, Keyboard, each after the one found before.
std::optional<KeyboardLayout> ReadLayoutFile(std::wstring const& path);
std::optional<KeyboardLayout> ReadLayoutDocument(XmlDocument& xml);

// "x#y#width#height" → (x, y, x + width, y + height); missing or
// non-numeric parts count as 0.
KeyRect ParseKeyRect(std::wstring const& text);
// "<row digit><separator><one or two column digits>"; std::nullopt for any
// other form and for a cell outside the 8 × 32 matrix.
std::optional<MatrixCell> ParseMatrixCell(std::wstring const& text);

}
