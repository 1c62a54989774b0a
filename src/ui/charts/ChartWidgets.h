#pragma once
// The widgets the chart and card windows share.

#include "services/Canvas.h"

#include <QString>

class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace tallyrock {

class QtCanvas;

// A caption panel: sunken, with its design-time text.
QLabel* captionPanel(const QString& name, QWidget* parent, const QString& text = {});
// A label of exactly the canvas's size showing its pixmap.
QLabel* chartPicture(const QString& name, const QtCanvas& canvas, QWidget* parent);
// A short thick line in a series colour, next to its legend text.
QFrame* legendMark(const QString& name, uint32_t rgb, QWidget* parent);

} // namespace tallyrock
