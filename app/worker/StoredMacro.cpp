#include "app/worker/StoredMacro.h"

#include "keys/KeyCodes.h"

namespace Tessera {

StoredMacro LoadStoredMacro(DeviceDatabase& database, int macroId)
{
    StoredMacro macro;
    MacroData data;
    macro.found = database.GetMacroData(macroId, data);
    if (!macro.found)
        return macro;
    macro.playTimes = data.play_times;
    std::vector<MacroRecord> records;
    database.LoadMacroRecords(macroId, records);
    macro.steps.reserve(records.size());
    for (auto const& record : records) {
        if (record.type != kMacroStepPress && record.type != kMacroStepRelease)
            continue;
        auto const usage = static_cast<std::uint8_t>(VkToKeyCode(record.value) & 0xFF);
        macro.steps.push_back({ usage, record.type == kMacroStepRelease, record.delay_time });
    }
    return macro;
}

}
