#include "fonts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace {

// fonts-wine installs its faces outside fontconfig's paths. Its tahomabd.ttf carries the
// regular face's outlines under the name "Bold" (Wine emboldens it when drawing), so it is left
// out: without it the bold weight is drawn heavier from the regular face.
constexpr const char *tahoma_file = "/usr/share/wine/fonts/tahoma.ttf";
constexpr int default_point_size = 8;

} // namespace

QString install_application_font()
{
    const bool tahoma_found =
        QFontDatabase::addApplicationFont(QString::fromLatin1(tahoma_file)) >= 0;
    const QString family = tahoma_found ? QStringLiteral("Tahoma") : QStringLiteral("DejaVu Sans");
    QFont font(family, default_point_size);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
    return family;
}
