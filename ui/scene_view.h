#pragma once

#include "sim/door.h"

#include <QWidget>

// A view of one of the model's picture panels (the scene or a close-up): it paints the panel's
// pictures in their layer order, finds the topmost picture under the pointer, and hands the
// trainee's pointer to the model.
class PanelView final : public QWidget {
    Q_OBJECT

public:
    PanelView(zun::Door door, const zun::Panel &panel, QWidget *client);

    const zun::Panel &panel() const { return panel_; }

    // Brings the widget up to the model: its place and visibility, the area that changed.
    void sync();

    // The area painted since the view was made, in square pixels: what painting costs.
    long long painted_area() const { return painted_area_; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    const zun::Picture *picture_at(QPoint point) const;
    bool is_close_up() const;
    bool is_drag_handle(const zun::Picture *picture) const;
    void paint_picture(QPainter &painter, const zun::Picture &picture) const;
    void paint_surface(QPainter &painter) const;

    zun::Door door_;
    const zun::LineModel &sim_;
    const zun::Panel &panel_;
    std::uint64_t seen_placement_ = 0; // the panel's versions painted last
    std::uint64_t seen_damage_ = 0;
    const zun::Picture *pressed_ = nullptr; // the picture a press went to, until its release
    bool surface_pressed_ = false;
    long long painted_area_ = 0;
};
