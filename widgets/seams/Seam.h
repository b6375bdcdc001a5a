// A seam is the one place where the windows reach a service of the desktop
// (message boxes, the About box, the notification area, the system beep).
// The windows call Seam<Service>::Get(); the program uses the Qt version,
// and a test installs a fake that answers and records instead.
//
// A new service: declare the interface, declare the specialisation of
// Default() beside it, and define it in the service's .cpp with the Qt
// version as a function-local static.
#pragma once

template <class Service> class Seam {
public:
    static Service& Get() { return installed != nullptr ? *installed : Default(); }

    // nullptr puts the real service back.
    static void Install(Service* service) { installed = service; }

private:
    static Service& Default();
    static inline Service* installed = nullptr;
};
