#pragma once

#include <QSize>
#include <QString>
#include <Qt>

class QLabel;
class QScrollArea;
class QWidget;

// Gives a top-level window its name and caption (the same text), its client size and its place
// at the screen's top-left corner, its frame included; `flags` adds to the window's type.
void setup_window(QWidget &window, const QString &name, QSize client_size,
                  Qt::WindowFlags flags = {});

// Fills the window with a scroll area over `content`, following the window's size, so that a
// window made smaller than its content scrolls it.
QScrollArea *fill_with_scroll_area(QWidget &window, QWidget *content);

// Sizes a one-line label to its text, with room for what rises above the font's ascent (the
// breve of Й, the dots of Ё) or hangs below its descent, rounded up so that the letters stay
// whole at any device pixel ratio. The text keeps its place: the room above grows upwards, so
// that labels side by side keep one baseline.
void fit_label_to_text(QLabel &label);
