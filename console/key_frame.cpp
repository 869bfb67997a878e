#include "key_frame.h"

#include "assets/console_art.h"
#include "assets/picture_cache.h"
#include "console/caption_label.h"
#include "sim/Unit_simulator.h"
#include "sim/console_layout.h"
#include "sim/texts.h"

#include <QPainter>

namespace {

constexpr zun::Millis flash_interval = 100;
constexpr int picture_size = 40;
constexpr int caption_pixel_size = 9;
constexpr int inscription_pixel_size = 9;

int angle_of(TKeyFrame::Position position)
{
    return (static_cast<int>(position) - TKeyFrame::Upright) * 45;
}

QLabel *inscription(const QString &text, QPoint place, QWidget *frame)
{
    auto *label = new QLabel(text, frame);
    QFont small = label->font();
    small.setPixelSize(inscription_pixel_size);
    label->setFont(small);
    label->move(place);
    label->adjustSize();
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

TKeyFrame::TKeyFrame(Kind kind, zun::TSimulator &sim, QWidget *parent)
    : QWidget(parent), Label1(nullptr), Label2(nullptr), Label3(nullptr),
      Timer1(sim.scheduler, flash_interval, [this] { Timer1Timer(); }), kind_(kind), sim_(sim)
{
    resize(Width, Height);
    const QPoint right_place = kind == Kind::Back    ? QPoint(93, 23)
                               : kind == Kind::Fixed ? QPoint(95, 24)
                                                     : QPoint(91, 25);
    Label2 = inscription(QString::fromUtf8(zun::texts::Key_Left), {3, 24}, this);
    Label3 = inscription(QString::fromUtf8(zun::texts::Key_Right), right_place, this);
    Label1 = new CaptionLabel(this);
    QFont caption = Label1->font();
    caption.setPixelSize(caption_pixel_size);
    Label1->setFont(caption);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setText(kind == Kind::Back    ? QStringLiteral("возвр")
                    : kind == Kind::Fixed ? QStringLiteral("фикс")
                                          : QStringLiteral("90"));
    Label1->on_press = [this](Qt::MouseButton button) {
        Label1MouseDown(button);
        if (after_mouse_down)
            after_mouse_down();
    };
    if (kind == Kind::Back)
        Label1->on_release = [this](Qt::MouseButton) { Label1MouseUp(); };
    Label1->on_move = [this] {
        Label1MouseMove();
        if (after_mouse_move)
            after_mouse_move();
    };
    f_Show_Angle();
}

void TKeyFrame::apply(const zun::console::Control &control)
{
    Label1->tag = control.tag;
    Label1->show_caption(control);
    if (control.left_inscription) {
        Label2->setText(QString::fromUtf8(control.left_inscription));
        Label2->adjustSize();
    }
    if (control.right_inscription) {
        Label3->setText(QString::fromUtf8(control.right_inscription));
        Label3->adjustSize();
    }
}

void TKeyFrame::Label1MouseDown(Qt::MouseButton button)
{
    if (button == Qt::LeftButton && Angle > -max_angle())
        Angle -= 45;
    else if (button == Qt::RightButton && Angle < max_angle())
        Angle += 45;
    f_Show_Angle();
    f_Send_Command();
}

void TKeyFrame::Label1MouseUp()
{
    Angle = 0;
    f_Show_Angle();
    f_Send_Command();
}

void TKeyFrame::Label1MouseMove()
{
    sim_.f_Set_Cur_Mech(Label1->tag);
    sim_.ui.show_target();
}

void TKeyFrame::Timer1Timer()
{
    Label1->set_flashed(false);
    Timer1.set_enabled(false);
}

void TKeyFrame::f_Highlight()
{
    Label1->set_flashed(true);
    Timer1.set_enabled(true);
}

void TKeyFrame::f_Show_Angle()
{
    b_Left_90 = Angle == -90;
    b_Left_45 = Angle == -45;
    b_Angle_0 = Angle == 0;
    b_Right_45 = Angle == 45;
    b_Right_90 = Angle == 90;
    pictures_visible_ = {b_Left_90, b_Left_45, b_Angle_0, b_Right_45, b_Right_90};
    update();
}

// Left is forward, right is reverse, upright is stop; a spring-return key stops before it starts
// again. A key bound to no mechanism commands mechanism 0 and then says it is not used.
void TKeyFrame::f_Send_Command()
{
    const int number = Label1->tag;
    if (number < 0 || number >= zun::TSimulator::Mech_Count)
        return;
    zun::TMech &mech = *sim_.Mech_Array[number];
    if (b_Left_45 || b_Right_45 || b_Angle_0) {
        if (kind_ == Kind::Back || b_Angle_0)
            mech.f_Stop();
        if (b_Left_45)
            mech.f_Start_FWD_Pulse();
        else if (b_Right_45)
            mech.f_Start_RWS_Pulse();
    }
    if (number == 0)
        sim_.ui.message_box(zun::texts::Not_Used);
}

void TKeyFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), art::console_panel);
    painter.setPen(QColor(120, 120, 120));
    painter.setBrush(art::header_strip);
    painter.drawRect(0, 0, Width - 1, 22);
    const QRect plate = kind_ == Kind::Back ? QRect(31, 25, 60, 59) : QRect(29, 25, 59, 59);
    painter.setBrush(art::key_plate);
    painter.drawRect(plate);
    // Each position's picture turns the handle about the middle of the plate.
    for (int position = Left_90; position <= Right_90; ++position) {
        if (!pictures_visible_[position])
            continue;
        const int degrees = angle_of(static_cast<Position>(position));
        const QPixmap handle =
            art::cached(QStringLiteral("key_handle_%1").arg(degrees), {picture_size, picture_size},
                        devicePixelRatioF(), [degrees](QPainter &picture, QSizeF size) {
                            art::draw_key_handle(picture, size, degrees);
                        });
        painter.drawPixmap(
            plate.center() - QPoint(picture_size / 2, picture_size / 2) + QPoint(1, 1), handle);
    }
}
