#pragma once

namespace platform {

// The program's fixed layouts are drawn for the classic Windows look: its
// 13-pixel check boxes, 3-D frames and light grey faces. Call once, after the
// QApplication exists.
void applyClassicLook();

} // namespace platform
