#pragma once

#include "sim/Unit_simulator.h"

#include <QWidget>

#include <vector>

class QScrollArea;
class TMainCommands;
class TConsolePage;
class TPanelView;
class TPanel_Posts;

// The main window: the scene of the line, the posts with their consoles and the commands, over
// the model it holds. Closing it only hides it. Its children stand in a client area that opens
// scrolled 52 pixels to the right; their places are given in that scrolled view.
class TForm_Main_ZUN final : public QWidget {
    Q_OBJECT

public:
    static constexpr int Opening_Scroll = 52;

    explicit TForm_Main_ZUN(zun::UiPort &ui_port, QWidget *parent = nullptr);
    ~TForm_Main_ZUN() override;

    zun::TSimulator sim;
    TPanelView *Panel_Image_Scene;
    TPanel_Posts *Panel_Posts;
    std::vector<TPanelView *> close_ups; // the basement's and the two drums'
    TMainCommands *commands;

    // The client area the children stand in, and a place given in the scrolled view put on it.
    QWidget *client() const { return client_; }
    static QPoint on_client(int left, int top) { return {left + Opening_Scroll, top}; }

    // Brings every view up to the model; the clock calls it after each advance, the views after
    // each input they hand to the model.
    void refresh_from_model();

    // Flashes every key of the current mechanism, brings its pages forward and points the hand
    // at the last of them.
    void f_Show_Key_Of_Cur_Mech();
    // Brings the bell button's page forward and points the hand at the button.
    void f_Show_Bell_Page_And_Hand();
    // Shows the hand with its fingertip on a console control, in the middle of its lower part,
    // wherever the control lies on the screen.
    void f_Point_Hand_At(const QWidget &control);
    // Centres the target marker over the current mechanism's first picture where it lies on the
    // screen, unless that picture lies in the hidden store.
    void f_Place_Target();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormShow();
    void TabSheet_Post1_Pult_1Show(TConsolePage &page);
    void bare_page_moved(TConsolePage &page);
    void size_client();

    QScrollArea *scroll_area_;
    QWidget *client_;
    bool opened_ = false; // shown once, with its opening scroll
};
