#pragma once

#include "sim/ui_port.h"

// The model's way to the program's windows.
class QtUiPort final : public zun::UiPort {
public:
    void show_target() override;
    void hide_target() override;
    void show_key_of_cur_mech() override;
    void show_bell_page_and_hand() override;
    void show_hand_at_new_coil_button() override;
    void show_page(const std::string &page) override;
    void open_document(const std::string &folder, const std::string &file) override;
    void message_box(const std::string &text) override;
};
