#include "key_frame.h"

#include "assets/console_art.h"
#include "assets/picture_cache.h"
#include "console/caption_label.h"
#include "sim/console_layout.h"
#include "sim/texts.h"

#include <QGuiApplication>
#include <QPainter>

namespace {

constexpr int flash_interval = 100; // ms
constexpr int picture_size = 40;
constexpr int caption_pixel_size = 9;
constexpr int inscription_pixel_size = 9;

int angle_of(KeyFrame::Position position)
{
    return (static_cast<int>(position) - KeyFrame::Upright) * 45;
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

KeyFrame::KeyFrame(Kind kind, zun::Door door, int control, ViewClock &clock, QWidget *parent)
    : ModelBoundFrame(door, control, parent, {Width, Height}), Label2(nullptr), Label3(nullptr),
      Timer1(clock, flash_interval, ViewTimer::Shots::Single,
             [this] { Label1->set_flashed(false); }),
      kind_(kind)
{
    const QPoint right_place = kind == Kind::Back    ? QPoint(93, 23)
                               : kind == Kind::Fixed ? QPoint(95, 24)
                                                     : QPoint(91, 25);
    Label2 = inscription(QString::fromUtf8(zun::texts::Key_Left), {3, 24}, this);
    Label3 = inscription(QString::fromUtf8(zun::texts::Key_Right), right_place, this);
    Label1->raise(); // above the inscriptions: it takes every mouse event of the frame
    QFont caption = Label1->font();
    caption.setPixelSize(caption_pixel_size);
    Label1->setFont(caption);
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setText(kind == Kind::Back    ? QStringLiteral("возвр")
                    : kind == Kind::Fixed ? QStringLiteral("фикс")
                                          : QStringLiteral("90"));
    Label1->on_press = [this](Qt::MouseButton button) { Label1MouseDown(button); };
    if (kind == Kind::Back)
        Label1->on_release = [this](Qt::MouseButton button) { release(button); };
    Label1->on_move = [this] { this->door().apply(zun::input::ControlMove{this->control()}); };
    apply_settings();
    painted_angle_ = state().Angle;
}

// The console's settings: tag, caption, hint, direction inscriptions.
void KeyFrame::apply_settings()
{
    const zun::console::Control &control = layout();
    move(control.left, control.top);
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

// A message box the press asked for takes the button's release; a spring-return key whose
// button went up while the box was open comes back upright all the same.
void KeyFrame::Label1MouseDown(Qt::MouseButton button)
{
    const std::uint64_t boxes = door().boxes_shown();
    press(button);
    const bool box_shown = door().boxes_shown() != boxes;
    if (kind_ == Kind::Back && box_shown && !(QGuiApplication::mouseButtons() & button))
        release(button);
}

bool KeyFrame::picture_visible(Position position) const
{
    const zun::ControlState &key = state();
    const bool flags[] = {key.b_Left_90, key.b_Left_45, key.b_Angle_0, key.b_Right_45,
                          key.b_Right_90};
    return flags[position];
}

void KeyFrame::sync()
{
    if (painted_angle_ != state().Angle) {
        painted_angle_ = state().Angle;
        update();
    }
}

void KeyFrame::flash_caption()
{
    Label1->set_flashed(true);
    Timer1.start();
}

void KeyFrame::paintEvent(QPaintEvent *)
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
        if (!picture_visible(static_cast<Position>(position)))
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
