#include "ui_port.h"

namespace zun {

void deliver(const WindowRequest &request, UiPort &port)
{
    switch (request.kind) {
    case WindowRequest::Kind::ShowTarget:
        port.show_target();
        break;
    case WindowRequest::Kind::HideTarget:
        port.hide_target();
        break;
    case WindowRequest::Kind::ShowKeys:
        port.show_keys_of(request.mech);
        break;
    case WindowRequest::Kind::BellHand:
        port.show_bell_page_and_hand();
        break;
    case WindowRequest::Kind::NewCoilHand:
        port.show_hand_at_new_coil_button();
        break;
    case WindowRequest::Kind::MessageBox:
        port.message_box(request.text);
        break;
    }
}

} // namespace zun
