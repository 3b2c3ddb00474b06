#include "config/DescriptionFile.h"

#include <test_support/Paths.h>
#include <test_support/ScopedEnv.h>
#include <test_support/TempDir.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace Tessera;
using TestSupport::ScopedEnv;
using TestSupport::TempDir;

namespace {

struct RecordingDevices : DeviceListSink {
    std::vector<std::pair<std::wstring, int>> rows;
    void AddDevice(std::wstring const& name, int deviceType) override { rows.emplace_back(name, deviceType); }
};

using SupportedRow = std::tuple<int, int, int, std::wstring, int, int, std::wstring>;

struct RecordingSupported : SupportedDeviceSink {
    std::vector<SupportedRow> rows;
    void AddSupportedDevice(int vid, int pid, int rev, std::wstring const& productName, int deviceType, int mode,
        std::wstring const& hidInterface) override
    {
        rows.emplace_back(vid, pid, rev, productName, deviceType, mode, hidInterface);
    }
};

class DescriptionFileRead : public testing::Test {
protected:
    DescriptionFile Read(std::string const& text)
    {
        return ReadDescriptionFile(m_dir.write("config.xml", text).wstring(), &m_devices, &m_supported);
    }

    ScopedEnv m_noOverride { "TESSERA_UPGRADE_URL", std::nullopt };
    TempDir m_dir;
    RecordingDevices m_devices;
    RecordingSupported m_supported;
};

constexpr char kTwoModels[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<config>
<software name="Board"/>
<device.info>
<keyboard name="Alpha" device_type="301" device_info="alpha">
<mode value="0" desc="USB" vid="320F" pid="0x5055" rev="0102" product_name="Alpha Kbd" hid_interface="&amp;MI_02"/>
<mode value="2" desc="2.4G" vid="0X320F" pid="5056" rev="1" product_name="" hid_interface="PID_5056&amp;MI_02"/>
</keyboard>
<keyboard name="Bare" device_type="108" device_info="bare"/>
</device.info>
<software version="2.1.0">
<website url="https://web.example/"/>
<store url="https://shop.example/"/>
<upgrade url="https://up.example/base/"/>
<copyright info="(c) Example &amp; Co"/>
</software>
</config>
)";

}

TEST_F(DescriptionFileRead, TwoModesShareTheirKeyboardsTypeAndLayoutName)
{
    auto file = Read(kTwoModels);
    ASSERT_TRUE(file.loaded);
    ASSERT_EQ(file.connections.size(), 2u);
    auto const& cable = file.connections[0];
    EXPECT_EQ(cable.name, L"Alpha Kbd");
    EXPECT_EQ(cable.deviceType, 301);
    EXPECT_EQ(cable.deviceInfo, L"alpha");
    EXPECT_EQ(cable.mode, 0);
    EXPECT_EQ(cable.vid, 12815);
    EXPECT_EQ(cable.pid, 0x5055);
    EXPECT_EQ(cable.rev, 0x102);
    EXPECT_EQ(cable.desc, L"USB");
    EXPECT_EQ(cable.hidInterface, L"&MI_02");
    EXPECT_FALSE(cable.present);
    auto const& receiver = file.connections[1];
    EXPECT_EQ(receiver.name, L"");
    EXPECT_EQ(receiver.deviceType, 301);
    EXPECT_EQ(receiver.deviceInfo, L"alpha");
    EXPECT_EQ(receiver.mode, 2);
    EXPECT_EQ(receiver.vid, 12815);
    EXPECT_EQ(receiver.pid, 0x5056);
    EXPECT_EQ(receiver.rev, 1);
}

TEST_F(DescriptionFileRead, AKeyboardWithoutModesIsListedButNeverSupported)
{
    auto file = Read(kTwoModels);
    ASSERT_EQ(file.models.size(), 2u);
    EXPECT_EQ(file.models[1].name, L"Bare");
    EXPECT_EQ(file.models[1].deviceType, 108);
    EXPECT_EQ(file.models[1].deviceInfo, L"bare");
    EXPECT_EQ(file.models[1].vid, 0);
    EXPECT_EQ(file.models[1].hidInterface, L"");
    std::vector<std::pair<std::wstring, int>> expectedDevices { { L"Alpha", 301 }, { L"Bare", 108 } };
    EXPECT_EQ(m_devices.rows, expectedDevices);
    std::vector<SupportedRow> expectedSupported {
        { 0x320F, 0x5055, 0x102, L"Alpha Kbd", 301, 0, L"&MI_02" },
        { 0x320F, 0x5056, 1, L"", 301, 2, L"PID_5056&MI_02" },
    };
    EXPECT_EQ(m_supported.rows, expectedSupported);
}

TEST_F(DescriptionFileRead, SoftwareAfterTheModelsGivesVersionAndLinks)
{
    auto file = Read(kTwoModels);
    EXPECT_EQ(file.version, L"2.1.0");
    EXPECT_EQ(file.website, L"https://web.example/");
    EXPECT_EQ(file.store, L"https://shop.example/");
    EXPECT_EQ(file.upgrade, L"https://up.example/base/");
    EXPECT_EQ(file.copyright, L"(c) Example & Co");
    EXPECT_EQ(VersionCaption(file.version), L"Ver: 2.1.0");
    EXPECT_EQ(VersionCaption(L""), L"Ver: ");
}

TEST_F(DescriptionFileRead, MissingAttributesReadAsZeroOrEmpty)
{
    auto file = Read("<config><device.info><keyboard><mode/></keyboard></device.info></config>");
    ASSERT_EQ(file.models.size(), 1u);
    EXPECT_EQ(file.models[0].name, L"");
    EXPECT_EQ(file.models[0].deviceType, 0);
    ASSERT_EQ(file.connections.size(), 1u);
    auto const& mode = file.connections[0];
    EXPECT_EQ(mode.mode, 0);
    EXPECT_EQ(mode.vid, 0);
    EXPECT_EQ(mode.pid, 0);
    EXPECT_EQ(mode.rev, 0);
    EXPECT_EQ(mode.name, L"");
    EXPECT_EQ(mode.hidInterface, L"");
    EXPECT_EQ(file.version, L"");
}

TEST_F(DescriptionFileRead, LinksAreSearchedInOrderSoAnEarlierLinkAfterALaterOneIsMissed)
{
    auto file = Read("<config><software version=\"1\"><upgrade url=\"u\"/><website url=\"w\"/><copyright info=\"c\"/>"
                     "</software></config>");
    EXPECT_EQ(file.version, L"1");
    EXPECT_EQ(file.website, L"w");
    EXPECT_EQ(file.store, L"");
    EXPECT_EQ(file.upgrade, L"");
    EXPECT_EQ(file.copyright, L"c");
}

TEST_F(DescriptionFileRead, NameAndLinksOnOneSoftwareElementAfterTheModels)
{
    auto file = Read("<config><device.info/><software name=\"N\" version=\"3\"/></config>");
    EXPECT_EQ(file.version, L"3");
    EXPECT_EQ(ReadSoftwareName((m_dir / "config.xml").wstring()), L"N");
}

TEST_F(DescriptionFileRead, MissingOrMalformedFileGivesEmptyLists)
{
    auto missing = ReadDescriptionFile((m_dir / "none.xml").wstring(), &m_devices, &m_supported);
    EXPECT_FALSE(missing.loaded);
    auto malformed = Read("<config><device.info><keyboard name=\"A\" device_type=\"301\"></config>");
    EXPECT_FALSE(malformed.loaded);
    EXPECT_TRUE(malformed.models.empty());
    auto otherRoot = Read("<other><device.info><keyboard name=\"A\"/></device.info></other>");
    EXPECT_FALSE(otherRoot.loaded);
    EXPECT_TRUE(otherRoot.models.empty());
    EXPECT_TRUE(m_devices.rows.empty());
    EXPECT_TRUE(m_supported.rows.empty());
}

TEST_F(DescriptionFileRead, UpgradeAddressCanBeOverriddenForTests)
{
    ScopedEnv overridden("TESSERA_UPGRADE_URL", "http://127.0.0.1:8080/");
    EXPECT_EQ(Read(kTwoModels).upgrade, L"http://127.0.0.1:8080/");
    ScopedEnv empty("TESSERA_UPGRADE_URL", "");
    EXPECT_EQ(Read(kTwoModels).upgrade, L"https://up.example/base/");
}

TEST(DescriptionNumbers, HexadecimalWithAndWithoutPrefixAndDecimal)
{
    struct Case {
        wchar_t const* text;
        int hex;
        int dec;
    };
    Case const cases[] = {
        { L"320F", 12815, 320 },
        { L"0x320F", 12815, 0 },
        { L"0X320f", 12815, 0 },
        { L" 12", 0x12, 12 },
        { L"", 0, 0 },
        { L"zz", 0, 0 },
        { L"-1", -1, -1 },
        { L"12abc", 0x12ABC, 12 },
        { L"FFFFFFFFFFFF", 2147483647, 0 },
        { L"99999999999", 2147483647, 2147483647 },
    };
    for (auto const& c : cases) {
        EXPECT_EQ(ParseHexadecimal(c.text), c.hex) << c.text;
        EXPECT_EQ(ParseDecimal(c.text), c.dec) << c.text;
    }
}

TEST(DescriptionStartupName, NameOfTheFirstSoftwareElementOrNothing)
{
    TempDir dir;
    struct Case {
        char const* text;
        std::optional<std::wstring> name;
    };
    Case const cases[] = {
        { "<config><software name=\"Tessera Pro\"/><software name=\"later\"/></config>", L"Tessera Pro" },
        { "<config><device.info/></config>", std::nullopt },
        { "<config><software/></config>", std::nullopt },
        { "<config><software name=\"../x\"/></config>", std::nullopt },
        { "<config><software name=\"..\"/></config>", std::nullopt },
        { "<other><software name=\"x\"/></other>", std::nullopt },
        { "<config><software name=\"x\">", std::nullopt },
    };
    for (auto const& c : cases)
        EXPECT_EQ(ReadSoftwareName(dir.write("config.xml", c.text).wstring()), c.name) << c.text;
    EXPECT_EQ(ReadSoftwareName((dir / "none.xml").wstring()), std::nullopt);
}

TEST(ShippedDescriptionFile, OffersTheThreeProtocolFamiliesWithTheirModes)
{
    ScopedEnv noOverride("TESSERA_UPGRADE_URL", std::nullopt);
    auto path = (TestSupport::source_dir() / "data" / "config.xml").wstring();
    EXPECT_EQ(ReadSoftwareName(path), L"Tessera");
    RecordingSupported supported;
    auto file = ReadDescriptionFile(path, nullptr, &supported);
    ASSERT_TRUE(file.loaded);
    bool has301Cable = false, has301Receiver = false, hasType2 = false, hasType1 = false;
    for (auto const& mode : file.connections) {
        has301Cable |= mode.deviceType == 301 && mode.mode == 0;
        has301Receiver |= mode.deviceType == 301 && mode.mode == 2;
        hasType2 |= mode.deviceType > 200 && mode.deviceType < 300;
        hasType1 |= mode.deviceType <= 200;
        EXPECT_NE(mode.vid, 0);
        EXPECT_NE(mode.pid, 0);
        EXPECT_FALSE(mode.deviceInfo.empty());
        EXPECT_NE(mode.hidInterface.find(L"&MI_"), std::wstring::npos);
        EXPECT_EQ(mode.hidInterface.find(L"&MI_03"), std::wstring::npos); // interface 3 is never a command interface
    }
    EXPECT_TRUE(has301Cable && has301Receiver && hasType2 && hasType1);
    EXPECT_EQ(supported.rows.size(), file.connections.size());
    EXPECT_FALSE(file.version.empty());
    EXPECT_FALSE(file.website.empty());
    EXPECT_FALSE(file.store.empty());
    EXPECT_FALSE(file.upgrade.empty());
}
