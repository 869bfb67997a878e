#include "contact_sheet.h"

#include <QFont>
#include <QPainter>

namespace video {

namespace {

constexpr int columns = 3;
constexpr int label_height = 44;
const QSize thumb = frame_size / 2;

QString time_text(qint64 ms)
{
    const qint64 seconds = ms / 1000;
    return QStringLiteral("%1:%2.%3")
        .arg(seconds / 60)
        .arg(seconds % 60, 2, 10, QLatin1Char('0'))
        .arg(ms % 1000 / 100);
}

} // namespace

void ContactSheet::add(const Scene &scene)
{
    if (scene.overlay.caption != caption_) {
        caption_ = scene.overlay.caption;
        due_ms_.reset();
        if (!caption_.isEmpty())
            due_ms_ = scene.time_ms + delay_ms;
    }
    if (!due_ms_ || scene.time_ms < *due_ms_)
        return;
    due_ms_.reset();
    kept_.push_back({scene.time_ms, caption_,
                     compose_frame(scene).scaled(thumb, Qt::IgnoreAspectRatio,
                                                 Qt::SmoothTransformation)});
}

QImage ContactSheet::image() const
{
    const int rows = (frames() + columns - 1) / columns;
    const QSize cell(thumb.width(), thumb.height() + label_height);
    QImage sheet(cell.width() * columns, std::max(1, rows) * cell.height(), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int i = 0; i < frames(); ++i) {
        const Kept &kept = kept_[static_cast<std::size_t>(i)];
        const QPoint corner(i % columns * cell.width(), i / columns * cell.height());
        painter.drawImage(corner, kept.frame);
        const QRect label(corner + QPoint(6, thumb.height() + 2),
                          QSize(cell.width() - 12, label_height - 4));
        painter.drawText(label, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         time_text(kept.time_ms) + QStringLiteral("  ") + kept.caption);
    }
    return sheet;
}

} // namespace video
