#include "ProgramInfoWindow.h"

#include "utilities/ScreenPlacement.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

ProgramInfoWindow::ProgramInfoWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("ProgramInfoWindow");
    setWindowTitle("Programming Information");
    auto* text = new QLabel("Tallyrock v2.3\n\n"
                            "Golf league scores and handicaps.\n\n"
                            "Written by the Greenquill programming team in C++ with Qt.\n"
                            "All data stays in plain text files in your working folder.",
                            this);
    text->setAlignment(Qt::AlignCenter);
    auto* close = new QPushButton("Close", this);
    close->setObjectName("closebutton");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto* column = new QVBoxLayout(this);
    column->addWidget(text);
    column->addWidget(close, 0, Qt::AlignCenter);
    adjustSize();
    centreBelowMiddle(*this, 90);
}

} // namespace tallyrock
