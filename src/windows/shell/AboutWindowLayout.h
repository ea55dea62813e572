#pragma once

#include "windows/layout/ControlTable.h"

#include <span>

namespace windows::shell {

layout::FormSpec aboutWindowForm();

// Every control of the About window, bottom of the stacking order first.
std::span<const layout::ControlSpec> aboutWindowControls();

} // namespace windows::shell
