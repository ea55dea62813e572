#include "windows/layout/FormBuilder.h"

#include "platform/ui/ClassicLook.h"
#include "platform/ui/DisplayText.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowIcon.h"
#include "windows/layout/CheckBox.h"
#include "windows/layout/OptionButton.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <limits>
#include <vector>

namespace windows::layout {
namespace {

// The usual system colours of the desktop the layout was drawn for. They are
// fixed rather than taken from the desktop theme, so a dark theme cannot put
// white text on the form's light grey.
const QColor SystemWindowBackground(255, 255, 255);
const QColor SystemWindowText(0, 0, 0);
const QColor SystemButtonFace(192, 192, 192);

QColor defaultBackOf(ControlKind kind) {
    return kind == ControlKind::TextField ? SystemWindowBackground : SystemButtonFace;
}

void setActiveColour(QPalette& palette, QPalette::ColorRole role, const QColor& colour) {
    // The disabled group keeps the style's dimmed colours.
    palette.setColor(QPalette::Active, role, colour);
    palette.setColor(QPalette::Inactive, role, colour);
}

Qt::Alignment alignmentOf(Align align) {
    switch (align) {
    case Align::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* createWidget(const ControlSpec& row, QWidget* parent) {
    const QString caption = platform::fromUtf8(row.caption);
    switch (row.kind) {
    case ControlKind::Panel: {
        auto* panel = new QFrame(parent);
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        return panel;
    }
    case ControlKind::GroupFrame:
        return new QGroupBox(caption, parent);
    case ControlKind::Label: {
        auto* label = new QLabel(platform::labelText(row.caption), parent);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(alignmentOf(row.align));
        if (row.border)
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        return label;
    }
    case ControlKind::TextField: {
        auto* field = new QLineEdit(parent);
        field->setMaxLength(std::numeric_limits<int>::max()); // no limit on what people type
        field->setText(caption);
        return field;
    }
    case ControlKind::CheckBox: {
        auto* box = new CheckBox(caption, parent);
        box->setChecked(row.selected);
        if (row.squareSide == Side::Right)
            box->setLayoutDirection(Qt::RightToLeft);
        return box;
    }
    case ControlKind::OptionButton: {
        auto* option = new OptionButton(caption, parent);
        option->setChecked(row.selected);
        return option;
    }
    case ControlKind::PushButton: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case ControlKind::Image: {
        auto* image = new QLabel(parent);
        image->setPixmap(QPixmap(platform::fromUtf8(row.image)));
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return image;
    }
    }
    return nullptr;
}

void applyLook(QWidget& widget, const ControlSpec& row, const FormSpec& form) {
    QPalette palette = widget.palette();
    const QColor text =
        FormBuilder::colourOf(row.text, FormBuilder::colourOf(form.text, SystemWindowText));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        setActiveColour(palette, role, text);

    const QColor back = FormBuilder::colourOf(row.back, defaultBackOf(row.kind));
    switch (row.kind) {
    case ControlKind::TextField:
        // Disabled, a text field greys only its text; its background stays.
        palette.setColor(QPalette::Base, back);
        break;
    case ControlKind::PushButton:
        palette.setColor(QPalette::Button, back);
        break;
    case ControlKind::Image:
        break;
    default:
        palette.setColor(QPalette::Window, back);
        palette.setColor(QPalette::Button, back);
        widget.setAutoFillBackground(!row.transparent);
        break;
    }
    widget.setPalette(palette);
    widget.setFont(FormBuilder::fontOf(row.font.value_or(form.font)));
    if (!row.enabled)
        widget.setEnabled(false);

    QString accessibleName = platform::fromUtf8(row.accessibleName);
    if (accessibleName.isEmpty() && row.kind != ControlKind::TextField)
        accessibleName = platform::labelText(row.caption).trimmed();
    widget.setAccessibleName(accessibleName);
}

void applyTabOrder(const std::vector<std::pair<int, QWidget*>>& stops) {
    std::vector<std::pair<int, QWidget*>> ordered = stops;
    std::sort(ordered.begin(), ordered.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(ordered[i - 1].second, ordered[i].second);
}

} // namespace

QColor FormBuilder::colourOf(Colour colour, QColor fallback) {
    switch (colour.source) {
    case Colour::Source::Rgb:
        return {colour.red, colour.green, colour.blue};
    case Colour::Source::WindowBackground:
        return SystemWindowBackground;
    case Colour::Source::WindowText:
        return SystemWindowText;
    case Colour::Source::ButtonFace:
        return SystemButtonFace;
    case Colour::Source::Unset:
        break;
    }
    return fallback;
}

QFont FormBuilder::fontOf(const FontSpec& row) {
    QFont font;
    // The faces the layout was drawn with, then their stand-ins.
    font.setFamilies(row.face == Face::Serif ? platform::classicSerifFamilies()
                                             : platform::classicSansSerifFamilies());
    font.setPointSizeF(row.points);
    font.setWeight(row.bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(row.underline);
    return font;
}

FormControls FormBuilder::build(QWidget& window, const FormSpec& form,
                                std::span<const ControlSpec> controls) {
    window.setWindowTitle(platform::fromUtf8(form.caption));
    // A window has no icon unless its own code gives it one; it does not take
    // its owner's.
    if (window.isWindow())
        platform::showNoWindowIcon(window);
    window.setFixedSize(platform::twips::sizeToPixels(form.clientWidth, form.clientHeight));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, colourOf(form.back, SystemButtonFace));
    palette.setColor(QPalette::WindowText, colourOf(form.text, SystemWindowText));
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setFont(fontOf(form.font));

    FormControls built;
    std::vector<std::pair<int, QWidget*>> tabStops;
    for (const ControlSpec& row : controls) {
        QWidget* parent = row.container.empty() ? &window : &built.require<QWidget>(row.container);
        QWidget* widget = createWidget(row, parent);
        const QString key = FormControls::keyOf(row.name, row.index);
        widget->setObjectName(key);
        const Place& place = row.place;
        widget->setGeometry(
            platform::twips::toPixels(place.left, place.top, place.width, place.height));
        applyLook(*widget, row, form);
        widget->show();
        built.add(key, widget);
        if (row.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus)
            tabStops.emplace_back(row.tabIndex, widget);
    }
    applyTabOrder(tabStops);
    return built;
}

} // namespace windows::layout
