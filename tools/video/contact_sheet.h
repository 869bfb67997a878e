#pragma once

#include "tools/video/frame_composer.h"

#include <QImage>
#include <QString>

#include <optional>
#include <vector>

// A contact sheet of a video: a frame a second after each change of the caption, half size,
// with its time and caption, so that one look shows whether every caption fits its frame.
namespace video {

class ContactSheet {
public:
    static constexpr qint64 delay_ms = 1000;

    // Looks at every frame; draws only the ones the sheet keeps.
    void add(const Scene &scene);
    int frames() const { return static_cast<int>(kept_.size()); }
    QImage image() const;

private:
    struct Kept {
        qint64 time_ms;
        QString caption;
        QImage frame;
    };
    std::vector<Kept> kept_;
    QString caption_;
    std::optional<qint64> due_ms_;
};

} // namespace video
