#include "support/FailingRename.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>

namespace {

QByteArray failingName;
int failingError = 0;
int failureCount = 0;

bool mustFail(const char* target) {
    if (failingName.isEmpty() || !target)
        return false;
    const char* slash = std::strrchr(target, '/');
    return failingName == (slash ? slash + 1 : target);
}

template <class Function>
Function next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

int fail() {
    ++failureCount;
    errno = failingError;
    return -1;
}

} // namespace

FailingRename::FailingRename(const QByteArray& fileName, int error) {
    failingName = fileName;
    failingError = error;
    failureCount = 0;
}

FailingRename::~FailingRename() {
    failingName.clear();
}

int FailingRename::failures() {
    return failureCount;
}

// The C library's rename functions, as the executable's own: Qt's calls reach
// these first.
extern "C" {

int rename(const char* from, const char* to) {
    if (mustFail(to))
        return fail();
    return next<int (*)(const char*, const char*)>("rename")(from, to);
}

int renameat(int fromFolder, const char* from, int toFolder, const char* to) {
    if (mustFail(to))
        return fail();
    return next<int (*)(int, const char*, int, const char*)>("renameat")(fromFolder, from, toFolder,
                                                                         to);
}

int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned flags) {
    if (mustFail(to))
        return fail();
    return next<int (*)(int, const char*, int, const char*, unsigned)>("renameat2")(
        fromFolder, from, toFolder, to, flags);
}

} // extern "C"
