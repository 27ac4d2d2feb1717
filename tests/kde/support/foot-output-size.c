// SPDX-License-Identifier: GPL-3.0-or-later
/* Preloaded into foot for the tests on KWin's virtual outputs. foot 1.13 divides by the physical size of each
 * output; a virtual output has none (KWin says -1 mm) and foot stops with a division by zero. This gives such an
 * output the size of a common 15" screen; nothing else of foot or of the compositor changes. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <stdint.h>
#include <string.h>
#include <wayland-client-core.h>

/* wl_output's events as libwayland dispatches them: geometry first, then mode, done, scale, name, description. */
struct output_listener {
    void (*geometry)(void *data, void *output, int32_t x, int32_t y, int32_t width_mm, int32_t height_mm,
                     int32_t subpixel, const char *make, const char *model, int32_t transform);
    void (*others[5])(void);
};

struct wrapped {
    void *output;
    const struct output_listener *original;
    struct output_listener listener;
};

static struct wrapped outputs[32];
static int output_count;

static void geometry(void *data, void *output, int32_t x, int32_t y, int32_t width_mm, int32_t height_mm,
                     int32_t subpixel, const char *make, const char *model, int32_t transform)
{
    for (int i = 0; i < output_count; ++i) {
        if (outputs[i].output == output) {
            outputs[i].original->geometry(data, output, x, y, width_mm > 0 ? width_mm : 340,
                                          height_mm > 0 ? height_mm : 210, subpixel, make, model, transform);
            return;
        }
    }
}

int wl_proxy_add_listener(struct wl_proxy *proxy, void (**implementation)(void), void *data)
{
    static int (*next)(struct wl_proxy *, void (**)(void), void *);
    if (!next)
        next = (int (*)(struct wl_proxy *, void (**)(void), void *))dlsym(RTLD_NEXT, "wl_proxy_add_listener");
    if (strcmp(wl_proxy_get_class(proxy), "wl_output") == 0 && output_count < 32) {
        struct wrapped *entry = &outputs[output_count++];
        entry->output = proxy;
        entry->original = (const struct output_listener *)implementation;
        memcpy(&entry->listener, implementation, sizeof entry->listener);
        entry->listener.geometry = geometry;
        return next(proxy, (void (**)(void))&entry->listener, data);
    }
    return next(proxy, implementation, data);
}
