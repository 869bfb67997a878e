#pragma once

#include "sim/ui_port.h"

// The UI port the rebuilt models talk to: it hands the calls on, except while the model is
// brought to a moment at full speed (nothing of it shows then), and message boxes while a replay
// plays (a box would stop the replay until answered).
class QuietPort final : public zun::UiPort {
public:
    enum class Quiet { Nothing, Boxes, Everything };

    explicit QuietPort(zun::UiPort &port) : port_(port) {}

    void set_quiet(Quiet quiet) { quiet_ = quiet; }
    Quiet quiet() const { return quiet_; }

    void show_target() override
    {
        if (quiet_ != Quiet::Everything)
            port_.show_target();
    }
    void hide_target() override
    {
        if (quiet_ != Quiet::Everything)
            port_.hide_target();
    }
    void show_keys_of(int mech) override
    {
        if (quiet_ != Quiet::Everything)
            port_.show_keys_of(mech);
    }
    void show_bell_page_and_hand() override
    {
        if (quiet_ != Quiet::Everything)
            port_.show_bell_page_and_hand();
    }
    void show_hand_at_new_coil_button() override
    {
        if (quiet_ != Quiet::Everything)
            port_.show_hand_at_new_coil_button();
    }
    void open_document(const std::string &folder, const std::string &file) override
    {
        if (quiet_ == Quiet::Nothing)
            port_.open_document(folder, file);
    }
    void message_box(const std::string &text) override
    {
        if (quiet_ == Quiet::Nothing)
            port_.message_box(text);
    }

private:
    zun::UiPort &port_;
    Quiet quiet_ = Quiet::Nothing;
};
