#include "PlayingConditionsWindow.h"

#include "handicap/RoundImport.h"
#include "roster/CourseOps.h"
#include "roster/WhsCourseOps.h"
#include "services/QtText.h"
#include "store/CourseFile.h"
#include "utilities/ScreenPlacement.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tallyrock {

PlayingConditionsWindow::PlayingConditionsWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "pccform", "Playing Conditions") {
    if (Failure failure = LoadCourseFile(m_store)) m_services.dialogs.messageBox(*failure);

    m_courseCombo = new QComboBox(this);
    m_courseCombo->setObjectName("coursecombo");
    for (int c = 1; c <= m_store.courses.CourseCount; ++c)
        if (m_store.courses.offered(c)) m_courseCombo->addItem(qs(m_store.courses.name(c)), c);
    m_dateText = namedEdit("datetext", this);
    m_dateText->setToolTip("Date of the rounds, MM/DD/YY");
    Date today = m_services.clock.today();
    m_dateText->setText(QString("%1/%2/%3")
                            .arg(today.month, 2, 10, QChar('0'))
                            .arg(today.day, 2, 10, QChar('0'))
                            .arg(today.year % 100, 2, 10, QChar('0')));
    m_pccSpin = new QSpinBox(this);
    m_pccSpin->setObjectName("pccspin");
    m_pccSpin->setRange(LowestPcc, HighestPcc);
    m_pccSpin->setToolTip("-1 easy conditions, 0 normal, up to +3 very hard");

    auto* form = new QFormLayout;
    form->addRow("Course", m_courseCombo);
    form->addRow("Date", m_dateText);
    form->addRow("PCC", m_pccSpin);
    auto* hint = new QLabel("Every World Handicap System differential of the course on that date\n"
                            "takes this adjustment. 0 is a normal day.",
                            this);

    QPushButton* savebutton = actionButton("&Save", "savebutton", &PlayingConditionsWindow::savePcc);
    QPushButton* cancelbutton = closeButton("&Cancel", "cancelbutton");
    QPushButton* infobutton = helpButton("&Help", "infobutton");
    auto* page = new QVBoxLayout(this);
    page->addLayout(form);
    page->addWidget(hint);
    page->addLayout(rowOf({infobutton, nullptr, savebutton, cancelbutton}));

    connect(m_courseCombo, &QComboBox::currentIndexChanged, this, &PlayingConditionsWindow::showStored);
    connect(m_dateText, &QLineEdit::textChanged, this, &PlayingConditionsWindow::showStored);

    showStored();
    adjustSize();
    centreBelowMiddle(*this, 100);
}

int PlayingConditionsWindow::course() const {
    return m_courseCombo->currentIndex() < 0 ? 0 : m_courseCombo->currentData().toInt();
}

void PlayingConditionsWindow::showStored() {
    int16_t month = 0, day = 0, year = 0;
    if (course() != 0 && parseRoundDate(str(m_dateText->text()), month, day, year))
        m_pccSpin->setValue(pccOn(m_store, course(), month, day, year));
}

void PlayingConditionsWindow::savePcc() {
    int16_t month = 0, day = 0, year = 0;
    if (course() == 0 || !parseRoundDate(str(m_dateText->text()), month, day, year)) {
        m_services.dialogs.beep();
        return;
    }
    if (Failure failure = setPcc(m_store, course(), month, day, year, m_pccSpin->value())) {
        m_services.dialogs.messageBox(*failure);
        return;
    }
    close();
}

} // namespace tallyrock
