#include "platform/display/xrandr_library.h"

#include <dlfcn.h>

#include <optional>

namespace {

template <class Entry> bool Resolve(void* library, const char* name, Entry& entry) {
    entry = reinterpret_cast<Entry>(dlsym(library, name));
    return entry != nullptr;
}

std::optional<XRandrLibrary> Load() {
    void* library = dlopen("libXrandr.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        return std::nullopt;
    }
    XRandrLibrary x{};
    const bool complete = Resolve(library, "XRRQueryExtension", x.QueryExtension) &&
                          Resolve(library, "XRRQueryVersion", x.QueryVersion) &&
                          Resolve(library, "XRRGetScreenResourcesCurrent", x.GetScreenResourcesCurrent) &&
                          Resolve(library, "XRRFreeScreenResources", x.FreeScreenResources) &&
                          Resolve(library, "XRRGetOutputInfo", x.GetOutputInfo) &&
                          Resolve(library, "XRRFreeOutputInfo", x.FreeOutputInfo) &&
                          Resolve(library, "XRRGetCrtcInfo", x.GetCrtcInfo) &&
                          Resolve(library, "XRRFreeCrtcInfo", x.FreeCrtcInfo) &&
                          Resolve(library, "XRRGetOutputPrimary", x.GetOutputPrimary) &&
                          Resolve(library, "XRRSetCrtcConfig", x.SetCrtcConfig);
    if (!complete) {
        dlclose(library);
        return std::nullopt;
    }
    return x;
}

} // namespace

const XRandrLibrary* XRandr() {
    static const std::optional<XRandrLibrary> library = Load();
    return library ? &*library : nullptr;
}
