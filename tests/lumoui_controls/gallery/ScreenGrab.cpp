#include "ScreenGrab.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <vector>

LumoUI::MImage GrabScreen()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return {};
    Window root = DefaultRootWindow(display);
    XWindowAttributes attributes {};
    XGetWindowAttributes(display, root, &attributes);
    XImage* image = XGetImage(display, root, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    LumoUI::MImage result;
    if (image) {
        std::vector<uint32_t> pixels(static_cast<size_t>(attributes.width) * attributes.height);
        for (int y = 0; y < attributes.height; ++y)
            for (int x = 0; x < attributes.width; ++x)
                pixels[static_cast<size_t>(y) * attributes.width + x] = 0xFF000000 | (XGetPixel(image, x, y) & 0xFFFFFF);
        result = LumoUI::MImage::FromARGB(attributes.width, attributes.height, pixels);
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return result;
}
