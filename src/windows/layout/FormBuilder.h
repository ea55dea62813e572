#pragma once

#include "windows/layout/ControlTable.h"
#include "windows/layout/FormControls.h"

#include <QColor>
#include <QFont>
#include <span>

class QWidget;

namespace windows::layout {

// Turns a layout table into Qt widgets on `window`. Controls are created in
// table order, so a later row lies above an earlier one where they overlap;
// a container must come before the controls on it. The tab order follows the
// tab indices.
class FormBuilder final {
public:
    static FormControls build(QWidget& window, const FormSpec& form,
                              std::span<const ControlSpec> controls);

    static QColor colourOf(Colour colour, QColor fallback);
    static QFont fontOf(const FontSpec& font);
};

} // namespace windows::layout
