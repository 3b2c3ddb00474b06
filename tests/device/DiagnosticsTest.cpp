#include "TransportFixture.h"
#include "device/DeviceDiagnostics.h"

#include <sstream>

using namespace Tessera;
using namespace DeviceTest;

class Diagnostics : public TransportFixture { };

TEST_F(Diagnostics, PrintsInterfacesModesAndVersions)
{
    DeviceModel cable;
    cable.name = L"";
    cable.deviceType = 301;
    cable.vid = kVid;
    cable.pid = kCablePid;
    cable.mode = 0;
    DeviceModel receiver = cable;
    receiver.pid = kReceiverPid;
    receiver.mode = 2;
    AddCable();
    AddReceiver(false);

    std::ostringstream out;
    EXPECT_EQ(PrintDiscoveredDevices(out, { cable, receiver }, *manager), 0);
    EXPECT_EQ(out.str(),
        "interfaces: 2\n"
        "  320F:5055 cable type 301 release 0105 online \"Tessera K1\" HID#VID_320F&PID_5055&MI_02#/dev/hidraw2\n"
        "  320F:5088 receiver type 301 release 0210 offline \"Tessera Receiver\" HID#VID_320F&PID_5088&MI_02#/dev/hidraw4\n"
        "connected modes: \"\" (cable)\n"
        "device type: 301\n"
        "connection mode: 0 (cable)\n"
        "keyboard linked: yes\n"
        "firmware version: 105\n"
        "receiver version: 210\n");
}
