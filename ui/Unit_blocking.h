#pragma once

#include <QWidget>

// An empty window, created at start-up and never shown.
class TForm_Blocking final : public QWidget {
    Q_OBJECT

public:
    explicit TForm_Blocking(QWidget *parent = nullptr);
};
