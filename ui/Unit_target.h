#pragma once

#include <QWidget>

// The target marker laid over the current mechanism's picture.
class TForm_Target final : public QWidget {
    Q_OBJECT

public:
    explicit TForm_Target(QWidget *parent = nullptr);
};
