#include "RoundSetupWindow.h"

#include "SpinButton.h"
#include "handicap/RoundSetup.h"
#include "services/QtText.h"
#include "utilities/ScreenPlacement.h"
#include "views/CoursePanel.h"

#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

namespace {

constexpr int SlotRole = Qt::UserRole;

QLabel* dateLabel(const char* name, QWidget* parent) {
    QLabel* label = namedLabel(name, parent);
    sinkPanel(label);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance("Mmmm") + 8);
    makeBold(label);
    return label;
}

} // namespace

RoundSetupWindow::RoundSetupWindow(Store& store, UiServices& services, ScoreEntryAdopter adopt,
                                   QWidget* parent)
    : ToolWindow(store, services, parent, "selectplayers", RoundSetupTitle), m_adopt(std::move(adopt)) {
    auto* hint = new QLabel(RoundSetupHint, this);
    hint->setWordWrap(true);
    auto* oldestFirst = new QLabel(OldestFirstHint, this);
    oldestFirst->setWordWrap(true);
    oldestFirst->setStyleSheet("color: rgb(160, 0, 0);");

    m_List1 = new QListWidget(this);
    m_List1->setObjectName("List1");
    m_List1->setSelectionMode(QAbstractItemView::MultiSelection);
    m_List1->setMinimumHeight(260);

    QGroupBox* courseFrame = buildCourseFrame();
    QGroupBox* dateFrame = buildDateFrame();

    QPushButton* allbutton = actionButton("&Select All", "allbutton", &RoundSetupWindow::allbutton_Click);
    QPushButton* acceptbutton = actionButton("&Accept", "acceptbutton", &RoundSetupWindow::acceptbutton_Click,
                                             "Accept selection - continue");
    QPushButton* cancelbutton = actionButton("&Cancel", "cancelbutton", &RoundSetupWindow::cancelbutton_Click,
                                             "Close Player Selection window");
    QPushButton* infobutton = helpButton("&Info", "infobutton", "Help on entering rounds");
    for (QPushButton* b : {allbutton, acceptbutton, cancelbutton, infobutton})
        b->setAutoDefault(true);

    auto* side = new QVBoxLayout;
    side->addWidget(courseFrame);
    side->addWidget(dateFrame);
    side->addWidget(allbutton, 0, Qt::AlignLeft);
    side->addStretch(1);
    side->addLayout(rowOf({acceptbutton, cancelbutton, infobutton}));
    auto* middle = new QHBoxLayout;
    middle->addWidget(m_List1, 1);
    middle->addLayout(side);
    auto* page = new QVBoxLayout(this);
    page->addWidget(hint);
    page->addLayout(middle, 1);
    page->addWidget(oldestFirst);

    showOpening();
}

// The course played: typed, or completed from the course list.
QGroupBox* RoundSetupWindow::buildCourseFrame() {
    auto* courseFrame = new QGroupBox("Course Played", this);
    m_coursecombo = new QComboBox(courseFrame);
    m_coursecombo->setObjectName("coursecombo");
    m_coursecombo->setEditable(true);
    m_coursecombo->setInsertPolicy(QComboBox::NoInsert);
    m_coursecombo->setMinimumContentsLength(24);
    m_coursecombo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    m_coursecombo->completer()->setCompletionMode(QCompleter::InlineCompletion);
    (new QVBoxLayout(courseFrame))->addWidget(m_coursecombo);
    connect(m_coursecombo, &QComboBox::currentTextChanged, this, &RoundSetupWindow::coursecombo_Change);
    return courseFrame;
}

// The round's date: month, day and year, each with its spin button.
QGroupBox* RoundSetupWindow::buildDateFrame() {
    auto* dateFrame = new QGroupBox("Date of Round", this);
    m_Monthlabel = dateLabel("Monthlabel", dateFrame);
    m_daylabel = dateLabel("daylabel", dateFrame);
    m_yearlabel = dateLabel("yearlabel", dateFrame);
    auto* monthspin = new SpinButton("monthspin", "Month", dateFrame);
    monthspin->setToolTip("Change month");
    auto* Dayspin = new SpinButton("Dayspin", "Day", dateFrame);
    Dayspin->setToolTip("Change Day");
    m_Yearspin = new SpinButton("Yearspin", "Year", dateFrame);
    m_Yearspin->setToolTip("Change Year");
    auto* dateRow = new QHBoxLayout(dateFrame);
    for (auto [label, spin] : {std::pair<QLabel*, SpinButton*>{m_Monthlabel, monthspin},
                               {m_daylabel, Dayspin},
                               {m_yearlabel, m_Yearspin}}) {
        dateRow->addWidget(label);
        dateRow->addWidget(spin);
        dateRow->addSpacing(6);
    }
    dateRow->addStretch(1);
    connect(monthspin, &SpinButton::spinDown, this, [this] { monthspin_Spin(false); });
    connect(monthspin, &SpinButton::spinUp, this, [this] { monthspin_Spin(true); });
    connect(Dayspin, &SpinButton::spinDown, this, [this] { Dayspin_Spin(false); });
    connect(Dayspin, &SpinButton::spinUp, this, [this] { Dayspin_Spin(true); });
    connect(m_Yearspin, &SpinButton::spinDown, this, [this] { Yearspin_Spin(false); });
    connect(m_Yearspin, &SpinButton::spinUp, this, [this] { Yearspin_Spin(true); });
    return dateFrame;
}

// The date, the players and the courses; a course file that would not load is told last.
void RoundSetupWindow::showOpening() {
    RoundSetupOpening opening = openRoundSetup(m_store, m_services.clock.today());
    m_day = opening.day;
    m_year = opening.year;
    showDate();
    for (const PlayerEntry& entry : roundSetupPlayers(m_store.league)) {
        auto* item = new QListWidgetItem(qs(entry.name), m_List1);
        item->setData(SlotRole, entry.slot);
    }
    {
        QSignalBlocker quiet(m_coursecombo);
        for (const std::string& name : courseChoices(m_store.courses))
            m_coursecombo->addItem(qs(name));
        m_coursecombo->setCurrentIndex(-1);
        m_coursecombo->setEditText(QString());
    }
    resize(620, 420);
    centreBelowMiddle(*this, 100);
    m_List1->setFocus();
    if (m_List1->count() > 0) m_List1->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    m_services.dialogs.setBusy(false);
    if (opening.courseLoad) m_services.dialogs.messageBox(*opening.courseLoad);
}

void RoundSetupWindow::showDate() {
    m_Monthlabel->setText(qs(monthLabelText(m_store)));
    m_daylabel->setText(QString::number(m_day));
    m_yearlabel->setText(qs(yearLabelText(m_year)));
    setyearcaption();
}

void RoundSetupWindow::setyearcaption() {
    m_Yearspin->setToolTip(qs(yearCaption(m_year)));
}

void RoundSetupWindow::allbutton_Click() {
    m_List1->selectAll();
}

void RoundSetupWindow::coursecombo_Change(const QString& text) {
    chooseSetupCourse(m_store, str(text));
}

void RoundSetupWindow::monthspin_Spin(bool up) {
    monthSpin(m_store, up);
    showDate();
}

void RoundSetupWindow::Dayspin_Spin(bool up) {
    m_day = daySpin(m_day, up);
    showDate();
}

void RoundSetupWindow::Yearspin_Spin(bool up) {
    m_year = yearSpin(m_year, up);
    showDate();
}

void RoundSetupWindow::acceptbutton_Click() {
    m_services.dialogs.setBusy(true);
    std::vector<int> chosen;
    for (int i = 0; i < m_List1->count(); ++i)
        if (m_List1->item(i)->isSelected()) chosen.push_back(m_List1->item(i)->data(SlotRole).toInt());
    const std::string course = str(m_coursecombo->currentText());
    SetupAccept accept = acceptRoundSetup(m_store, chosen, course, m_day, m_year);
    if (accept.outcome == SetupOutcome::NoCourse || accept.outcome == SetupOutcome::NoPlayers) {
        m_services.dialogs.setBusy(false);
        m_services.dialogs.messageBox(accept.message);
        return;
    }
    if (accept.outcome == SetupOutcome::Confirm) {
        m_services.dialogs.setBusy(false);
        if (m_services.dialogs.messageBox(accept.message, Buttons::YesNo, Answer::Yes) == Answer::No) return;
        m_services.dialogs.setBusy(true);
    }
    startRoundEntry(m_store, course);
    m_handedOver = true;
    openScoreEntry(m_store, m_services, m_adopt);
    close();
    m_services.dialogs.setBusy(false);
}

void RoundSetupWindow::cancelbutton_Click() {
    close();
}

// Enter anywhere the focus leaves it accepts, as a dialog's default button does.
void RoundSetupWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        acceptbutton_Click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void RoundSetupWindow::onClosing() {
    // Cancel, or the window closed: no player takes part.
    if (!m_handedOver) cancelRoundSetup(m_store);
    closeRoundSetup(m_store.settings);
}

} // namespace tallyrock
