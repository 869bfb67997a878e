#include "scene_view.h"

#include "assets/picture_cache.h"
#include "assets/scene_art.h"
#include "sim/line_model.h"
#include "ui/Unit_main.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

QRect rect_of(const zun::Rect &place)
{
    return {place.left, place.top, place.width, place.height};
}

QString name_of(const zun::Picture &picture)
{
    return QString::fromStdString(picture.name());
}

const QColor panel_grey(212, 208, 200);
const QColor basement_green(200, 230, 200);
constexpr int basement_border = 5;

} // namespace

PanelView::PanelView(zun::Door door, const zun::Panel &panel, QWidget *client)
    : QWidget(client), door_(door), sim_(door.model()), panel_(panel)
{
    setObjectName(QString::fromStdString(panel.name()));
    setMouseTracking(true);
    setGeometry(QRect(TForm_Main_ZUN::on_client(panel.left(), panel.top()),
                      QSize(panel.width(), panel.height())));
    setVisible(panel.visible());
    seen_placement_ = panel_.placement_version();
    seen_damage_ = panel_.damage_version();
}

void PanelView::sync()
{
    if (seen_placement_ != panel_.placement_version()) {
        seen_placement_ = panel_.placement_version();
        move(TForm_Main_ZUN::on_client(panel_.left(), panel_.top()));
        setVisible(panel_.visible());
    }
    if (seen_damage_ != panel_.damage_version()) {
        const zun::Rect damage = panel_.damage_since(seen_damage_);
        seen_damage_ = panel_.damage_version();
        if (!damage.empty())
            update(rect_of(damage));
    }
}

const zun::Picture *PanelView::picture_at(QPoint point) const
{
    return panel_.picture_at(point.x(), point.y());
}

bool PanelView::is_close_up() const
{
    return &panel_ != sim_.Panel_Image_Scene;
}

bool PanelView::is_drag_handle(const zun::Picture *picture) const
{
    return picture && picture->name() == "Label10";
}

bool PanelView::event(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const zun::Picture *under = picture_at(help->pos());
    if (under && !under->hint().empty())
        QToolTip::showText(help->globalPos(), QString::fromStdString(under->hint()), this);
    else
        QToolTip::hideText();
    return true;
}

void PanelView::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    pressed_ = picture_at(at);
    surface_pressed_ = !pressed_;
    if (is_drag_handle(pressed_))
        door_.apply(zun::input::SceneDragPress{at.x() - pressed_->left()});
    else if (surface_pressed_ && is_close_up())
        door_.apply(zun::input::CloseUpPress{panel_.name(), at.x()});
    else if (pressed_ && pressed_->name() == "Image_Fon2")
        door_.apply(zun::input::ForegroundPress{at.x() - pressed_->left()});
}

void PanelView::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (event->buttons() != Qt::NoButton) {
        if (is_drag_handle(pressed_))
            door_.apply(zun::input::SceneDragMove{at.x() - pressed_->left()});
        else if (surface_pressed_ && is_close_up())
            door_.apply(zun::input::CloseUpDrag{panel_.name(), at.x()});
        return;
    }
    const zun::Picture *under = picture_at(at);
    setCursor(under && under->appearance().hand_cursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
    if (under)
        door_.apply(zun::input::PictureHover{under->name()});
}

// A click is a press and a release over the same picture, or over the bare surface.
void PanelView::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const zun::Picture *pressed = std::exchange(pressed_, nullptr);
    const bool surface = std::exchange(surface_pressed_, false);
    if (is_drag_handle(pressed) || (surface && is_close_up()))
        door_.apply(zun::input::DragRelease{});
    const zun::Picture *under = picture_at(at);
    if (pressed && under == pressed)
        door_.apply(zun::input::PictureClick{pressed->name()});
    else if (surface && !under && is_close_up() && rect().contains(at))
        door_.apply(zun::input::CloseUpClick{panel_.name()});
}

void PanelView::paintEvent(QPaintEvent *event)
{
    for (const QRect &area : event->region())
        painted_area_ += static_cast<long long>(area.width()) * area.height();
    QPainter painter(this);
    painter.setClipRegion(event->region());
    paint_surface(painter);
    const QRect dirty = event->rect();
    for (const zun::Picture *picture : panel_.pictures())
        if (picture->visible() && dirty.intersects(rect_of(picture->rect())))
            paint_picture(painter, *picture);
}

void PanelView::paint_surface(QPainter &painter) const
{
    const bool basement = &panel_ == sim_.Panel_Kromkomotalka;
    painter.fillRect(rect(), basement ? basement_green : panel_grey);
    if (basement) {
        painter.setPen(QPen(QColor(120, 150, 120), basement_border));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    } else if (&panel_ == sim_.Panel_5_mech) { // its caption, under its pictures
        painter.setPen(QColor(60, 60, 60));
        painter.drawText(rect(), Qt::AlignCenter, QStringLiteral("Panel_5_mech"));
    }
}

void PanelView::paint_picture(QPainter &painter, const zun::Picture &picture) const
{
    const QRect place = rect_of(picture.rect());
    const QString caption = QString::fromStdString(picture.caption());
    switch (picture.appearance().kind) {
    case zun::ComponentKind::Picture: {
        const QString name = name_of(picture);
        const QPixmap drawn =
            art::cached(name, place.size(), devicePixelRatioF(), [&name](QPainter &p, QSizeF size) {
                if (!art::draw_scene_picture(p, name, size))
                    art::draw_stand_in(p, name, size);
            });
        painter.drawPixmap(place.topLeft(), drawn);
        break;
    }
    case zun::ComponentKind::Label: {
        QFont font = painter.font();
        if (picture.name() == "Label10") { // the drag handle: opaque, big red letters
            painter.fillRect(place, panel_grey);
            // A font 20 pixels high, leading included, is some 16.6 pixels to the em: at 16,
            // "ВЛЕВО-ВПРАВО" keeps to one line and the three lines fit the handle whole.
            font.setPixelSize(16);
            painter.setPen(QColor(255, 0, 0));
        } else {
            font.setPixelSize(11);
            font.setBold(is_close_up());
            painter.setPen(Qt::black);
        }
        painter.setFont(font);
        painter.drawText(place, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, caption);
        break;
    }
    case zun::ComponentKind::Shape:
        painter.fillRect(place, Qt::yellow);
        painter.setPen(Qt::black);
        painter.drawRect(place.adjusted(0, 0, -1, -1));
        break;
    case zun::ComponentKind::Button: {
        painter.setPen(QColor(90, 90, 90));
        painter.setBrush(panel_grey);
        painter.drawRect(place.adjusted(0, 0, -1, -1));
        QFont bold = painter.font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(Qt::black);
        painter.drawText(place, Qt::AlignCenter, caption);
        break;
    }
    }
}
