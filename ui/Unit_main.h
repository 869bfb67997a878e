#pragma once

#include "sim/door.h"

#include <QWidget>

#include <vector>

class QLabel;
class QScrollArea;
class MainCommands;
class ConsolePage;
class TForm_Hand;
class KeyTip;
class TForm_Status_Mech_Array;
class TForm_Steps;
class TForm_Target;
class ViewClock;
class PanelView;
class PostsPanel;

// The main window: the scene of the line, the posts with their consoles and the commands, over
// the model. Closing it only hides it. Its children stand in a client area that opens scrolled
// 52 pixels to the right; their places are given in that scrolled view.
class TForm_Main_ZUN final : public QWidget {
    Q_OBJECT

public:
    static constexpr int opening_scroll = 52;

    // The windows this one shows or places.
    struct Windows {
        TForm_Steps &steps;
        TForm_Status_Mech_Array &status;
        TForm_Target &target;
        TForm_Hand &hand;
    };

    // Its animations (the keys' flashes, the meters, the key tip) run on `clock`.
    TForm_Main_ZUN(zun::Door door, Windows windows, ViewClock &clock, QWidget *parent = nullptr);

    const zun::LineModel &sim;
    PanelView *Panel_Image_Scene;
    PostsPanel *Panel_Posts;
    std::vector<PanelView *> close_ups; // the basement's and the two drums'
    MainCommands *commands;
    KeyTip *key_tip;

    // The client area the children stand in, and a place given in the scrolled view put on it.
    QWidget *client() const { return client_; }
    static QPoint on_client(int left, int top) { return {left + opening_scroll, top}; }

    // Brings every view up to the model; the program calls it after each advance of the clock
    // and after each input.
    void refresh_from_model();
    // Says under the step line what the trainee's last operation did wrong; empty says nothing.
    void show_mistake_notice(const QString &text);

    // Flashes every key of mechanism `mech`, whose pages the model has brought forward, and
    // points the hand at the last of them.
    void flash_keys_of(int mech);
    // Points the hand at the bell button, whose page the model has brought forward.
    void point_hand_at_bell();
    // Shows the hand with its fingertip on a console control, in the middle of its lower part,
    // wherever the control lies on the screen.
    void point_hand_at(const QWidget &control);
    // Shows the hand with its fingertip just below the middle of a control of this window.
    void point_hand_below(const QWidget &control);
    // Centres the target marker over the current mechanism's first picture where it lies on the
    // screen, unless that picture lies in the hidden store.
    void f_Place_Target();
    // Takes the width and the scroll the model holds (a state rebuilt by replaying inputs).
    void place_as_model();

    // The "ПАУЗА" band across the top while the instructor holds the line frozen.
    void set_paused(bool paused);
    bool paused() const;

signals:
    // Ctrl+I: the instructor asks for the instructor's window.
    void instructor_requested();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void size_client();
    void scrolled();
    void place_pause_band();

    zun::Door door_;
    Windows windows_;
    QScrollArea *scroll_area_;
    QWidget *client_;
    QLabel *pause_band_;
    bool opened_ = false; // shown once, with its opening scroll
};
