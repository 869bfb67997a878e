#include "Unit_start.h"

#include "app/start_controls.h"
#include "assets/start_art.h"
#include "sim/line_model.h"
#include "sim/texts.h"
#include "sim/ui_port.h"
#include "ui/Unit_videomenu.h"
#include "ui/window_setup.h"

#include <QBitmap>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

const QColor silver(192, 192, 192);
constexpr int pressed_pen_width = 5;
constexpr int wipe_interval = 10; // ms: a timer set to 1 ms, ticking at the shortest period
constexpr int wipe_step = 20;
const QRect picture_place(0, 8, 671, 315);

template <typename Control> Control *placed(Control *control, QRect place)
{
    control->setGeometry(place);
    return control;
}

RotatedLabel *rotated(const char *text, int pixels, double degrees, QRect place, QWidget *form)
{
    return placed(new RotatedLabel(QString::fromUtf8(text), pixels, degrees, form), place);
}

// A press on the oval or on its text is a press on the button.
void press_together(PressableControl *shape, PressableControl *text, std::function<void()> down,
                    std::function<void()> up)
{
    for (PressableControl *control : {shape, text}) {
        control->on_press = [down](QMouseEvent &) { down(); };
        if (up)
            control->on_release = [up](QMouseEvent &) { up(); };
    }
}

} // namespace

TForm_Start::TForm_Start(zun::UiPort &ui_port, Windows windows)
    : QWidget(nullptr), ui_(ui_port), windows_(windows)
{
    setup_window(*this, QStringLiteral("Form_Start"), {679, 358}, Qt::FramelessWindowHint);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    // In creation order, which is also the drawing order.
    Image1 = placed(new DrawnPicture(art::draw_start_picture, this), picture_place);
    Shape3 = placed(new ShapeWidget(ShapeWidget::Outline::Ellipse, Qt::white, Qt::white, this),
                    {377, 264, 129, 106});
    Shape2 = placed(new ShapeWidget(ShapeWidget::Outline::Ellipse, silver, Qt::black, this),
                    {385, 271, 113, 77});
    Label1 = rotated(zun::texts::main_window_button, 20, 4.5, {367, 313, 122, 26}, this);
    Shape4 = placed(new ShapeWidget(ShapeWidget::Outline::Ellipse, Qt::white, Qt::white, this),
                    {512, 264, 129, 106});
    Shape5 = placed(new ShapeWidget(ShapeWidget::Outline::Ellipse, silver, Qt::black, this),
                    {520, 271, 113, 77});
    Label2 = rotated("видео ролики", 19, 5, {512, 313, 120, 25}, this);
    Shape6 = placed(new ShapeWidget(ShapeWidget::Outline::RoundRect, silver, Qt::black, this),
                    {25, 31, 113, 52});
    Label3 = rotated("справка", 20, 4.5, {39, 45, 122, 26}, this);
    Label5 = placed(new QLabel(QStringLiteral("симулятор агрегата продольной резки №5 ЦХВ ПЛМ ОАО "
                                              "\"Ферова\""),
                               this),
                    {159, 176, 367, 13});
    QFont title = Label5->font();
    title.setPixelSize(11);
    Label5->setFont(title);
    Label5->setStyleSheet(QStringLiteral("color: rgb(0, 128, 128);"));
    Label5->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape1 = placed(new ShapeWidget(ShapeWidget::Outline::Circle, Qt::white, Qt::white, this),
                    {-7, -200, disc_width, 578});
    Button2 = placed(new QPushButton(QStringLiteral("X"), this), {610, 24, 31, 25});
    QFont bold = Button2->font();
    bold.setBold(true);
    bold.setPixelSize(27);
    Button2->setFont(bold);
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);

    Image1->on_press = [this](QMouseEvent &event) {
        Image1MouseDown(event.position().toPoint(), event.globalPosition().toPoint());
    };
    Image1->on_move = [this](QMouseEvent &event) {
        Image1MouseMove(event.position().toPoint(), event.globalPosition().toPoint());
    };
    Image1->on_release = [this](QMouseEvent &) { b_Drag = false; };
    press_together(
        Shape2, Label1, [this] { Shape2MouseDown(); }, [this] { Shape2MouseUp(); });
    press_together(
        Shape5, Label2, [this] { Shape5MouseDown(); }, [this] { Shape5MouseUp(); });
    press_together(
        Shape6, Label3, [this] { Label3MouseDown(); }, nullptr);

    Timer1.setInterval(wipe_interval);
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &TForm_Start::Timer1Timer);

    // The disc waits just left of the picture.
    Shape1->move(picture_place.left() - disc_width, Shape1->y());
    key_out_white();
}

void TForm_Start::closeEvent(QCloseEvent *event)
{
    event->accept();
    QCoreApplication::quit();
}

// The window follows the pointer, so the grabbed point of the picture stays under it; places
// are taken on the screen, since moving a window takes effect later.
void TForm_Start::Image1MouseDown(QPoint inside, QPoint global)
{
    Down_X = inside.x();
    Down_Y = inside.y();
    drag_window_ = pos();
    drag_pointer_ = global;
    b_Drag = true;
}

void TForm_Start::Image1MouseMove(QPoint inside, QPoint global)
{
    if (!b_Drag)
        return;
    Move_X = inside.x();
    Move_Y = inside.y();
    move(drag_window_ + (global - drag_pointer_));
}

void TForm_Start::Shape2MouseDown()
{
    Shape2->set_pen_width(pressed_pen_width);
    key_out_white();
}

void TForm_Start::Shape2MouseUp()
{
    Shape2->set_pen_width(1);
    if (!Timer1.isActive())
        Timer1.start();
    key_out_white();
}

void TForm_Start::Shape5MouseDown()
{
    Shape5->set_pen_width(pressed_pen_width);
    key_out_white();
}

void TForm_Start::Shape5MouseUp()
{
    Shape5->set_pen_width(1);
    key_out_white();
    if (refused_in_exam("Во время экзамена видеоролики недоступны."))
        return;
    QWidget &videos = windows_.video_menu;
    videos.show();
    videos.raise();
}

void TForm_Start::Label3MouseDown()
{
    if (!refused_in_exam("Во время экзамена справка недоступна."))
        ui_.open_document("help", "help_zun5.chm");
}

bool TForm_Start::refused_in_exam(const char *message)
{
    if (!windows_.model.lesson_is_exam())
        return false;
    ui_.message_box(message);
    return true;
}

// One step of the wipe: the white disc cuts a hole moving across the window; once past the
// picture it goes back to wait, and the main window comes up.
void TForm_Start::Timer1Timer()
{
    Shape1->move(Shape1->x() + wipe_step, Shape1->y());
    if (picture_place.left() + picture_place.width() < Shape1->x()) {
        windows_.main.show();
        windows_.main.raise();
        windows_.main.activateWindow();
        Timer1.stop();
        Shape1->move(picture_place.left() - disc_width, Shape1->y());
    }
    key_out_white();
}

// The window keeps only what is not white, cut in device-independent pixels. Drawn off the
// screen, so it holds while other windows cover this one; the mask in force must not clip the
// drawing, or the shape would only shrink and shift with each cut.
void TForm_Start::key_out_white()
{
    QImage content(size(), QImage::Format_RGB32);
    content.fill(Qt::white);
    render(&content, QPoint(), QRegion(rect()), QWidget::DrawChildren | QWidget::IgnoreMask);
    setMask(QBitmap::fromImage(content.createMaskFromColor(qRgb(255, 255, 255), Qt::MaskInColor)));
    // A control moved before the cut asked for a repaint only inside the old shape: what it
    // uncovered there (the disc's trail) would keep its old paint.
    update();
}
