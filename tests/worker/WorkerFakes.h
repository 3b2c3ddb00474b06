#pragma once

#include "app/worker/TaskWorker.h"
#include "device/HidTransport.h"
#include "store/DeviceDatabase.h"
#include "FakeClock.h"

#include <test_support/TempDir.h>

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace WorkerTest {

// A transport that records every operation (thread-safe) and answers the
// slot-table exchange with a set reply.
class RecordingTransport final : public Tessera::HidTransport {
public:
    struct Call {
        std::string op;
        std::vector<std::uint8_t> bytes;
    };

    bool SendFeatureReport(Tessera::HidReport const& report) override { return Record("feature", report); }
    bool WriteReport(Tessera::HidReport const& report) override { return Record("report", report); }
    bool WriteData(Tessera::HidData const& data) override { return Record("data", data); }
    bool SendCommand(Tessera::HidData& data, bool waitReply) override
    {
        return Record(waitReply ? "command+reply" : "command", data);
    }
    bool QueryStatus(Tessera::HidData& data) override { return Record("status", data); }
    bool ExchangeFeature8(Tessera::Feature8Buffer& buffer) override
    {
        Record("exchange", buffer);
        std::lock_guard lock(m_mutex);
        if (exchangeOk)
            buffer = exchangeReply;
        return exchangeOk;
    }
    bool PollInput(Tessera::HidReport&) override { return Record("poll", std::vector<std::uint8_t> {}); }

    std::vector<Call> Calls() const
    {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }
    std::vector<std::string> Ops() const
    {
        std::vector<std::string> ops;
        for (auto const& call : Calls())
            ops.push_back(call.op);
        return ops;
    }

    bool exchangeOk { true };
    Tessera::Feature8Buffer exchangeReply {};

private:
    template<typename Bytes>
    bool Record(char const* op, Bytes const& bytes)
    {
        std::lock_guard lock(m_mutex);
        m_calls.push_back({ op, { bytes.begin(), bytes.end() } });
        return true;
    }

    mutable std::mutex m_mutex;
    std::vector<Call> m_calls;
};

// The main window as the worker sees it; state in atomics, effects counted.
class FakeWindow final : public Tessera::WorkerWindow {
public:
    FakeWindow()
        : m_tables(std::make_shared<Tessera::KeyboardModelState>())
    {
    }

    std::atomic<int> deviceType { 301 };
    std::atomic<int> profile { 1 };
    std::atomic<int> layer { 0 };
    std::atomic<int> lightMode { 1 };
    std::atomic<int> customSet { 0 };
    std::atomic<int> page { 1 };
    std::atomic<bool> visible { true };
    std::atomic<int> lightFlags { 0 };

    std::atomic<int> disables { 0 };
    std::atomic<int> enables { 0 };
    std::atomic<int> waitDialogsClosed { 0 };
    std::atomic<int> pageReloads { 0 };
    std::atomic<int> keyPageRefreshes { 0 };

    void SetTables(Tessera::KeyboardModelState const& tables)
    {
        std::lock_guard lock(m_mutex);
        m_tables = std::make_shared<Tessera::KeyboardModelState const>(tables);
    }

    int DeviceType() override { return deviceType; }
    int CurrentProfile() override { return profile; }
    int CurrentLayer() override { return layer; }
    int CurrentLightMode() override { return lightMode; }
    int SelectedCustomSet() override { return customSet; }
    int CurrentPage() override { return page; }
    bool IsMainWindowVisible() override { return visible; }
    int LightPageFlags() override { return lightFlags; }
    std::shared_ptr<Tessera::KeyboardModelState const> ModelTables() override
    {
        std::lock_guard lock(m_mutex);
        return m_tables;
    }
    void EnableMainWindow(bool enable) override { ++(enable ? enables : disables); }
    void CloseWaitDialog() override { ++waitDialogsClosed; }
    void ReloadPagesAfterReset() override { ++pageReloads; }
    void RefreshKeyPage() override { ++keyPageRefreshes; }

private:
    std::mutex m_mutex;
    std::shared_ptr<Tessera::KeyboardModelState const> m_tables;
};

class RecordingExternal final : public Tessera::ExternalTasks {
public:
    void RunTask(int code) override
    {
        std::lock_guard lock(m_mutex);
        m_codes.push_back(code);
    }
    std::vector<int> Codes()
    {
        std::lock_guard lock(m_mutex);
        return m_codes;
    }

private:
    std::mutex m_mutex;
    std::vector<int> m_codes;
};

class CountingStatus final : public Tessera::StatusPoll {
public:
    std::atomic<int> batteryQueries { 0 };
    std::atomic<int> polls { 0 };
    void QueryBattery() override { ++batteryQueries; }
    void PollStatus() override { ++polls; }
};

// A stored key function (type and value as the key page saves them).
inline int StoreKey(Tessera::DeviceDatabase& database, int profile, int layer, int keyCode, int type, int value, int mask = 0)
{
    Tessera::KeyMacroData data;
    data.profile = profile;
    data.fn_layer = layer;
    data.key_code = keyCode;
    data.macro_type = type;
    data.macro_value = value;
    data.macro_value2 = mask;
    return database.SaveKeyMacroData(data);
}

class NoColors final : public Tessera::KeyColorSource {
public:
    std::size_t CopyKeyColors(std::span<Tessera::KeyColor>) override { return 0; }
};

// The worker's services as doubles over a database in a temporary folder;
// fixtures derive from it and build a TaskWorker or TaskRunner from Services().
struct WorkerDoubles {
    Tessera::WorkerServices Services()
    {
        return Tessera::WorkerServices { queue, window, link, transport, clock, database, external, status, colors };
    }

    TestSupport::TempDir dir;
    Tessera::DeviceDatabase database;
    Tessera::TaskQueue queue;
    FakeWindow window;
    Tessera::DeviceLinkState link;
    RecordingTransport transport;
    DeviceTest::FakeClock clock;
    RecordingExternal external;
    CountingStatus status;
    NoColors colors;
};

}
