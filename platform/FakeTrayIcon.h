#pragma once

#include "platform/TrayIcon.h"

#include <atomic>

namespace Tessera {

// Test double of the tray: records what the program shows and lets a test
// play the tray host (shown or not, clicks, menu choices).
class FakeTrayIcon final : public TrayIcon {
public:
    explicit FakeTrayIcon(bool hostPresent = true) : m_hostPresent(hostPresent) { }

    bool Add(Appearance const& appearance, Callbacks callbacks) override
    {
        std::lock_guard lock(m_mutex);
        ++adds;
        added = true;
        shown = appearance;
        m_callbacks = std::move(callbacks);
        return true;
    }
    void Remove() override
    {
        std::lock_guard lock(m_mutex);
        if (added)
            ++removes;
        added = false;
        m_callbacks = {};
    }
    bool IsShown() const override { return added && m_hostPresent.load(); }
    void SetMenu(std::vector<MenuItem> menu) override
    {
        std::lock_guard lock(m_mutex);
        shown.menu = std::move(menu);
    }

    void SetHostPresent(bool present) { m_hostPresent = present; }
    void ClickIcon() { Callbacks().activate(); }
    void OpenContextMenu(int x, int y) { Callbacks().contextMenu(x, y); }
    void ChooseMenuItem(unsigned id) { Callbacks().menuItem(id); }

    int adds { 0 };
    int removes { 0 };
    std::atomic<bool> added { false };
    Appearance shown;

private:
    TrayIcon::Callbacks Callbacks()
    {
        std::lock_guard lock(m_mutex);
        return m_callbacks;
    }

    std::mutex m_mutex;
    std::atomic<bool> m_hostPresent;
    TrayIcon::Callbacks m_callbacks;
};

}
