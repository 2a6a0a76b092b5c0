// testwindow: a stand-in program for checking startwatch. Maps a top-level window
// titled FIRST (titled before the map, as toolkits do), then a second window that
// gets its title SECOND only DELAY_MS after it was mapped, and stays until killed.
//
//   testwindow FIRST SECOND DELAY_MS [--ignore-term] [--draw-ms N [--into-second]]
//
// --ignore-term ignores SIGTERM, like a program that hangs while closing.
// --draw-ms draws into the first window (the second with --into-second) N ms after the
// maps, before DELAY_MS starts; without it nothing is ever drawn.

#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace {

void setTitle(xcb_connection_t* c, xcb_window_t window, const char* title) {
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        static_cast<uint32_t>(std::strlen(title)), title);
}

// A top-level window, titled before it is mapped when a title is given; side by side,
// so that what one draws is not hidden by the other.
xcb_window_t mapWindow(xcb_connection_t* c, const xcb_screen_t* screen, const char* title,
                       int16_t x) {
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, x, 0, 120, 80, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    if (title)
        setTitle(c, window, title);
    xcb_map_window(c, window);
    return window;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: testwindow FIRST SECOND DELAY_MS [--ignore-term] [--draw-ms N "
                             "[--into-second]]\n");
        return 2;
    }
    int drawMs = -1;
    bool intoSecond = false;
    for (int i = 4; i < argc; ++i) {
        if (std::strcmp(argv[i], "--ignore-term") == 0)
            std::signal(SIGTERM, SIG_IGN);
        else if (std::strcmp(argv[i], "--draw-ms") == 0 && i + 1 < argc)
            drawMs = std::atoi(argv[++i]);
        else if (std::strcmp(argv[i], "--into-second") == 0)
            intoSecond = true;
    }

    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return 2;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;

    const xcb_window_t first = mapWindow(c, screen, argv[1], 0);
    const xcb_window_t second = mapWindow(c, screen, nullptr, 140);
    xcb_flush(c);

    if (drawMs >= 0) {
        usleep(static_cast<useconds_t>(drawMs) * 1000);
        const xcb_gcontext_t gc = xcb_generate_id(c);
        const uint32_t foreground = screen->black_pixel;
        const xcb_window_t target = intoSecond ? second : first;
        xcb_create_gc(c, gc, target, XCB_GC_FOREGROUND, &foreground);
        const xcb_rectangle_t all{0, 0, 120, 80};
        xcb_poly_fill_rectangle(c, target, gc, 1, &all);
        xcb_flush(c);
    }

    usleep(static_cast<useconds_t>(std::atoi(argv[3])) * 1000);
    setTitle(c, second, argv[2]);
    xcb_flush(c);

    for (;;)
        pause();
}
