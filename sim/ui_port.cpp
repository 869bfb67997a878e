#include "ui_port.h"

namespace zun {

// A call from inside a box's own loop (another input, the clock) only queues: this one goes on.
void UiRequests::deliver()
{
    if (delivering_)
        return;
    delivering_ = true;
    try {
        while (!pending_.empty()) {
            const Request request = std::move(pending_.front());
            pending_.pop_front();
            switch (request.kind) {
            case Kind::ShowTarget:
                port_.show_target();
                break;
            case Kind::HideTarget:
                port_.hide_target();
                break;
            case Kind::ShowKeys:
                port_.show_keys_of(request.mech);
                break;
            case Kind::BellHand:
                port_.show_bell_page_and_hand();
                break;
            case Kind::NewCoilHand:
                port_.show_hand_at_new_coil_button();
                break;
            case Kind::MessageBox:
                ++boxes_shown_;
                port_.message_box(request.text);
                break;
            }
        }
    } catch (...) {
        delivering_ = false;
        throw;
    }
    delivering_ = false;
}

} // namespace zun
