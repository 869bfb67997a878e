#pragma once

#include "sim/ui_port.h"

class Forms;

// The model's way to the program's windows. Until the windows exist (the model's own
// construction), the calls that need them do nothing.
class QtUiPort final : public zun::UiPort {
public:
    void attach(const Forms &forms) { forms_ = &forms; }
    void detach() { forms_ = nullptr; }

    void show_target() override;
    void hide_target() override;
    void show_keys_of(int mech) override;
    void show_bell_page_and_hand() override;
    void show_hand_at_new_coil_button() override;
    void open_document(const std::string &folder, const std::string &file) override;
    void message_box(const std::string &text) override;

private:
    const Forms *forms_ = nullptr;
};
