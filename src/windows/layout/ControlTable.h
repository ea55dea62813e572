#pragma once

#include <optional>
#include <string_view>

// A window's layout written down as data: one row per control, positions and
// sizes in twips, the way a form designer would list them.
namespace windows::layout {

enum class ControlKind {
    Panel,
    GroupFrame,
    Label,
    TextField,
    CheckBox,
    OptionButton,
    PushButton,
    Image
};

struct Colour {
    enum class Source { Unset, Rgb, WindowBackground, WindowText, ButtonFace };
    Source source = Source::Unset;
    int red = 0;
    int green = 0;
    int blue = 0;
};

constexpr Colour rgb(int red, int green, int blue) {
    return {Colour::Source::Rgb, red, green, blue};
}
inline constexpr Colour WindowBackground{Colour::Source::WindowBackground};
inline constexpr Colour WindowText{Colour::Source::WindowText};
inline constexpr Colour ButtonFace{Colour::Source::ButtonFace};

enum class Face { Sans, Serif };

struct FontSpec {
    Face face = Face::Sans;
    double points = 7.8;
    bool bold = true;
    bool underline = false;
};

inline constexpr FontSpec SansBold{Face::Sans, 7.8, true, false};
inline constexpr FontSpec SansRegular{Face::Sans, 7.8, false, false};
inline constexpr FontSpec SansBoldUnderlined{Face::Sans, 7.8, true, true};
inline constexpr FontSpec SansBold12{Face::Sans, 12, true, false};

enum class Align { Left, Centre, Right };

enum class Side { Left, Right };

// Where a control lies, in twips, relative to its container's outer corner.
struct Place {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// One control. Every column has its default, so a row names only what it
// sets.
struct ControlSpec {
    std::string_view name{};
    int index = -1; // position in a control array; -1 for a single control
    ControlKind kind = ControlKind::Label;
    std::string_view container{}; // name of the panel or frame; empty: the window
    Place place{};
    std::string_view caption{};     // "&&" stands for "&"
    std::string_view image{};       // an image's picture, as a resource path
    Colour back{};                  // unset: the kind's usual colour
    Colour text{};                  // unset: the window's text colour
    std::optional<FontSpec> font{}; // unset: the window's font
    int tabIndex = -1;
    Align align = Align::Left;    // a label's text
    Side squareSide = Side::Left; // the side of a check box its square is on
    bool transparent = false;     // labels: let the container show through
    bool border = false;          // labels: a thin sunken border
    bool enabled = true;
    bool selected = false;             // ticked or selected when the window opens
    std::string_view accessibleName{}; // unset: the caption as shown
};

struct FormSpec {
    std::string_view caption{};
    int clientWidth = 0; // twips
    int clientHeight = 0;
    Colour back{};
    Colour text{};
    FontSpec font = SansBold;
};

} // namespace windows::layout
