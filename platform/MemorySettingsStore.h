#pragma once

#include "platform/SettingsStore.h"

#include <map>
#include <mutex>

namespace Tessera {

// Test double of the settings store: values in memory, and a state the test
// sets to play a missing, unreadable or uncreatable store.
class MemorySettingsStore final : public SettingsStore {
public:
    explicit MemorySettingsStore(State state = State::Open, bool creatable = true)
        : m_state(state)
        , m_creatable(creatable)
    {
    }

    State Probe() override
    {
        std::lock_guard lock(m_mutex);
        return m_state;
    }
    bool Create() override
    {
        std::lock_guard lock(m_mutex);
        if (m_state == State::Missing && m_creatable)
            m_state = State::Open;
        ++m_creates;
        return m_state == State::Open;
    }
    std::optional<std::wstring> ReadValue(std::wstring const& name) override
    {
        std::lock_guard lock(m_mutex);
        auto found = m_values.find(name);
        if (m_state != State::Open || found == m_values.end())
            return std::nullopt;
        return found->second;
    }
    bool WriteValue(std::wstring const& name, std::wstring const& value) override
    {
        std::lock_guard lock(m_mutex);
        if (m_state != State::Open)
            return false;
        m_values[name] = value;
        return true;
    }

    // Test access.
    void Set(std::wstring const& name, std::wstring const& value)
    {
        std::lock_guard lock(m_mutex);
        m_values[name] = value;
    }
    std::map<std::wstring, std::wstring> Values() const
    {
        std::lock_guard lock(m_mutex);
        return m_values;
    }
    int Creates() const
    {
        std::lock_guard lock(m_mutex);
        return m_creates;
    }

private:
    mutable std::mutex m_mutex;
    State m_state;
    bool m_creatable;
    int m_creates { 0 };
    std::map<std::wstring, std::wstring> m_values;
};

}
