#pragma once

#include "platform/ProgramEnd.h"

#include <QList>

// Records the end of the program instead of ending the test.
class FakeProgramEnd final : public platform::ProgramEnd {
public:
    FakeProgramEnd() { install(this); }
    ~FakeProgramEnd() override { install(nullptr); }
    FakeProgramEnd(const FakeProgramEnd&) = delete;
    FakeProgramEnd& operator=(const FakeProgramEnd&) = delete;

    void end(int status) override { statuses.append(status); }

    QList<int> statuses;
};
