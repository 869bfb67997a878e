#pragma once

#include "app/qt_ui_port.h"

#include <QPointer>
#include <QString>

#include <vector>

class QMessageBox;

// The model's way to the windows while a video is made: as in the program, except that a
// message box does not wait for a click (nobody would give it) but stays a while on the screen,
// and that no document is opened. The boxes belong to the main window.
class VideoUiPort final : public zun::UiPort {
public:
    void attach(const Forms &forms)
    {
        forms_ = &forms;
        windows_.attach(forms);
    }
    void detach()
    {
        close_message_boxes();
        forms_ = nullptr;
        windows_.detach();
    }

    void show_target() override { windows_.show_target(); }
    void hide_target() override { windows_.hide_target(); }
    void show_keys_of(int mech) override { windows_.show_keys_of(mech); }
    void show_bell_page_and_hand() override { windows_.show_bell_page_and_hand(); }
    void show_hand_at_new_coil_button() override { windows_.show_hand_at_new_coil_button(); }
    void open_document(const std::string &, const std::string &) override {}
    void message_box(const std::string &text) override;

    // Closes the boxes shown so far.
    void close_message_boxes();
    bool message_box_shown() const;

private:
    const Forms *forms_ = nullptr;
    QtUiPort windows_;
    std::vector<QPointer<QMessageBox>> boxes_;
};
