#pragma once

#include <QWidget>

#include <optional>
#include <vector>

// A trainee's scores, session after session, as a small line plot from 0 to 100; sessions that
// were not scored (demonstrations) leave no point.
class ScorePlot : public QWidget {
public:
    explicit ScorePlot(QWidget *parent = nullptr);

    void set_scores(std::vector<std::optional<int>> scores);
    const std::vector<std::optional<int>> &scores() const { return scores_; }

    QSize sizeHint() const override { return {320, 120}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<std::optional<int>> scores_;
};
