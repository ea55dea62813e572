#pragma once

#include "windows/layout/ControlTable.h"

#include <span>

namespace windows::order {

layout::FormSpec orderWindowForm();

// Every control of the order window, bottom of the stacking order first.
std::span<const layout::ControlSpec> orderWindowControls();

} // namespace windows::order
