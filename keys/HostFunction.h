#pragma once

#include <string>

namespace Tessera {

class Clipboard;
class DeviceDatabase;
class PasteKeys;
class ShellOpen;

// Selects another profile of the user; the main window implements it (it
// makes the profile current and refreshes the key page, sending nothing).
class ProfileSwitcher {
public:
    virtual ~ProfileSwitcher() = default;
    virtual void SwitchToProfile(int profile) = 0;
};

// What a host function needs from the world. Clipboard and keys may be null
// (no display): then a text is not typed.
struct HostServices {
    DeviceDatabase& database;
    ShellOpen& shell;
    Clipboard* clipboard;
    PasteKeys* keys;
    ProfileSwitcher& profiles;
};

// Carries out the function behind a KeyOtherData row that the keyboard asked
// for (launch a program, open an address, type a text, switch profile). An id
// without a row does nothing. Called on the window thread; returns 1 for the
// message loop.
int ExecuteHostFunction(int keyOtherDataId, HostServices const& services);

// Types `text` into the focused window: clipboard, Ctrl+V, then the
// clipboard is emptied again once the text was fetched (at most after 1 s).
void PasteText(std::wstring const& text, Clipboard* clipboard, PasteKeys* keys);

// The address handed to the desktop for a web address the user typed:
// addresses with a scheme stay as they are, others get "http://", and a
// bare host without "www." gets "www." in front. Empty stays empty.
std::string WebAddressToOpen(std::wstring const& address);

}
