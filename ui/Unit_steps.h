#pragma once

#include <QWidget>

// The steps window: the scenario's steps, the working modes and the explanations.
class TForm_Steps final : public QWidget {
    Q_OBJECT

public:
    explicit TForm_Steps(QWidget *parent = nullptr);
};
