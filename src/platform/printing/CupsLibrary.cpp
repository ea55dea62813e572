#include "platform/printing/CupsLibrary.h"

#include <dlfcn.h>

namespace platform {
namespace {

constexpr const char* LibraryName = "libcups.so.2";

struct Loaded {
    CupsLibrary functions;
    bool complete = false;
    QString failure;
};

template <class Function>
bool resolve(void* library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

Loaded loadLibrary() {
    Loaded loaded;
    // Kept for the rest of the run: a printout may come again.
    void* library = dlopen(LibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        loaded.failure = QString::fromLocal8Bit(dlerror());
        return loaded;
    }
    loaded.complete = true;
#define ORDERFORM_CUPS_RESOLVE(name)                                                               \
    loaded.complete = loaded.complete && resolve(library, #name, loaded.functions.name);
    ORDERFORM_CUPS_FUNCTIONS(ORDERFORM_CUPS_RESOLVE)
#undef ORDERFORM_CUPS_RESOLVE
    if (!loaded.complete)
        loaded.failure = QString::fromLocal8Bit(dlerror());
    return loaded;
}

} // namespace

const CupsLibrary* CupsLibrary::load(QString* failure) {
    static const Loaded loaded = loadLibrary();
    if (failure)
        *failure = loaded.failure;
    return loaded.complete ? &loaded.functions : nullptr;
}

} // namespace platform
