#pragma once

#include "sim/ui_port.h"

#include <optional>

// The UI port the rebuilt models talk to: it hands the calls on, except while the model is
// brought to a moment at full speed (nothing of it shows then), and message boxes while a replay
// plays (a box would stop the replay until answered).
//
// While everything is quiet it keeps the last word on the marker and on the hand, so that the
// windows can show them where the model left them once it stands at its moment. It follows the
// last word of the model's whole run too, quiet or not, to be kept with a snapshot of the model.
class QuietPort final : public zun::UiPort {
    struct HandRequest {
        enum class At { Keys, Bell, NewCoilButton } at;
        int mech;
    };

public:
    enum class Quiet { Nothing, Boxes, Everything };
    // The last word on the marker (shown or hidden) and on the hand; none when nothing was said.
    struct Pointers {
        std::optional<bool> target_shown;
        std::optional<HandRequest> hand;
    };

    explicit QuietPort(zun::UiPort &port) : port_(port) {}

    void set_quiet(Quiet quiet) { quiet_ = quiet; }
    Quiet quiet() const { return quiet_; }
    // Hands on the marker's and the hand's last requests kept while quiet, then forgets them.
    void show_kept_pointers();
    // The last word of the model's run: since the start, or since the moment it was restored at.
    const Pointers &last_pointers() const { return last_; }
    // A model restored at a moment: its last word up to there is kept, as if said while quiet.
    void restore_pointers(const Pointers &pointers);

    void show_target() override;
    void hide_target() override;
    void show_keys_of(int mech) override;
    void show_bell_page_and_hand() override;
    void show_hand_at_new_coil_button() override;
    void open_document(const std::string &folder, const std::string &file) override;
    void message_box(const std::string &text) override;

private:
    bool silent() const { return quiet_ == Quiet::Everything; }
    void point_hand(HandRequest request);

    zun::UiPort &port_;
    Quiet quiet_ = Quiet::Nothing;
    Pointers kept_; // while quiet
    Pointers last_;
};
