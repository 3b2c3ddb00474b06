#include "Screen.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cairo.h>

#include <cmath>
#include <cstdlib>

namespace E2e {

namespace {

// Silences X errors (a window that went away between lookup and capture).
int IgnoreXError(Display*, XErrorEvent*) { return 0; }

Picture FromXImage(XImage* image)
{
    Picture picture;
    picture.width = image->width;
    picture.height = image->height;
    picture.pixels.resize(static_cast<size_t>(image->width) * static_cast<size_t>(image->height));
    for (int y = 0; y < image->height; ++y) {
        for (int x = 0; x < image->width; ++x)
            picture.pixels[static_cast<size_t>(y) * static_cast<size_t>(image->width) + static_cast<size_t>(x)] = static_cast<std::uint32_t>(XGetPixel(image, x, y)) & 0xFFFFFF;
    }
    return picture;
}

Picture Capture(std::string const& displayName, unsigned long window, bool root)
{
    Display* display = XOpenDisplay(displayName.c_str());
    if (!display)
        return {};
    auto previous = XSetErrorHandler(IgnoreXError);
    Window target = root ? DefaultRootWindow(display) : window;
    Picture picture;
    XWindowAttributes attributes {};
    if (XGetWindowAttributes(display, target, &attributes) && attributes.map_state == IsViewable) {
        if (XImage* image = XGetImage(display, target, 0, 0, static_cast<unsigned>(attributes.width), static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap)) {
            picture = FromXImage(image);
            XDestroyImage(image);
        }
    }
    XSync(display, False);
    XSetErrorHandler(previous);
    XCloseDisplay(display);
    return picture;
}

}

Picture CaptureWindow(std::string const& display, unsigned long window) { return Capture(display, window, false); }

Picture CaptureScreen(std::string const& display) { return Capture(display, 0, true); }

bool SavePng(Picture const& picture, std::string const& path)
{
    if (picture.Empty())
        return false;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height);
    auto* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < picture.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < picture.width; ++x)
            row[x] = picture.At(x, y);
    }
    cairo_surface_mark_dirty(surface);
    bool ok = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return ok;
}

Picture LoadPng(std::string const& path) { return Composite({}, path, 0, 0); }

Picture Composite(Picture const& background, std::string const& pngWithAlpha, int x, int y)
{
    cairo_surface_t* image = cairo_image_surface_create_from_png(pngWithAlpha.c_str());
    if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(image);
        return {};
    }
    int width = background.Empty() ? cairo_image_surface_get_width(image) : background.width;
    int height = background.Empty() ? cairo_image_surface_get_height(image) : background.height;
    cairo_surface_t* canvas = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    auto* data = cairo_image_surface_get_data(canvas);
    int stride = cairo_image_surface_get_stride(canvas);
    for (int row = 0; row < height && !background.Empty(); ++row) {
        for (int column = 0; column < width; ++column)
            reinterpret_cast<std::uint32_t*>(data + row * stride)[column] = background.At(column, row);
    }
    cairo_surface_mark_dirty(canvas);
    cairo_t* cr = cairo_create(canvas);
    cairo_set_source_surface(cr, image, x, y);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(canvas);
    Picture result;
    result.width = width;
    result.height = height;
    result.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column)
            result.pixels[static_cast<size_t>(row) * static_cast<size_t>(width) + static_cast<size_t>(column)] = reinterpret_cast<std::uint32_t*>(data + row * stride)[column] & 0xFFFFFF;
    }
    cairo_surface_destroy(canvas);
    cairo_surface_destroy(image);
    return result;
}

double DifferenceAt(Picture const& a, Area area, Picture const& b, int bx, int by)
{
    if (a.Empty() || b.Empty() || area.right > a.width || area.bottom > a.height)
        return 255.0;
    double sum = 0;
    long count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            int ox = bx + (x - area.left);
            int oy = by + (y - area.top);
            if (ox >= b.width || oy >= b.height)
                return 255.0;
            std::uint32_t p = a.At(x, y);
            std::uint32_t q = b.At(ox, oy);
            for (int shift : { 0, 8, 16 })
                sum += std::abs(static_cast<int>((p >> shift) & 0xFF) - static_cast<int>((q >> shift) & 0xFF));
            count += 3;
        }
    }
    return count ? sum / static_cast<double>(count) : 0.0;
}

double Difference(Picture const& a, Picture const& b, Area area) { return DifferenceAt(a, area, b, area.left, area.top); }

bool WindowManagerRunning(std::string const& displayName)
{
    Display* display = XOpenDisplay(displayName.c_str());
    if (!display)
        return false;
    Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
    bool running = false;
    if (check != None) {
        Atom type = None;
        int format = 0;
        unsigned long items = 0;
        unsigned long after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type, &format, &items, &after, &data) == Success) {
            running = items == 1;
            XFree(data);
        }
    }
    XCloseDisplay(display);
    return running;
}

}
