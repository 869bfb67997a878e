#pragma once

#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zun {

// A rectangle in pixels of the container that holds it; empty when width or height is not
// positive.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(int x, int y) const
    {
        return !empty() && x >= left && x < right() && y >= top && y < bottom();
    }
    // The smallest rectangle holding both; an empty side adds nothing.
    Rect united(const Rect &other) const;
    bool operator==(const Rect &) const = default;
};

class Panel;

enum class ComponentKind : unsigned char { Picture, Label, Shape, Button };

// How a component is drawn and pointed at; fixed when it is made.
struct Appearance {
    ComponentKind kind = ComponentKind::Picture;
    bool transparent = false; // drawn with its own alpha over what lies beneath
    bool hand_cursor = false; // the pointer turns into a pointing hand over it
};

// A component of a panel as the model knows it (mostly pictures, also labels, shapes and buttons):
// which panel holds it, where, whether it is seen, the number it selects, its hint and caption.
// Its look belongs to the views. Every setter marks the area a view must
// repaint on the picture's panel, and only when the value really changes.
class Picture {
public:
    Picture(std::string name, Panel &panel, Rect place, bool visible, Appearance appearance = {});
    Picture(const Picture &) = delete;
    Picture &operator=(const Picture &) = delete;

    const std::string &name() const { return name_; }
    const Panel &panel() const { return *panel_; }
    Panel &panel() { return *panel_; }
    Rect rect() const { return place_; }
    int left() const { return place_.left; }
    int top() const { return place_.top; }
    int width() const { return place_.width; }
    int height() const { return place_.height; }
    bool visible() const { return visible_; }
    std::int32_t tag() const { return tag_; }
    const std::string &hint() const { return hint_; }
    const std::string &caption() const { return caption_; }
    const Appearance &appearance() const { return appearance_; }

    // The line sets most of its pictures every tick to what they already are: the setters
    // return at once then, inline.
    void set_left(int left)
    {
        if (left != place_.left)
            change_place(Rect{left, place_.top, place_.width, place_.height});
    }
    void set_top(int top)
    {
        if (top != place_.top)
            change_place(Rect{place_.left, top, place_.width, place_.height});
    }
    void set_width(int width);
    void set_height(int height);
    void set_visible(bool visible)
    {
        if (visible != visible_)
            change_visibility(visible);
    }
    void set_tag(std::int32_t tag) { tag_ = tag; }
    void set_hint(std::string hint) { hint_ = std::move(hint); }
    void set_caption(std::string_view caption);

    // Moves the picture onto another panel, where it becomes the top layer; onto its own panel
    // it stays where it is.
    void move_to(Panel &panel);

private:
    void change_place(Rect place);
    void change_visibility(bool visible);
    Rect seen_rect() const { return visible_ ? place_ : Rect{}; }

    std::string name_;
    Panel *panel_;
    Rect place_;
    bool visible_;
    Appearance appearance_;
    std::int32_t tag_ = 0;
    std::string hint_;
    std::string caption_;
};

// A container of pictures with a place in its window. Pictures are kept in creation order, which
// is also the drawing order: later ones are drawn above and get the pointer first.
class Panel {
public:
    Panel(std::string name, Rect place, bool visible);
    Panel(const Panel &) = delete;
    Panel &operator=(const Panel &) = delete;

    const std::string &name() const { return name_; }
    Rect rect() const { return place_; }
    int left() const { return place_.left; }
    int top() const { return place_.top; }
    int width() const { return place_.width; }
    int height() const { return place_.height; }
    bool visible() const { return visible_; }
    std::span<const Picture *const> pictures() const { return pictures_; }
    std::span<Picture *const> pictures() { return pictures_; }

    void set_left(int left);
    void set_top(int top);
    void set_visible(bool visible);

    // The topmost visible picture under a point of the panel, or null.
    const Picture *picture_at(int x, int y) const;

    // What changed, as version counts that a view compares with those it painted last: every
    // change that needs painting, and every move, showing or hiding of the panel itself.
    std::uint64_t damage_version() const { return damage_version_; }
    std::uint64_t placement_version() const { return placement_version_; }
    // The area of the panel changed after `version` of the damage; an empty rectangle when
    // nothing did. May be larger than what changed, never smaller.
    Rect damage_since(std::uint64_t version) const;

private:
    friend class Picture;

    // The areas of the recent changes, oldest first; the oldest are merged to keep it short.
    struct Damage {
        std::uint64_t version; // the newest change it holds
        Rect area;
    };
    static constexpr std::size_t kept_damages = 64;

    void add_damage(Rect area);
    void set_placement(Rect place, bool visible);

    std::string name_;
    Rect place_;
    bool visible_;
    std::vector<Picture *> pictures_;
    std::deque<Damage> damages_;
    std::uint64_t damage_version_ = 0;
    std::uint64_t placement_version_ = 0;
};

// Owns every panel and picture of a window's description, in creation order, and finds them by
// name; where two share a name, the later one is found.
class PictureStore {
public:
    PictureStore() = default;
    PictureStore(const PictureStore &) = delete;
    PictureStore &operator=(const PictureStore &) = delete;

    Panel &add_panel(std::string name, Rect place, bool visible);
    Picture &add_picture(Panel &panel, std::string name, Rect place, bool visible,
                         Appearance appearance = {});

    const Panel *find_panel(std::string_view name) const;
    const Picture *find_picture(std::string_view name) const;
    Panel *find_panel(std::string_view name);
    Picture *find_picture(std::string_view name);
    const std::deque<Panel> &panels() const { return panels_; }
    const std::deque<Picture> &pictures() const { return pictures_; }

private:
    // Heterogeneous lookup, so that a string_view finds without building a string.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const
        {
            return std::hash<std::string_view>{}(name);
        }
    };
    template <typename T>
    using ByName = std::unordered_map<std::string, T *, NameHash, std::equal_to<>>;

    std::deque<Panel> panels_;
    std::deque<Picture> pictures_;
    ByName<Panel> panels_by_name_;
    ByName<Picture> pictures_by_name_;
};

} // namespace zun
