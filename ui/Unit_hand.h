#pragma once

#include <QWidget>

// The hand that points at a console control.
class TForm_Hand final : public QWidget {
    Q_OBJECT

public:
    explicit TForm_Hand(QWidget *parent = nullptr);
};
