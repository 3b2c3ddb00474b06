#include "device/ProtocolFamily.h"

namespace Tessera {

ProtocolFamily ProtocolFamilyFor(int deviceType)
{
    if (deviceType <= 200)
        return ProtocolFamily::Type1xx;
    if (deviceType < 300)
        return ProtocolFamily::Type2xx;
    if (deviceType < 400)
        return ProtocolFamily::Type3xx;
    return ProtocolFamily::None;
}

}
