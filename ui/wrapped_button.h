#pragma once

#include <QPushButton>

class QLabel;

// A push button whose caption wraps onto several lines.
class WrappedButton final : public QPushButton {
    Q_OBJECT

public:
    explicit WrappedButton(QWidget *parent);

    QString caption() const;
    void set_caption(const QString &caption);

private:
    QLabel *caption_;
};
