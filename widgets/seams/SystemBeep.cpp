#include "widgets/seams/SystemBeep.h"

#include <QGuiApplication>

#ifdef VANTREL_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace {

#ifdef VANTREL_HAVE_X11
// On X11 the beep is the keyboard bell; its volume in percent is the
// setting, and a volume of 0 silences it.
Display* XDisplay()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->display() : nullptr;
}
#endif

class DesktopBeep final : public SystemBeep {
public:
    // Other platforms (offscreen, Wayland) give a program no say over the
    // beep: the setting reads as "on" and changing it does nothing.
    int Current() override
    {
#ifdef VANTREL_HAVE_X11
        if (Display* display = XDisplay()) {
            XKeyboardState state{};
            XGetKeyboardControl(display, &state);
            return state.bell_percent;
        }
#endif
        return 100;
    }

    void Set(int setting) override
    {
#ifdef VANTREL_HAVE_X11
        if (Display* display = XDisplay()) {
            XKeyboardControl control{};
            control.bell_percent = setting;
            XChangeKeyboardControl(display, KBBellPercent, &control);
            XFlush(display);
        }
#else
        (void)setting;
#endif
    }
};

} // namespace

template <> SystemBeep& Seam<SystemBeep>::Default()
{
    static DesktopBeep beep;
    return beep;
}
