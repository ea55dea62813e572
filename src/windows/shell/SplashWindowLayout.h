#pragma once

#include "windows/layout/ControlTable.h"

#include <span>

namespace windows::shell {

layout::FormSpec splashWindowForm();

// Every control of the splash window, bottom of the stacking order first.
std::span<const layout::ControlSpec> splashWindowControls();

} // namespace windows::shell
