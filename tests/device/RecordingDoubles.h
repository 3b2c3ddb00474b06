#pragma once

#include "device/BatteryDisplay.h"
#include "device/DeviceScreen.h"
#include "device/DeviceTaskQueue.h"

#include <mutex>
#include <string>
#include <vector>

namespace DeviceTest {

// Records every screen change as one readable line.
class RecordingScreen final : public Tessera::DeviceScreen {
public:
    void ClosePopups() override { Add("ClosePopups"); }
    void ResetDeviceSelector() override { Add("ResetDeviceSelector"); }
    void SetDeviceSelectorState(int deviceType, int state) override
    {
        Add("SetDeviceSelectorState " + std::to_string(deviceType) + " " + std::to_string(state));
    }
    void SetStatusTitle(int textId) override { Add("SetStatusTitle " + std::to_string(textId)); }
    void ApplyPageVisibility(int deviceType) override { Add("ApplyPageVisibility " + std::to_string(deviceType)); }
    void ShowConnected(int labelTextId, std::string const& picture, int selectTab) override
    {
        Add("ShowConnected " + std::to_string(labelTextId) + " " + picture + " " + std::to_string(selectTab));
    }
    void ShowHidden(bool hideKeyboardArea) override { Add(hideKeyboardArea ? "ShowHidden keyboard-area" : "ShowHidden"); }
    void SetConnectionIcon(std::string const& image) override { Add("SetConnectionIcon " + image); }
    void Redraw() override { Add("Redraw"); }

    std::vector<std::string> Calls()
    {
        std::lock_guard lock(m_mutex);
        return m_calls;
    }
    void Clear()
    {
        std::lock_guard lock(m_mutex);
        m_calls.clear();
    }

private:
    void Add(std::string call)
    {
        std::lock_guard lock(m_mutex);
        m_calls.push_back(std::move(call));
    }

    std::mutex m_mutex;
    std::vector<std::string> m_calls;
};

class RecordingTasks final : public Tessera::DeviceTaskQueue {
public:
    void QueueTask(int task) override
    {
        std::lock_guard lock(m_mutex);
        m_tasks.push_back(task);
    }
    std::vector<int> Tasks()
    {
        std::lock_guard lock(m_mutex);
        return m_tasks;
    }
    void Clear()
    {
        std::lock_guard lock(m_mutex);
        m_tasks.clear();
    }

private:
    std::mutex m_mutex;
    std::vector<int> m_tasks;
};

class RecordingBattery final : public Tessera::BatteryDisplay {
public:
    void SetBatteryInfo(int level, int flags) override { levels.push_back(level * 1000 + flags); }
    std::vector<int> levels; // level × 1000 + flags
};

class CountingDiscovery final : public Tessera::DiscoveryTrigger {
public:
    void RunDiscovery() override { ++passes; }
    int passes { 0 };
};

}
