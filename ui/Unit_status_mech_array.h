#pragma once

#include <QWidget>

// The status window: every mechanism's limit switches and latches.
class TForm_Status_Mech_Array final : public QWidget {
    Q_OBJECT

public:
    explicit TForm_Status_Mech_Array(QWidget *parent = nullptr);
};
