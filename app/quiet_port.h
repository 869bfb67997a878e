#pragma once

#include "sim/ui_port.h"

#include <optional>

// The UI port the rebuilt models talk to: it hands the calls on, except while the model is
// brought to a moment at full speed (nothing of it shows then), and message boxes while a replay
// plays (a box would stop the replay until answered).
//
// While everything is quiet it keeps the last word on the marker and on the hand, so that the
// windows can show them where the model left them once it stands at its moment.
class QuietPort final : public zun::UiPort {
public:
    enum class Quiet { Nothing, Boxes, Everything };

    explicit QuietPort(zun::UiPort &port) : port_(port) {}

    void set_quiet(Quiet quiet) { quiet_ = quiet; }
    Quiet quiet() const { return quiet_; }
    // Hands on the marker's and the hand's last requests kept while quiet, then forgets them.
    void show_kept_pointers();

    void show_target() override;
    void hide_target() override;
    void show_keys_of(int mech) override;
    void show_bell_page_and_hand() override;
    void show_hand_at_new_coil_button() override;
    void open_document(const std::string &folder, const std::string &file) override;
    void message_box(const std::string &text) override;

private:
    struct HandRequest {
        enum class At { Keys, Bell, NewCoilButton } at;
        int mech;
    };
    bool silent() const { return quiet_ == Quiet::Everything; }
    void point_hand(HandRequest request);

    zun::UiPort &port_;
    Quiet quiet_ = Quiet::Nothing;
    std::optional<bool> kept_target_shown_;
    std::optional<HandRequest> kept_hand_;
};
