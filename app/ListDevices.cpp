#include "app/ListDevices.h"

#include "config/DescriptionFile.h"
#include "device/DeviceDiagnostics.h"

#include <iostream>

namespace Tessera {

int ListDevices(std::wstring const& appFolder)
{
    DescriptionFile description = ReadDescriptionFile(DescriptionFilePath(appFolder), nullptr, nullptr);
    if (!description.loaded)
        std::cerr << "tessera: config.xml in the program folder could not be read; no keyboard is known\n";
    return PrintDiscoveredDevices(std::cout, description.connections);
}

}
