#pragma once

#include "platform/system/ProgramEnd.h"
#include "support/Installed.h"

#include <QList>

// Records the end of the program instead of ending the test.
class FakeProgramEnd final : public Installed<platform::ProgramEnd> {
public:
    void end(int status) override { statuses.append(status); }

    QList<int> statuses;
};
