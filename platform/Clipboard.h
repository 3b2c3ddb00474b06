#pragma once

#include <chrono>
#include <memory>
#include <string>

namespace Tessera {

// The desktop clipboard, as far as the program writes it: typing a text puts
// it there, presses Ctrl+V and empties the clipboard again.
// Thread: any one thread at a time.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Offers `text` as the clipboard's contents; false when that failed.
    virtual bool SetText(std::wstring const& text) = 0;
    // Waits until another program has fetched the text at least once, or
    // until `timeout`; true when it was fetched. (An X11 clipboard is served
    // by its owner on request, so emptying it right after Ctrl+V would lose
    // the paste.)
    virtual bool WaitUntilFetched(std::chrono::milliseconds timeout) = 0;
    // Gives up the clipboard: it is empty afterwards.
    virtual void Clear() = 0;
};

// Synthetic key strokes into the window that has the keyboard focus.
class PasteKeys {
public:
    virtual ~PasteKeys() = default;
    // Ctrl down, V down, 100 ms, V up, Ctrl up.
    virtual void PressCtrlV() = 0;
};

// The CLIPBOARD selection of the X server, served by a thread of its own;
// null when there is no display.
std::unique_ptr<Clipboard> CreateClipboard();
// XTest key events; null when there is no display or no XTest extension.
std::unique_ptr<PasteKeys> CreatePasteKeys();

}
