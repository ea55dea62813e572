#pragma once

#include "windows/layout/ControlTable.h"

#include <span>

namespace windows::shell {

layout::FormSpec mainWindowForm();

// Every control of the main window, below its menu bar, bottom of the stacking order first.
std::span<const layout::ControlSpec> mainWindowControls();

} // namespace windows::shell
