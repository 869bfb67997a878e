#pragma once

#include <QTimer>
#include <QWidget>

namespace zun {
class LineModel;
}

class QLabel;
class QPushButton;
class DrawnPicture;
class RotatedLabel;
class ShapeWidget;
class TVideoMenu;

namespace zun {
class UiPort;
}

// The start window: the program's main window in the platform's sense (closing it ends the
// program), borderless and shaped like its picture and buttons, white being invisible and
// letting the pointer through. From it the trainee opens the trainer (with a wipe), the videos
// and the help, or drags it about.
class TForm_Start final : public QWidget {
    Q_OBJECT

public:
    static constexpr int disc_width = 537;

    // The windows the start screen brings up: the main window at the wipe's end, the videos; and
    // the model, whose examination keeps the videos and the help closed.
    struct Windows {
        QWidget &main;
        TVideoMenu &video_menu;
        const zun::LineModel &model;
    };

    TForm_Start(zun::UiPort &ui_port, Windows windows);

    DrawnPicture *Image1;
    ShapeWidget *Shape3;
    ShapeWidget *Shape2;  // "главное окно"
    RotatedLabel *Label1; // its text, pressed like the shape
    ShapeWidget *Shape4;
    ShapeWidget *Shape5; // "видео ролики"
    RotatedLabel *Label2;
    ShapeWidget *Shape6; // "справка"
    RotatedLabel *Label3;
    QLabel *Label5;       // the title
    ShapeWidget *Shape1;  // the wipe's white disc
    QPushButton *Button2; // "X"
    QTimer Timer1;        // the wipe's steps

    int Down_X = 0;
    int Down_Y = 0;
    int Move_X = 0;
    int Move_Y = 0;
    bool b_Drag = false;

    void Timer1Timer();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Image1MouseDown(QPoint inside, QPoint global);
    void Image1MouseMove(QPoint inside, QPoint global);
    void Shape2MouseDown();
    void Shape2MouseUp();
    void Shape5MouseDown();
    void Shape5MouseUp();
    void Label3MouseDown();
    void key_out_white();
    // During an examination the trainee has neither the help nor the videos: a box says so.
    bool refused_in_exam(const char *message);

    zun::UiPort &ui_;
    Windows windows_;
    QPoint drag_window_;  // the window's place when the drag began
    QPoint drag_pointer_; // the pointer's place on the screen when the drag began
};
