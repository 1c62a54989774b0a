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

    m_Text1 = namedEdit("Text1", this);
    m_Text2 = namedEdit("Text2", this);
    m_Hcpmessage = namedLabel("Hcpmessage", this);
    sinkPanel(m_Hcpmessage);
    m_Hcpmessage->setMinimumWidth(180);
    makeBold(m_Hcpmessage);
    QPushButton* Calcbutton = namedButton("&Calculate", "Calcbutton", this);
    QPushButton* closebutton = namedButton("Cl&ose", "closebutton", this);
    QPushButton* infobutton = namedButton("&Help", "infobutton", this);
    for (QPushButton* b : {Calcbutton, closebutton, infobutton})
        b->setAutoDefault(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Enter Handicap Index", this), 0, 0);
    grid->addWidget(m_Text1, 1, 0);
    grid->addWidget(new QLabel("Enter Slope Rating", this), 0, 1);
    grid->addWidget(m_Text2, 1, 1);
    grid->addWidget(Calcbutton, 1, 2);
    grid->addWidget(new QLabel("Course Hcp.", this), 2, 0, Qt::AlignRight);
    grid->addWidget(m_Hcpmessage, 2, 1, 1, 2);
    grid->addLayout(rowOf({infobutton, nullptr, closebutton}), 3, 0, 1, 3);

    connect(m_Text1, &QLineEdit::textChanged, m_Hcpmessage, &QLabel::clear);
    connect(m_Text2, &QLineEdit::textChanged, m_Hcpmessage, &QLabel::clear);
    connect(Calcbutton, &QPushButton::clicked, this, &CourseHandicapWindow::Calcbutton_Click);
    connect(closebutton, &QPushButton::clicked, this, &QWidget::close);
    connect(infobutton, &QPushButton::clicked, this, &CourseHandicapWindow::helpRequested);
    m_Text1->installEventFilter(this);
    m_Text2->installEventFilter(this);

    adjustSize();
    centreBelowMiddle(*this, 0);
    m_Hcpmessage->clear();
    m_Text1->setFocus();
}

// Enter moves from the index to the slope, and calculates from the slope.
bool CourseHandicapWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_Text1) m_Text2->setFocus();
            if (watched == m_Text2) Calcbutton_Click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CourseHandicapWindow::Calcbutton_Click() {
    CalculatorResult result = calculateCourseHandicap(str(m_Text1->text()), str(m_Text2->text()));
    if (result.beep) m_services.dialogs.beep();
    m_Hcpmessage->setText(qs(result.text));
    if (result.beep) return;
    // Ready for the next index.
    m_Text1->setFocus();
    m_Text1->setSelection(0, 5);
}

void CourseHandicapWindow::closeEvent(QCloseEvent* event) {
    if (!m_closed) {
        m_closed = true;
        emit closed();
    }
    event->accept();
}

} // namespace tallyrock
