#pragma once

#include <QWidget>

class QPushButton;
class TRotatedLabel;
class TShape;

// The start window: the program's main window in the platform's sense (closing it ends the
// program), borderless, with the buttons that open the trainer's other windows.
class TForm_Start final : public QWidget {
    Q_OBJECT

public:
    explicit TForm_Start(QWidget *parent = nullptr);

    TShape *Shape2;        // "главное окно"
    TRotatedLabel *Label1; // its text, pressed like the shape
    QPushButton *Button2;  // "X"

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Shape2MouseDown();
    void Shape2MouseUp();
};
