#pragma once

// A main window on the toolkit's in-memory backend, with doubles for the
// tray, the settings, the HID library and the end of the process. The worker
// is not started: tests play the worker by calling the window's interfaces.

#include "app/KeyboardDlg.h"
#include "app/LanguageTexts.h"
#include "app/MainWindowIds.h"
#include "device/HidDeviceManager.h"
#include "platform/FakeSingleInstance.h"
#include "platform/FakeTrayIcon.h"
#include "platform/MemorySettingsStore.h"
#include "platform/UiLanguage.h"
#include "store/DeviceDatabase.h"

#include <lumoui/LumoUI.h>
#include <lumoui/TestDriver.h>
#include <test_support/Paths.h>
#include <test_support/TempDir.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace MainWindowTest {

using namespace Tessera;
using namespace LumoUI;

// The program folder of the build: config.xml, layouts, language files, skins.
inline std::wstring ProgramFolder() { return TestSupport::dist_dir().wstring() + L"/"; }

inline std::wstring Text(int number) { return DialogText(number); }

inline CPoint Centre(MControl* control) { return control ? control->GetRect().CenterPoint() : CPoint(); }

class MainWindowFixture : public testing::Test {
protected:
    MainWindowFixture()
        : m_hid(CreateEmptyHidBackend(), SystemDeviceClock())
        , m_language(ProgramFolder())
    {
        Manager::SetAppDirectory(ProgramFolder());
        SetCurrentLanguageId(kLanguageEnglish);
        SetLanguageSource(&m_language);
    }

    ~MainWindowFixture() override
    {
        m_window.reset();
        m_database.CloseDatabase();
        SetLanguageSource(nullptr);
    }

    // Opens the window; `exitMode` is stored first when given.
    KeyboardDlg& Open(std::optional<int> exitMode = std::nullopt, bool trayHost = true)
    {
        if (exitMode)
            m_settings.WriteValue(L"exit_mode", std::to_wstring(*exitMode));
        auto tray = std::make_unique<FakeTrayIcon>(trayHost);
        m_tray = tray.get();
        MainWindowServices services { .appFolder = ProgramFolder(),
            .dataFolder = m_data.path().wstring() + L"/",
            .settings = m_settings,
            .hid = m_hid,
            .database = m_database,
            .clock = SystemDeviceClock(),
            .instance = &m_instance,
            .tray = std::move(tray),
            .makeMonitor = {},
            .shell = nullptr,
            .clipboard = nullptr,
            .pasteKeys = nullptr,
            .exitProcess = [this](int code) { m_exitCodes.push_back(code); },
            .modalRunner = [this](MDialog& dialog) { return RunModal(dialog); },
            .startWorker = false };
        m_window = std::make_unique<KeyboardDlg>(std::move(services));
        EXPECT_TRUE(m_window->CreateMainWindow());
        m_window->ShowWindow(SW_SHOW);
        m_driver.RunUntilIdle();
        return *m_window;
    }

    // Modal dialogs: the test's script acts on the dialog before its loop runs.
    unsigned RunModal(MDialog& dialog)
    {
        CString title;
        dialog.GetWindowTextW(title);
        m_modalTitles.push_back(title);
        if (m_modalScript)
            m_modalScript(dialog);
        return dialog.ShowModal(SW_SHOWNORMAL);
    }

    void ClickControl(MDialog& dialog, unsigned id) { m_driver.Click(dialog.GetSafeHwnd(), Centre(dialog.GetControl(id))); }

    MControlFont* Font(unsigned id) { return dynamic_cast<MControlFont*>(m_window->GetControl(id)); }
    std::wstring TitleOf(unsigned id)
    {
        MControlFont* control = Font(id);
        return control ? control->GetTitle() : L"<none>";
    }
    bool Visible(unsigned id)
    {
        MControl* control = m_window->GetControl(id);
        return control && control->IsVisible();
    }

    TestDriver m_driver;
    TestSupport::TempDir m_data;
    MemorySettingsStore m_settings;
    FakeSingleInstance m_instance { SingleInstance::Role::Primary };
    HidDeviceManager m_hid;
    DeviceDatabase m_database;
    ProgramLanguageSource m_language;
    FakeTrayIcon* m_tray { nullptr };
    std::vector<int> m_exitCodes;
    std::vector<std::wstring> m_modalTitles;
    std::function<void(MDialog&)> m_modalScript;
    std::unique_ptr<KeyboardDlg> m_window;
};

}
