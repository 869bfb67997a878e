#include "score_plot.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int margin = 24;
constexpr int best_score = 100;

} // namespace

ScorePlot::ScorePlot(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(200, 90);
}

void ScorePlot::set_scores(std::vector<std::optional<int>> scores)
{
    scores_ = std::move(scores);
    update();
}

void ScorePlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), Qt::white);
    const QRectF area = QRectF(rect()).adjusted(margin, margin / 2.0, -margin / 2.0, -margin / 2.0);
    painter.setPen(QColor(200, 200, 200));
    for (const int level : {0, 50, 100}) {
        const qreal y = area.bottom() - area.height() * level / best_score;
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.drawText(QRectF(0, y - 8, margin - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(level));
    }
    if (scores_.empty())
        return;
    const qreal step = scores_.size() > 1 ? area.width() / qreal(scores_.size() - 1) : 0;
    QPainterPath line;
    std::vector<QPointF> points;
    for (std::size_t i = 0; i < scores_.size(); ++i) {
        if (!scores_[i])
            continue;
        const QPointF point(area.left() + step * qreal(i),
                            area.bottom() - area.height() * *scores_[i] / best_score);
        if (points.empty())
            line.moveTo(point);
        else
            line.lineTo(point);
        points.push_back(point);
    }
    painter.setPen(QPen(QColor(0, 90, 170), 2));
    painter.drawPath(line);
    painter.setBrush(QColor(0, 90, 170));
    for (const QPointF &point : points)
        painter.drawEllipse(point, 3, 3);
}
