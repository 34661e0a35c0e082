// SPDX-License-Identifier: GPL-3.0-or-later
// Times how long a program takes from its start to its first window on the screen, as a user
// sees it: this watcher asks the X server to report every window mapped on the root, starts the
// program, and prints two figures in milliseconds: until its first top-level window is mapped,
// and until something is drawn into it (a block in the window's middle changes from what it
// held when mapped). The program is then ended (SIGTERM) and waited for.
//
//   vendrilo-startup-watch PROGRAM [ARG ...]
//
// Needs an X display (DISPLAY), e.g. under xvfb-run. Exit status 1 when no window came within
// 60 s or the program ended first.
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

bool watchRoot(xcb_connection_t* x, xcb_window_t root)
{
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t c = xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_generic_error_t* error = xcb_request_check(x, c);
    std::free(error);
    return error == nullptr;
}

// Waits for a MapNotify of a window that is no override-redirect one (menus, tool tips); returns
// that window, or 0.
xcb_window_t waitForMappedWindow(xcb_connection_t* x, pid_t child, Clock::time_point deadline)
{
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(x)) {
            xcb_window_t mapped = 0;
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(e);
                if (!map->override_redirect)
                    mapped = map->window;
            }
            std::free(e);
            if (mapped)
                return mapped;
        }
        if (xcb_connection_has_error(x) || waitpid(child, nullptr, WNOHANG) == child)
            return 0;
        poll(&fd, 1, 20);
    }
    return 0;
}

// The pixels of a 32 x 32 block in the middle of the window; empty when it cannot be read.
std::vector<std::uint8_t> middleBlock(xcb_connection_t* x, xcb_window_t window)
{
    std::vector<std::uint8_t> pixels;
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    if (!g)
        return pixels;
    const int16_t left = static_cast<int16_t>(g->width / 2 - 16);
    const int16_t top = static_cast<int16_t>(g->height / 2 - 16);
    std::free(g);
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, left, top, 32, 32, ~0u), nullptr);
    if (!image)
        return pixels;
    const std::uint8_t* data = xcb_get_image_data(image);
    pixels.assign(data, data + xcb_get_image_data_length(image));
    std::free(image);
    return pixels;
}

// Looks at the block every 2 ms until it differs from what it held when mapped.
bool waitForFirstDrawing(xcb_connection_t* x, xcb_window_t window, Clock::time_point deadline)
{
    const std::vector<std::uint8_t> atMap = middleBlock(x, window);
    while (Clock::now() < deadline) {
        const std::vector<std::uint8_t> now = middleBlock(x, window);
        if (now.empty())
            return false;
        if (now != atMap)
            return true;
        usleep(2000);
    }
    return false;
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARG ...]\n", argv[0]);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    if (!watchRoot(x, screens.data->root)) {
        std::fprintf(stderr, "cannot watch the root window\n");
        return 2;
    }
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    const auto deadline = start + std::chrono::seconds(60);
    const xcb_window_t window = waitForMappedWindow(x, child, deadline);
    const double mappedMs = msSince(start);
    const bool drawn = window && waitForFirstDrawing(x, window, deadline);
    const double drawnMs = msSince(start);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    if (!drawn) {
        std::fprintf(stderr, window ? "nothing was drawn\n" : "no window was mapped\n");
        return 1;
    }
    std::printf("%.1f %.1f\n", mappedMs, drawnMs);
    return 0;
}
