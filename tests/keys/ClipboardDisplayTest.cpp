#include "keys/HostFunction.h"
#include "platform/Clipboard.h"
#include "platform/KeyboardLayoutNames.h"

// GoogleTest first: Xlib defines macros (None, Bool) that clash with its names.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

using namespace Tessera;

namespace {

// Another program asking for the CLIPBOARD contents as UTF-8, as a text
// field does on Ctrl+V.
std::string FetchClipboard()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return "<no display>";
    Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom property = XInternAtom(display, "TESSERA_TEST", False);
    XConvertSelection(display, clipboard, utf8, property, window, CurrentTime);
    XFlush(display);
    std::string result = "<timeout>";
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(3);
    while (std::chrono::steady_clock::now() < deadline) {
        if (!XPending(display)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != SelectionNotify)
            continue;
        result = "<refused>";
        if (event.xselection.property != None) {
            Atom type;
            int format;
            unsigned long count, remaining;
            unsigned char* data = nullptr;
            XGetWindowProperty(display, window, property, 0, 1 << 20, True, AnyPropertyType, &type, &format, &count,
                               &remaining, &data);
            result.assign(reinterpret_cast<char*>(data), count);
            XFree(data);
        }
        break;
    }
    XDestroyWindow(display, window);
    XCloseDisplay(display);
    return result;
}

bool ClipboardHasOwner()
{
    Display* display = XOpenDisplay(nullptr);
    bool owned = XGetSelectionOwner(display, XInternAtom(display, "CLIPBOARD", False)) != None;
    XCloseDisplay(display);
    return owned;
}

}

TEST(X11Clipboard, AnotherProgramFetchesTheTextAndTheClipboardIsEmptyAfterwards)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs an X display";
    auto clipboard = CreateClipboard();
    ASSERT_NE(clipboard, nullptr);
    ASSERT_TRUE(clipboard->SetText(L"Gr\u00fc\u00dfe \u914d\u7f6e"));
    EXPECT_EQ(FetchClipboard(), "Gr\xc3\xbc\xc3\x9f" "e \xe9\x85\x8d\xe7\xbd\xae");
    EXPECT_TRUE(clipboard->WaitUntilFetched(std::chrono::milliseconds(100)));
    clipboard->Clear();
    EXPECT_FALSE(ClipboardHasOwner());
}

TEST(X11Clipboard, PasteTextSendsKeysAndGivesTheClipboardUp)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs an X display";
    auto clipboard = CreateClipboard();
    auto keys = CreatePasteKeys();
    ASSERT_NE(clipboard, nullptr);
    ASSERT_NE(keys, nullptr);
    std::thread reader([] { std::this_thread::sleep_for(std::chrono::milliseconds(20)); FetchClipboard(); });
    PasteText(L"typed", clipboard.get(), keys.get());
    reader.join();
    EXPECT_FALSE(ClipboardHasOwner());
}

TEST(X11KeyboardLayoutNames, PunctuationKeysAreNamedFromTheServersLayout)
{
    if (!std::getenv("DISPLAY"))
        GTEST_SKIP() << "needs an X display";
    auto names = CreateKeyboardLayoutNames();
    // The X server's default layout is US.
    EXPECT_EQ(names->NameOfVirtualKey(186), L";");
    EXPECT_EQ(names->NameOfVirtualKey(191), L"/");
    EXPECT_EQ(names->NameOfVirtualKey(13), L"Enter");
}
