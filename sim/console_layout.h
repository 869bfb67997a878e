#pragma once

#include "sim/picture_store.h"

#include <span>
#include <string_view>
#include <vector>

// The posts' console pages and every control on them, as the consoles are built. The model
// reads the keys' captions and tags (the find list); the windows build the pages from the same
// rows.
namespace zun::console {

enum class ControlKind : unsigned char { BackKey, FixedKey, Key90, Button, Lamp, Knob, Ammeter };

// What a control's caption label does besides, or instead of, its own handlers.
enum class LabelHandler : unsigned char {
    Own,
    ShowPanel5Mech,  // pointer over the key also opens the uncoiler drum's close-up
    ShowPanel70Mech, // pointer over the key also opens the recoiler drum's close-up
    WorkingSpeed,    // turning the key also starts or stops the line at working speed
    NormalStop,      // rebound, but only forwards to the key's own press
};

enum class ControlLook : unsigned char {
    Standard,
    RedFace,    // a button whose face is painted red
    Large,      // a button enlarged to 120 x 70 with a header strip 111 wide
    WideHeader, // a button with a header strip 120 wide and its face lowered to 22
};

struct Control {
    std::string_view frame;
    ControlKind kind;
    std::string_view page;
    int left;
    int top;
    int tag; // the mechanism number; 0 = bound to none
    std::string_view caption;
    // Null keeps the frame's own text: "туда" / "сюда" for the direction inscriptions, the
    // frame's own hint.
    const char *left_inscription = nullptr;
    const char *right_inscription = nullptr;
    const char *hint = nullptr;
    LabelHandler handler = LabelHandler::Own;
    ControlLook look = ControlLook::Standard;
    bool bell = false; // the bell button, whose held state the line reads

    bool is_key() const
    {
        return kind == ControlKind::BackKey || kind == ControlKind::FixedKey ||
               kind == ControlKind::Key90;
    }
    // The frame's place and size on its page.
    Rect rect() const;
};

struct Page {
    std::string_view name;
    std::string_view tab_caption;
    int tag; // tens: post (1, 2, 3 edge-scrap winder, 4 rotating table); units: console
    std::string_view page_control;
};

struct PageControl {
    std::string_view name;
    std::string_view parent; // the page or panel it fills
    std::string_view active_page;
};

// Texts and marks drawn on a page itself, not on a control.
struct PageDecoration {
    enum class Kind : unsigned char { Text, WrappedText, YellowRectangle };
    Kind kind;
    std::string_view page;
    std::string_view name;
    Rect place;
    std::string_view text;
};

// The picture on the scene (or on the edge-scrap winder's close-up) that stands for a page: the
// operator figure is put on it when the page is shown.
struct PagePicture {
    int tag;
    std::string_view picture;
};

inline constexpr std::string_view posts_panel = "Panel_Posts";
inline constexpr Rect posts_panel_place{-51, 280, 800, 450};
inline constexpr int mech_name_count = 127;
// The sizes of the tables below, checked against the tables when they are compiled.
inline constexpr int page_control_count = 3;
inline constexpr int page_count = 11;
inline constexpr int control_count = 108;

// Each in creation order; pages of one page control in tab order.
std::span<const PageControl> page_controls();
std::span<const Page> pages();
std::span<const PageDecoration> page_decorations();
std::span<const Control> controls();
std::span<const PagePicture> page_pictures();
const PagePicture *find_page_picture(int tag);

// The key of a mechanism that the hand points at: of several, the last in creation order; null
// for a mechanism without a key.
const Control *key_of(int mech);
// Whether a console key commands mechanism `mech` (a key bound to none commands nothing).
bool is_keyed(int mech);
// Every mechanism a console key commands, in ascending order.
std::vector<int> keyed_mechanisms();
// A page by its name; null for none.
const Page *page_named(std::string_view name);
// The bell button "звонок".
const Control &bell_button();
// Rows of the tables by name, or -1.
int find_control(std::string_view frame);
int find_page(std::string_view name);
int find_page_control(std::string_view name);
// The page control that holds page `page`, and the page that holds page control `control` (-1
// for the posts' own, which fills the posts panel).
int page_control_of(int page);
int page_holding(int page_control);

} // namespace zun::console
