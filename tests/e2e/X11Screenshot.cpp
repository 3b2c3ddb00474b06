// x11-screenshot DISPLAY OUT.png [WINDOW-ID]: the pixels of a window (or of
// the whole screen) of an X display as a PNG.
#include "Screen.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: x11-screenshot DISPLAY OUT.png [WINDOW-ID]\n");
        return 2;
    }
    E2e::Picture picture = argc > 3 ? E2e::CaptureWindow(argv[1], std::strtoul(argv[3], nullptr, 0)) : E2e::CaptureScreen(argv[1]);
    if (!E2e::SavePng(picture, argv[2])) {
        std::fprintf(stderr, "x11-screenshot: nothing captured\n");
        return 1;
    }
    return 0;
}
