#pragma once

#include <QByteArray>

// While it lives, every rename onto a file of this name (in any folder)
// fails with `error`, as a failing disk would fail the last step of a save.
// The test executable that uses it links tests/support/FailingRename.cpp,
// whose rename functions stand in front of the C library's.
class FailingRename final {
public:
    FailingRename(const QByteArray& fileName, int error);
    ~FailingRename();
    FailingRename(const FailingRename&) = delete;
    FailingRename& operator=(const FailingRename&) = delete;

    // How many renames it made fail.
    static int failures();
};
