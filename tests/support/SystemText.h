#pragma once

#include <QString>
#include <cstring>

// The system's own description of an error number, in the language of the
// locale the test runs under, as the program shows it.
inline QString systemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}
