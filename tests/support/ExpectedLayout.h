#pragma once

#include "support/ExpectedOrders.h"
#include "support/JsonFile.h"

#include <QAnyStringView>
#include <QColor>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <cmath>
#include <optional>
#include <string_view>

// The four windows' layout as designed, written out by hand in
// expected-layout.json (its "read me" says how) and never taken from the
// program's own tables: the layout test and the painted-windows test compare
// what the windows build with it. Places are in twips.
namespace expected {

struct Font {
    QString face; // "sans" or "serif"
    qreal points = 0;
    bool bold = false;
    bool underline = false;
};

struct Control {
    QString name;
    int index = -1;    // in a control array; -1 for a single control
    QString kind;      // "panel", "frame", "label", "text field", "check box", "option",
                       // "button" or "image"
    QString container; // the panel or frame it lies on; empty: the window
    QRect place;       // in the container's client area
    std::optional<QString> caption; // as written, "&&" for "&"; unset: set by the window
    QColor back;                    // invalid: the kind's usual background
    bool transparent = false;       // the container shows through
    QColor text;                    // invalid: the window's text colour
    std::optional<Font> font;       // unset: the window's font
    bool fontShrinksToFit = false;  // the caption's type may be smaller than `font`
    QString align = QStringLiteral("left");
    bool border = false;
    bool enabled = true;
    bool selected = false;
    bool squareOnTheRight = false; // a check box's square
    QSize ownSize;                 // an image's, in pixels; it ignores the place's size
    int tab = -1;                  // tab index; -1 for none
};

struct Window {
    QString caption;
    QSize client;
    std::optional<QSize> outerOn1024By768; // the whole window, frame included
    QColor back;
    QColor text;
    Font font;
    QList<Control> controls;

    // The control a test names; a name the layout lacks stops the test.
    const Control& control(std::string_view name, int index = -1) const {
        for (const Control& row : controls) {
            if (row.name == QLatin1String(name.data(), qsizetype(name.size())) &&
                row.index == index)
                return row;
        }
        qFatal("the expected layout has no control %.*s (%d)", int(name.size()), name.data(),
               index);
    }

    // Where a control lies in the window's client area: its own place moved
    // by its containers'.
    QRect inClientArea(const Control& row) const {
        QRect place = row.place;
        for (QString on = row.container; !on.isEmpty();) {
            const Control& container = control(on.toStdString());
            place.translate(container.place.topLeft());
            on = container.container;
        }
        return place;
    }
    QRect inClientArea(std::string_view name, int index = -1) const {
        return inClientArea(control(name, index));
    }
};

namespace detail {

inline QColor colourOf(const QJsonValue& value) {
    if (value.isArray()) {
        const QJsonArray rgb = value.toArray();
        return {rgb[0].toInt(), rgb[1].toInt(), rgb[2].toInt()};
    }
    // The usual system colours of the desktop the layout was drawn for.
    static const QHash<QString, QColor> system{
        {QStringLiteral("window background"), QColor(255, 255, 255)},
        {QStringLiteral("window text"), QColor(0, 0, 0)},
        {QStringLiteral("button face"), QColor(192, 192, 192)}};
    if (value.isString() && !system.contains(value.toString()) &&
        value.toString() != QLatin1String("transparent"))
        qFatal("the expected layout names no colour %s", qPrintable(value.toString()));
    return system.value(value.toString());
}

inline Font fontOf(const QString& written) {
    const QStringList words = written.split(QLatin1Char(' '));
    bool number = false;
    const qreal points = words.value(1).toDouble(&number);
    if (words.size() < 3 || !number)
        qFatal("the expected layout has a font \"%s\"", qPrintable(written));
    return {words[0], points, words.contains(QLatin1String("bold")),
            words.contains(QLatin1String("underlined"))};
}

inline QRect rectOf(const QJsonValue& value) {
    const QJsonArray place = value.toArray();
    return {place[0].toInt(), place[1].toInt(), place[2].toInt(), place[3].toInt()};
}

inline QSize sizeOf(const QJsonValue& value) {
    const QJsonArray size = value.toArray();
    return {size[0].toInt(), size[1].toInt()};
}

inline Control controlOf(const QJsonObject& row) {
    Control control;
    control.name = row[QLatin1String("name")].toString();
    control.index = row[QLatin1String("index")].toInt(-1);
    control.kind = row[QLatin1String("kind")].toString();
    control.container = row[QLatin1String("on")].toString();
    control.place = rectOf(row[QLatin1String("place")]);
    if (row.contains(QLatin1String("caption")))
        control.caption = row[QLatin1String("caption")].toString();
    else if (row.contains(QLatin1String("caption in sample-orders.json")))
        control.caption =
            sample::fact(row[QLatin1String("caption in sample-orders.json")].toString());
    control.transparent = row[QLatin1String("back")] == QLatin1String("transparent");
    control.back = colourOf(row[QLatin1String("back")]);
    control.text = colourOf(row[QLatin1String("text")]);
    if (row.contains(QLatin1String("font")))
        control.font = fontOf(row[QLatin1String("font")].toString());
    control.fontShrinksToFit = row[QLatin1String("font shrinks to fit")].toBool();
    control.align = row[QLatin1String("align")].toString(QStringLiteral("left"));
    control.border = row[QLatin1String("border")].toBool();
    control.enabled = row[QLatin1String("enabled")].toBool(true);
    control.selected = row[QLatin1String("selected")].toBool();
    control.squareOnTheRight = row[QLatin1String("square")] == QLatin1String("right");
    if (row.contains(QLatin1String("own size")))
        control.ownSize = sizeOf(row[QLatin1String("own size")]);
    control.tab = row[QLatin1String("tab")].toInt(-1);
    return control;
}

inline QHash<QString, Window> readLayout() {
    QHash<QString, Window> windows;
    const QJsonObject all = readJsonFile(ORDERFORM_EXPECTED_LAYOUT);
    for (auto entry = all.begin(); entry != all.end(); ++entry) {
        if (!entry->isObject())
            continue; // the read me
        const QJsonObject written = entry->toObject();
        Window window;
        window.caption = written[QLatin1String("caption")].toString();
        window.client = sizeOf(written[QLatin1String("client")]);
        if (written.contains(QLatin1String("outer on 1024 x 768")))
            window.outerOn1024By768 = sizeOf(written[QLatin1String("outer on 1024 x 768")]);
        window.back = colourOf(written[QLatin1String("back")]);
        window.text = colourOf(written[QLatin1String("text")]);
        window.font = fontOf(written[QLatin1String("font")].toString());
        for (const QJsonValue row : written[QLatin1String("controls")].toArray())
            window.controls.append(controlOf(row.toObject()));
        windows.insert(entry.key(), window);
    }
    return windows;
}

} // namespace detail

// "order", "main", "about" or "splash"; another name stops the test. The name
// is a view, so that a call with a literal makes no temporary QString for the
// returned reference to seem to hang on.
inline const Window& window(QAnyStringView name) {
    static const QHash<QString, Window> windows = detail::readLayout();
    const auto found = windows.constFind(name.toString());
    if (found == windows.constEnd())
        qFatal("the expected layout has no window %s", qPrintable(name.toString()));
    return *found;
}

// A place in twips as the pixels it covers at 96 dpi, 15 twips to a pixel:
// each edge on the nearest pixel. Reckoned here, not by the program's own
// conversion, so that a fault there moves the windows and not the oracle.
inline int edgeInPixels(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}
inline QRect inPixels(const QRect& twips) {
    const int left = edgeInPixels(twips.left());
    const int top = edgeInPixels(twips.top());
    return {left, top, edgeInPixels(twips.left() + twips.width()) - left,
            edgeInPixels(twips.top() + twips.height()) - top};
}
inline QSize inPixels(const QSize& twips) {
    return {edgeInPixels(twips.width()), edgeInPixels(twips.height())};
}

} // namespace expected
