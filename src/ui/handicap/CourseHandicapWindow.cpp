#include "CourseHandicapWindow.h"

#include "handicap/CourseHandicapCalculator.h"
#include "services/NamedControls.h"
#include "services/QtText.h"
#include "utilities/ScreenPlacement.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tallyrock {

CourseHandicapWindow::CourseHandicapWindow(UiServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), m_services(services) {
    setObjectName("CHcpform");
    setWindowTitle("Course Handicaps");
    setAttribute(Qt::WA_DeleteOnClose);

    m_indexText = namedEdit("Text1", this);
    m_slopeText = namedEdit("Text2", this);
    m_handicapMessage = namedLabel("Hcpmessage", this);
    sinkPanel(m_handicapMessage);
    m_handicapMessage->setMinimumWidth(180);
    makeBold(m_handicapMessage);
    QPushButton* calcButton = namedButton("&Calculate", "Calcbutton", this);
    QPushButton* closebutton = namedButton("Cl&ose", "closebutton", this);
    QPushButton* infobutton = namedButton("&Help", "infobutton", this);
    for (QPushButton* b : {calcButton, closebutton, infobutton})
        b->setAutoDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Enter Handicap Index", this), 0, 0);
    grid->addWidget(m_indexText, 1, 0);
    grid->addWidget(new QLabel("Enter Slope Rating", this), 0, 1);
    grid->addWidget(m_slopeText, 1, 1);
    grid->addWidget(calcButton, 1, 2);
    grid->addWidget(new QLabel("Course Hcp.", this), 2, 0, Qt::AlignRight);
    grid->addWidget(m_handicapMessage, 2, 1, 1, 2);
    grid->addLayout(rowOf({infobutton, nullptr, closebutton}), 3, 0, 1, 3);

    connect(m_indexText, &QLineEdit::textChanged, m_handicapMessage, &QLabel::clear);
    connect(m_slopeText, &QLineEdit::textChanged, m_handicapMessage, &QLabel::clear);
    connect(calcButton, &QPushButton::clicked, this, &CourseHandicapWindow::calculate);
    connect(closebutton, &QPushButton::clicked, this, &QWidget::close);
    connect(infobutton, &QPushButton::clicked, this, &CourseHandicapWindow::helpRequested);
    m_indexText->installEventFilter(this);
    m_slopeText->installEventFilter(this);

    adjustSize();
    centreBelowMiddle(*this, 0);
    m_handicapMessage->clear();
    m_indexText->setFocus();
}

// Enter moves from the index to the slope, and calculates from the slope.
bool CourseHandicapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_indexText) m_slopeText->setFocus();
            if (watched == m_slopeText) calculate();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CourseHandicapWindow::calculate() {
    CalculatorResult result = calculateCourseHandicap(str(m_indexText->text()), str(m_slopeText->text()));
    if (result.beep) m_services.dialogs.beep();
    m_handicapMessage->setText(qs(result.text));
    if (result.beep) return;
    // Ready for the next index.
    m_indexText->setFocus();
    m_indexText->setSelection(0, 5);
}

void CourseHandicapWindow::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        emit closed();
    }
    event->accept();
}

} // namespace tallyrock
