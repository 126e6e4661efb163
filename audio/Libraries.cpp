#include "audio/Libraries.h"

#include <dlfcn.h>

namespace tesseron {

namespace {

// Opens `file` and looks up every function of `Library`; the library is never
// unloaded, as SDL keeps threads and handlers of its own.
template <typename Library>
bool Load(const char* file, Library& library, QString& error) {
    void* handle = dlopen(file, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        error = QString::fromLocal8Bit(dlerror());
        return false;
    }
    bool ok = true;
    auto get = [&](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
        if (!function && ok) error = QStringLiteral("%1: no %2").arg(QLatin1String(file), QLatin1String(name));
        ok = ok && function;
    };
#define TESSERON_GET(name) get(library.name, #name);
    if constexpr (std::is_same_v<Library, SdlLibrary>) {
        TESSERON_SDL_FUNCTIONS(TESSERON_GET)
    } else {
        TESSERON_FLUID_FUNCTIONS(TESSERON_GET)
        library.g_log_set_handler = reinterpret_cast<decltype(library.g_log_set_handler)>(dlsym(handle, "g_log_set_handler"));
    }
#undef TESSERON_GET
    return ok;
}

// The library of the process, loaded at the first call.
template <typename Library>
const Library* Loaded(const char* file, QString& error) {
    static Library library;
    static QString why;
    static const bool ok = Load(file, library, why);
    if (!ok) error = why;
    return ok ? &library : nullptr;
}

}  // namespace

const SdlLibrary* SdlLibrary::Get(QString& error) { return Loaded<SdlLibrary>("libSDL2-2.0.so.0", error); }

const FluidLibrary* FluidLibrary::Get(QString& error) { return Loaded<FluidLibrary>("libfluidsynth.so.3", error); }

}  // namespace tesseron
