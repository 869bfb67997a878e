#pragma once

#include <QWidget>

// The menu of the training videos.
class TVideoMenu final : public QWidget {
    Q_OBJECT

public:
    explicit TVideoMenu(QWidget *parent = nullptr);
};
