#pragma once

#include <QString>
#include <cups/cups.h>

namespace platform {

// The functions of libcups that printing uses, looked up when the first
// printout needs them. Linked into the program, libcups and the twenty-odd
// libraries it brings along would be loaded at every start, though most runs
// never print: that cost about 2.5 ms and 3.4 MB of the start-up.
#define ORDERFORM_CUPS_FUNCTIONS(X)                                                                \
    X(cupsCancelJob2)                                                                              \
    X(cupsCopyDestInfo)                                                                            \
    X(cupsCreateJob)                                                                               \
    X(cupsEncryption)                                                                              \
    X(cupsFindDestDefault)                                                                         \
    X(cupsFreeDestInfo)                                                                            \
    X(cupsFreeDests)                                                                               \
    X(cupsGetDestMediaByName)                                                                      \
    X(cupsGetNamedDest)                                                                            \
    X(cupsGetResponse)                                                                             \
    X(cupsGetOption)                                                                               \
    X(cupsLastError)                                                                               \
    X(cupsLastErrorString)                                                                         \
    X(cupsServer)                                                                                  \
    X(cupsStartDocument)                                                                           \
    X(cupsWriteRequestData)                                                                        \
    X(httpClose)                                                                                   \
    X(httpConnect2)                                                                                \
    X(ippDelete)                                                                                   \
    X(ippGetStatusCode)                                                                            \
    X(ippGetString)                                                                                \
    X(ippPort)

struct CupsLibrary final {
    // A declarator cannot be put in parentheses.
    // NOLINTNEXTLINE(bugprone-macro-parentheses)
#define ORDERFORM_CUPS_MEMBER(name) decltype(&::name) name = nullptr;
    ORDERFORM_CUPS_FUNCTIONS(ORDERFORM_CUPS_MEMBER)
#undef ORDERFORM_CUPS_MEMBER

    // The library, loaded on the first call; nullptr when it cannot be
    // loaded, with the system's words for why in `failure`.
    static const CupsLibrary* load(QString* failure = nullptr);
};

} // namespace platform
