#include "picture_store.h"

#include <algorithm>
#include <utility>

namespace zun {

Rect Rect::united(const Rect &other) const
{
    if (other.empty())
        return *this;
    if (empty())
        return other;
    const int new_left = std::min(left, other.left);
    const int new_top = std::min(top, other.top);
    return Rect{new_left, new_top, std::max(right(), other.right()) - new_left,
                std::max(bottom(), other.bottom()) - new_top};
}

Picture::Picture(std::string name, Panel &panel, Rect place, bool visible, Appearance appearance)
    : name_(std::move(name)), panel_(&panel), place_(place), visible_(visible),
      appearance_(appearance)
{
    panel_->pictures_.push_back(this);
    panel_->add_damage(seen_rect());
}

void Picture::set_width(int width)
{
    change_place(Rect{place_.left, place_.top, width, place_.height});
}

void Picture::set_height(int height)
{
    change_place(Rect{place_.left, place_.top, place_.width, height});
}

void Picture::change_visibility(bool visible)
{
    visible_ = visible;
    panel_->add_damage(place_);
}

void Picture::set_caption(std::string_view caption)
{
    if (caption == caption_)
        return;
    caption_.assign(caption);
    panel_->add_damage(seen_rect());
}

void Picture::move_to(Panel &panel)
{
    if (&panel == panel_)
        return;
    auto &old_layers = panel_->pictures_;
    old_layers.erase(std::find(old_layers.begin(), old_layers.end(), this));
    panel_->add_damage(seen_rect());
    panel_ = &panel;
    panel_->pictures_.push_back(this);
    panel_->add_damage(seen_rect());
}

void Picture::change_place(Rect place)
{
    if (place == place_)
        return;
    panel_->add_damage(seen_rect());
    place_ = place;
    panel_->add_damage(seen_rect());
}

Panel::Panel(std::string name, Rect place, bool visible)
    : name_(std::move(name)), place_(place), visible_(visible)
{
}

void Panel::set_left(int left)
{
    set_placement(Rect{left, place_.top, place_.width, place_.height}, visible_);
}

void Panel::set_top(int top)
{
    set_placement(Rect{place_.left, top, place_.width, place_.height}, visible_);
}

void Panel::set_visible(bool visible)
{
    set_placement(place_, visible);
}

void Panel::set_placement(Rect place, bool visible)
{
    if (place == place_ && visible == visible_)
        return;
    place_ = place;
    visible_ = visible;
    ++placement_version_;
}

void Panel::add_damage(Rect area)
{
    if (area.empty())
        return;
    ++damage_version_;
    damages_.push_back({damage_version_, area});
    if (damages_.size() > kept_damages) {
        const Rect oldest = damages_.front().area;
        damages_.pop_front();
        damages_.front().area = oldest.united(damages_.front().area);
    }
}

Rect Panel::damage_since(std::uint64_t version) const
{
    Rect area;
    for (const Damage &damage : damages_)
        if (damage.version > version)
            area = area.united(damage.area);
    return area;
}

const Picture *Panel::picture_at(int x, int y) const
{
    const auto hit = std::find_if(pictures_.rbegin(), pictures_.rend(), [x, y](const Picture *p) {
        return p->visible() && p->rect().contains(x, y);
    });
    return hit == pictures_.rend() ? nullptr : *hit;
}

Panel &PictureStore::add_panel(std::string name, Rect place, bool visible)
{
    Panel &panel = panels_.emplace_back(std::move(name), place, visible);
    panels_by_name_[panel.name()] = &panel;
    return panel;
}

Picture &PictureStore::add_picture(Panel &panel, std::string name, Rect place, bool visible,
                                   Appearance appearance)
{
    Picture &picture = pictures_.emplace_back(std::move(name), panel, place, visible, appearance);
    pictures_by_name_[picture.name()] = &picture;
    return picture;
}

namespace {

template <typename Map> auto *find_by_name(const Map &map, std::string_view name)
{
    const auto found = map.find(name);
    return found == map.end() ? nullptr : found->second;
}

} // namespace

const Panel *PictureStore::find_panel(std::string_view name) const
{
    return find_by_name(panels_by_name_, name);
}

const Picture *PictureStore::find_picture(std::string_view name) const
{
    return find_by_name(pictures_by_name_, name);
}

Panel *PictureStore::find_panel(std::string_view name)
{
    return find_by_name(panels_by_name_, name);
}

Picture *PictureStore::find_picture(std::string_view name)
{
    return find_by_name(pictures_by_name_, name);
}

} // namespace zun
