#pragma once

#include <QImage>
#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

class QWidget;

// One frame of a training video: the program's visible windows at their places on the screen,
// the mouse pointer over them, and a caption below.
namespace video {

inline constexpr QSize frame_size{1280, 800};
// The caption's band below the main window, which is 760 pixels high.
inline constexpr int caption_top = 762;

enum class Held { None, Left, Right };

struct Overlay {
    QPointF pointer;
    Held held = Held::None;
    QString caption;
};

// What one frame shows before it is drawn: the windows from the bottom up and the overlay.
struct Scene {
    qint64 time_ms = 0; // the demonstration's virtual time
    std::vector<QWidget *> windows;
    Overlay overlay;
};

// `windows` from the bottom up; hidden ones are left out. A shaped window shows only its mask.
QImage compose_frame(const std::vector<QWidget *> &windows, const Overlay &overlay);
QImage compose_frame(const Scene &scene);

} // namespace video
