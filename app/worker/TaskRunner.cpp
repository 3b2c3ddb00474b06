#include "app/worker/TaskRunner.h"

#include "app/worker/TaskCodes.h"
#include "app/worker/Type1xxKeyMap.h"
#include "app/worker/Type2xxKeyMap.h"
#include "app/worker/Type3xxKeyMap.h"
#include "device/ProtocolFamily.h"
#include "device/Type1xxSender.h"

namespace Tessera {

namespace {

constexpr int kResetTablesPauseMs = 100;

int LayerOf(WorkerTask const& task, WorkerWindow& window)
{
    return task.layer >= 0 ? task.layer : window.CurrentLayer();
}

// The loaded model's tables; empty ones (every key at index 0) before a
// model was published.
std::shared_ptr<KeyboardModelState const> TablesOf(WorkerWindow& window)
{
    auto tables = window.ModelTables();
    return tables ? tables : std::make_shared<KeyboardModelState const>();
}

}

TaskRunner::TaskRunner(WorkerServices const& services)
    : m_services(services)
    , m_lights(services.database, services.transport, services.clock, m_flags)
{
}

void TaskRunner::Run(WorkerTask const& task)
{
    auto& window = m_services.window;
    int const deviceType = window.DeviceType();
    auto const family = ProtocolFamilyFor(deviceType);
    if (family == ProtocolFamily::None)
        return;
    int const profile = window.CurrentProfile();
    int const layer = LayerOf(task, window);
    switch (task.code) {
    case kTaskReloadFromKeyboard:
        if (family == ProtocolFamily::Type3xx)
            m_services.status.QueryBattery();
        else if (family == ProtocolFamily::Type2xx) {
            Type2xxSender sender(m_services.transport, m_services.clock);
            Type2xxKeyMap(m_services.database, sender, m_services.clock).CleanUpAfterConnection(profile, layer);
        }
        break;
    case kTaskWriteKeyMap:
        WriteKeyMap(task, profile, layer);
        break;
    case kTaskMacroDeleted:
        if (family == ProtocolFamily::Type3xx)
            MacroDeleted(task.value, layer, true);
        break;
    case kTaskWriteFullKeyMap:
        if (family == ProtocolFamily::Type3xx)
            WriteKeyMap(WorkerTask { kTaskWriteFullKeyMap }, profile, layer);
        break;
    case kTaskWriteLightMode: {
        auto const tables = TablesOf(window);
        LightSelection const selection { window.CurrentLightMode(), window.SelectedCustomSet() };
        m_lights.WriteLightMode(deviceType, m_services.link.connectionMode, selection, tables->lightIndex);
        break;
    }
    case kTaskWriteKeyColors:
        if (family == ProtocolFamily::Type3xx)
            m_lights.WriteStoredColors(TablesOf(window)->lightIndex);
        break;
    case kTaskRestoreDefaults:
        RestoreDefaults(profile, layer);
        break;
    default:
        break; // task 4 and unknown codes: no device traffic
    }
}

void TaskRunner::WriteKeyMap(WorkerTask const& task, int profile, int layer)
{
    auto& database = m_services.database;
    auto& transport = m_services.transport;
    auto& clock = m_services.clock;
    bool const singleKey = task.code == kTaskWriteKeyMap && task.value > 0;
    switch (ProtocolFamilyFor(m_services.window.DeviceType())) {
    case ProtocolFamily::Type3xx: {
        Type3xxSender sender(transport, clock);
        Type3xxKeyMap keys(database, sender, clock);
        if (singleKey)
            keys.WriteSingleKey(profile, layer, task.value);
        else
            keys.WriteFullKeyMap(profile);
        break;
    }
    case ProtocolFamily::Type2xx: {
        Type2xxSender sender(transport, clock);
        Type2xxKeyMap keys(database, sender, clock);
        if (singleKey)
            keys.WriteSingleKey(profile, layer, task.value);
        else
            keys.WriteAllKeys(profile, layer);
        break;
    }
    case ProtocolFamily::Type1xx: {
        auto const tables = TablesOf(m_services.window);
        Type1xxSender sender(transport, clock);
        Type1xxKeyMap(database, sender, clock, tables->keyIndex).WriteTables(profile, layer);
        break;
    }
    case ProtocolFamily::None:
        break;
    }
}

void TaskRunner::MacroDeleted(int macroId, int layer, bool keyboardLinked)
{
    if (macroId <= 0)
        return;
    if (keyboardLinked) {
        Type3xxSender sender(m_services.transport, m_services.clock);
        Type3xxKeyMap(m_services.database, sender, m_services.clock).ResetKeysOfMacro(layer, macroId);
    }
    m_services.database.DeleteMacroFromKeys(macroId);
    m_services.database.DeleteMacro(macroId); // already gone when the macro page deleted it
    m_services.window.RefreshKeyPage();
}

void TaskRunner::RestoreDefaults(int profile, int layer)
{
    auto& window = m_services.window;
    auto& transport = m_services.transport;
    auto& clock = m_services.clock;
    switch (ProtocolFamilyFor(window.DeviceType())) {
    case ProtocolFamily::Type3xx:
        Type3xxSender(transport, clock).ResetDevice(); // followed by its 100 ms pause
        window.ReloadPagesAfterReset();
        break;
    case ProtocolFamily::Type2xx:
        Type2xxSender(transport, clock).ResetDevice(m_services.link.connectionMode != 0);
        window.ReloadPagesAfterReset();
        break;
    case ProtocolFamily::Type1xx: {
        window.ReloadPagesAfterReset();
        auto const tables = TablesOf(window);
        Type1xxSender sender(transport, clock);
        Type1xxKeyMap(m_services.database, sender, clock, tables->keyIndex).WriteTables(profile, layer);
        clock.SleepMs(kResetTablesPauseMs);
        sender.ResetDevice();
        break;
    }
    case ProtocolFamily::None:
        break;
    }
}

void TaskRunner::Drop(WorkerTask const& task)
{
    if (task.code == kTaskMacroDeleted && ProtocolFamilyFor(m_services.window.DeviceType()) == ProtocolFamily::Type3xx)
        MacroDeleted(task.value, LayerOf(task, m_services.window), false);
}

bool TaskRunner::SendLiveFrame()
{
    if (ProtocolFamilyFor(m_services.window.DeviceType()) != ProtocolFamily::Type3xx)
        return false;
    return m_lights.StreamLiveFrame(m_services.liveColors, TablesOf(m_services.window)->lightIndex);
}

}
