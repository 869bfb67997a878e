#include "quiet_port.h"

#include <utility>

void QuietPort::show_kept_pointers()
{
    const Pointers kept = std::exchange(kept_, {});
    if (kept.target_shown)
        *kept.target_shown ? port_.show_target() : port_.hide_target();
    if (kept.hand)
        point_hand(*kept.hand);
}

void QuietPort::restore_pointers(const Pointers &pointers)
{
    kept_ = pointers;
    last_ = pointers;
}

void QuietPort::show_target()
{
    last_.target_shown = true;
    if (silent())
        kept_.target_shown = true;
    else
        port_.show_target();
}

void QuietPort::hide_target()
{
    last_.target_shown = false;
    if (silent())
        kept_.target_shown = false;
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
    last_.hand = request;
    if (silent()) {
        kept_.hand = request;
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
