#include "wrapped_button.h"

#include <QLabel>
#include <QVBoxLayout>

WrappedButton::WrappedButton(QWidget *parent) : QPushButton(parent), caption_(new QLabel(this))
{
    caption_->setWordWrap(true);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(caption_);
}

QString WrappedButton::caption() const
{
    return caption_->text();
}

void WrappedButton::set_caption(const QString &caption)
{
    if (caption_->text() != caption) {
        caption_->setText(caption);
        setAccessibleName(caption);
    }
}
