#include "emulator/firmware/HidInterface.h"
#include "emulator/firmware/ModelCatalog.h"

#include <gtest/gtest.h>

using namespace Tessera::Emulator;

namespace {

char const* const kConfig = R"(<?xml version="1.0" encoding="utf-8"?>
<config>
  <software name="Tessera"/>
  <device.info>
    <keyboard name="Alpha" device_type="301" device_info="alpha_layout">
      <mode value="0" desc="usb" vid="0x1A2B" pid="3C4D" rev="0210" product_name="Alpha Board" hid_interface="VID_1A2B&amp;PID_3C4D&amp;MI_01"/>
      <mode value="2" desc="2.4G" vid="1A2B" pid="3C4E" rev="0103" product_name="" hid_interface="VID_1A2B&amp;PID_3C4E&amp;MI_02"/>
    </keyboard>
    <keyboard name="Empty" device_type="150" device_info="empty"/>
  </device.info>
</config>)";

TEST(ModelCatalog, DescriptionFileReplacesTheBuiltInModelOfTheSameType)
{
    ModelCatalog catalog;
    ASSERT_TRUE(catalog.load_config_text(kConfig));
    auto model = catalog.find(301);
    ASSERT_TRUE(model);
    EXPECT_EQ(model->name, "Alpha");
    EXPECT_EQ(model->deviceInfo, "alpha_layout");
    ASSERT_TRUE(model->cable && model->receiver);
    EXPECT_EQ(model->cable->vid, 0x1A2Bu);
    EXPECT_EQ(model->cable->pid, 0x3C4Du);
    EXPECT_EQ(model->cable->rev, 0x0210u);
    EXPECT_EQ(model->cable->productName, "Alpha Board");
    EXPECT_EQ(model->cable->commandInterface, 1);
    EXPECT_EQ(model->receiver->pid, 0x3C4Eu);
    EXPECT_FALSE(catalog.find(150)) << "a keyboard without modes cannot be emulated";
    EXPECT_TRUE(catalog.find(202)) << "built-in models the file does not name stay";
}

TEST(ModelCatalog, MalformedFileLeavesTheCatalogAlone)
{
    ModelCatalog catalog;
    EXPECT_FALSE(catalog.load_config_text("<config><device.info><keyboard device_type=\"301\">"));
    EXPECT_EQ(catalog.find(301)->cable->pid, 0x4015u);
}

TEST(HidInterfaces, EachConnectionShowsKeyboardConsumerCommandSetAsideAndForeignVendorCollections)
{
    ModelCatalog catalog;
    ASSERT_TRUE(catalog.load_config_text(kConfig));
    auto interfaces = interfaces_for(*catalog.find(301), Link::Cable, 0);
    struct Expected {
        int number;
        unsigned page;
        unsigned usage;
        InterfaceRole role;
        char const* path;
    };
    Expected const expected[] = {
        { 0, 0x0001, 6, InterfaceRole::Keyboard, "HID#VID_1A2B&PID_3C4D&MI_00#EMU&0&CABLE&0" },
        { 2, 0x000C, 1, InterfaceRole::Consumer, "HID#VID_1A2B&PID_3C4D&MI_02#EMU&0&CABLE&2" },
        { 1, 0xFF02, 2, InterfaceRole::Command, "HID#VID_1A2B&PID_3C4D&MI_01#EMU&0&CABLE&1" },
        { 3, 0xFF01, 1, InterfaceRole::SetAside, "HID#VID_1A2B&PID_3C4D&MI_03#EMU&0&CABLE&3" },
        { 4, 0xFF00, 1, InterfaceRole::OtherVendor, "HID#VID_1A2B&PID_3C4D&MI_04#EMU&0&CABLE&4" },
    };
    ASSERT_EQ(interfaces.size(), std::size(expected));
    for (std::size_t i = 0; i < interfaces.size(); ++i) {
        EXPECT_EQ(interfaces[i].interfaceNumber, expected[i].number) << i;
        EXPECT_EQ(interfaces[i].usagePage, expected[i].page) << i;
        EXPECT_EQ(interfaces[i].usage, expected[i].usage) << i;
        EXPECT_EQ(interfaces[i].role, expected[i].role) << i;
        EXPECT_EQ(interfaces[i].path, expected[i].path) << i;
        EXPECT_EQ(interfaces[i].release, 0x0210u);
        EXPECT_EQ(interfaces[i].product, "Alpha Board");
    }
}

TEST(HidInterfaces, BluetoothPathCarriesTheGattServiceAndTheCableInterfaceText)
{
    ModelCatalog catalog;
    auto hid = bluetooth_interface(*catalog.find(301));
    EXPECT_TRUE(hid.bluetooth);
    EXPECT_NE(hid.path.find("00001812-0000-1000-8000-00805F9B34FB"), std::string::npos);
    EXPECT_NE(hid.path.find("VID_3151&PID_4015&MI_02"), std::string::npos);
}

}
