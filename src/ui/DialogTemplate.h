#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tamb {

// Identifiers that every dialog shares: the OK and Cancel buttons, and "no identifier" for frames and labels
// that nobody addresses.
inline constexpr int kOkId = 1;
inline constexpr int kCancelId = 2;
inline constexpr int kNoId = -1;

enum class ControlKind
{
    StaticText,
    GroupBox, // a frame around a group of controls, with its caption when it has one
    SunkenFrame, // a sunken grey frame without caption
    PushButton,
    DropDownList, // a list without typing; its rectangle's height is the height of the opened list
    Edit,
    Icon, // the application icon
};

// Styles of a control, combined with |.
enum class ControlStyle : std::uint32_t
{
    None = 0,
    DigitsOnly = 1U << 0, // edit: only the characters 0..9 can be typed
    Centred = 1U << 1, // edit, static text: text centred horizontally
    ReadOnly = 1U << 2, // edit: starts read-only
    Masked = 1U << 3, // edit: password characters hidden
    DefaultButton = 1U << 4, // push button: Enter presses it
    MultiLine = 1U << 5, // push button: the caption wraps onto several lines
    ModelText = 1U << 6, // static text: shows the settings model's text for it (editText), not a caption
};

[[nodiscard]] constexpr ControlStyle operator|(ControlStyle a, ControlStyle b)
{
    return static_cast<ControlStyle>(static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b));
}

[[nodiscard]] constexpr bool HasStyle(ControlStyle styles, ControlStyle style)
{
    return (static_cast<std::uint32_t>(styles) & static_cast<std::uint32_t>(style)) != 0;
}

// A rectangle in dialog units: a quarter of the dialog font's average character width horizontally, an eighth of
// its character height vertically.
struct DialogRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// One control of a template. `caption` is the template's placeholder text (UTF-8); `typingLimit` 0 means none.
struct ControlTemplate
{
    int id = kNoId;
    ControlKind kind = ControlKind::StaticText;
    DialogRect rect;
    std::string_view caption;
    ControlStyle styles = ControlStyle::None;
    int typingLimit = 0;
};

// Short forms for template tables, one per kind.
[[nodiscard]] constexpr ControlTemplate StaticText(
    int id, DialogRect rect, std::string_view caption, ControlStyle styles = ControlStyle::None)
{
    return ControlTemplate { id, ControlKind::StaticText, rect, caption, styles, 0 };
}
[[nodiscard]] constexpr ControlTemplate GroupBox(int id, DialogRect rect, std::string_view caption = {})
{
    return ControlTemplate { id, ControlKind::GroupBox, rect, caption, ControlStyle::None, 0 };
}
[[nodiscard]] constexpr ControlTemplate SunkenFrame(DialogRect rect)
{
    return ControlTemplate { kNoId, ControlKind::SunkenFrame, rect, {}, ControlStyle::None, 0 };
}
[[nodiscard]] constexpr ControlTemplate PushButton(
    int id, DialogRect rect, std::string_view caption, ControlStyle styles = ControlStyle::None)
{
    return ControlTemplate { id, ControlKind::PushButton, rect, caption, styles, 0 };
}
// `rect.height` is the height of the opened list.
[[nodiscard]] constexpr ControlTemplate DropDownList(int id, DialogRect rect)
{
    return ControlTemplate { id, ControlKind::DropDownList, rect, {}, ControlStyle::None, 0 };
}
[[nodiscard]] constexpr ControlTemplate Edit(
    int id, DialogRect rect, ControlStyle styles = ControlStyle::None, int typingLimit = 0)
{
    return ControlTemplate { id, ControlKind::Edit, rect, {}, styles, typingLimit };
}
[[nodiscard]] constexpr ControlTemplate Icon(int id, DialogRect rect)
{
    return ControlTemplate { id, ControlKind::Icon, rect, {}, ControlStyle::None, 0 };
}

// A whole dialog as constant data: its caption, its client size in dialog units, the point size of its font
// and its controls in tab order.
struct DialogTemplate
{
    int id = 0;
    std::string_view caption;
    int width = 0;
    int height = 0;
    int fontPointSize = 9;
    std::span<const ControlTemplate> controls;
};

// The colours every window uses: this background, static texts white on it, other controls in system colours.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
};
inline constexpr Rgb kDialogBackground { 111, 153, 224 };
inline constexpr Rgb kStaticText { 255, 255, 255 };

} // namespace tamb
