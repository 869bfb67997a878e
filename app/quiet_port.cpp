#include "quiet_port.h"

#include <utility>

void QuietPort::show_kept_pointers()
{
    if (const std::optional<bool> shown = std::exchange(kept_target_shown_, std::nullopt))
        *shown ? port_.show_target() : port_.hide_target();
    if (const std::optional<HandRequest> hand = std::exchange(kept_hand_, std::nullopt))
        point_hand(*hand);
}

void QuietPort::show_target()
{
    if (silent())
        kept_target_shown_ = true;
    else
        port_.show_target();
}

void QuietPort::hide_target()
{
    if (silent())
        kept_target_shown_ = false;
    else
        port_.hide_target();
}

void QuietPort::show_keys_of(int mech)
{
    point_hand({HandRequest::At::Keys, mech});
}

void QuietPort::show_bell_page_and_hand()
{
    point_hand({HandRequest::At::Bell, 0});
}

void QuietPort::show_hand_at_new_coil_button()
{
    point_hand({HandRequest::At::NewCoilButton, 0});
}

void QuietPort::point_hand(HandRequest request)
{
    if (silent()) {
        kept_hand_ = request;
        return;
    }
    switch (request.at) {
    case HandRequest::At::Keys:
        port_.show_keys_of(request.mech);
        break;
    case HandRequest::At::Bell:
        port_.show_bell_page_and_hand();
        break;
    case HandRequest::At::NewCoilButton:
        port_.show_hand_at_new_coil_button();
        break;
    }
}

void QuietPort::open_document(const std::string &folder, const std::string &file)
{
    if (quiet_ == Quiet::Nothing)
        port_.open_document(folder, file);
}

void QuietPort::message_box(const std::string &text)
{
    if (quiet_ == Quiet::Nothing)
        port_.message_box(text);
}
