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

    m_playerList = new QListWidget(this);
    m_playerList->setObjectName("List1");
    m_playerList->setSelectionMode(QAbstractItemView::MultiSelection);
    m_playerList->setMinimumHeight(260);

    QGroupBox* courseFrame = buildCourseFrame();
    QGroupBox* dateFrame = buildDateFrame();

    QPushButton* allbutton = actionButton("&Select All", "allbutton", &RoundSetupWindow::selectAllPlayers);
    QPushButton* acceptbutton = actionButton("&Accept", "acceptbutton", &RoundSetupWindow::acceptSetup,
                                             "Accept selection - continue");
    QPushButton* cancelbutton = actionButton("&Cancel", "cancelbutton", &RoundSetupWindow::cancelSetup,
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
    middle->addWidget(m_playerList, 1);
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
    m_courseCombo = new QComboBox(courseFrame);
    m_courseCombo->setObjectName("coursecombo");
    m_courseCombo->setEditable(true);
    m_courseCombo->setInsertPolicy(QComboBox::NoInsert);
    m_courseCombo->setMinimumContentsLength(24);
    m_courseCombo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    m_courseCombo->completer()->setCompletionMode(QCompleter::InlineCompletion);
    (new QVBoxLayout(courseFrame))->addWidget(m_courseCombo);
    connect(m_courseCombo, &QComboBox::currentTextChanged, this, &RoundSetupWindow::chooseCourse);
    return courseFrame;
}

// The round's date: month, day and year, each with its spin button.
QGroupBox* RoundSetupWindow::buildDateFrame() {
    auto* dateFrame = new QGroupBox("Date of Round", this);
    m_monthLabel = dateLabel("Monthlabel", dateFrame);
    m_dayLabel = dateLabel("daylabel", dateFrame);
    m_yearLabel = dateLabel("yearlabel", dateFrame);
    auto* monthspin = new SpinButton("monthspin", "Month", dateFrame);
    monthspin->setToolTip("Change month");
    auto* Dayspin = new SpinButton("Dayspin", "Day", dateFrame);
    Dayspin->setToolTip("Change Day");
    m_yearSpin = new SpinButton("Yearspin", "Year", dateFrame);
    m_yearSpin->setToolTip("Change Year");
    auto* dateRow = new QHBoxLayout(dateFrame);
    for (auto [label, spin] : {std::pair<QLabel*, SpinButton*>{m_monthLabel, monthspin},
                               {m_dayLabel, Dayspin},
                               {m_yearLabel, m_yearSpin}}) {
        dateRow->addWidget(label);
        dateRow->addWidget(spin);
        dateRow->addSpacing(6);
    }
    dateRow->addStretch(1);
    connect(monthspin, &SpinButton::spinDown, this, [this] { stepMonth(false); });
    connect(monthspin, &SpinButton::spinUp, this, [this] { stepMonth(true); });
    connect(Dayspin, &SpinButton::spinDown, this, [this] { stepDay(false); });
    connect(Dayspin, &SpinButton::spinUp, this, [this] { stepDay(true); });
    connect(m_yearSpin, &SpinButton::spinDown, this, [this] { stepYear(false); });
    connect(m_yearSpin, &SpinButton::spinUp, this, [this] { stepYear(true); });
    return dateFrame;
}

// The date, the players and the courses; a course file that would not load is told last.
void RoundSetupWindow::showOpening() {
    RoundSetupOpening opening = openRoundSetup(m_store, m_services.clock.today());
    m_day = opening.day;
    m_year = opening.year;
    showDate();
    for (const PlayerEntry& entry : roundSetupPlayers(m_store.league)) {
        auto* item = new QListWidgetItem(qs(entry.name), m_playerList);
        item->setData(SlotRole, entry.slot);
    }
    {
        QSignalBlocker quiet(m_courseCombo);
        for (const std::string& name : courseChoices(m_store.courses))
            m_courseCombo->addItem(qs(name));
        m_courseCombo->setCurrentIndex(-1);
        m_courseCombo->setEditText(QString());
    }
    resize(620, 420);
    centreBelowMiddle(*this, 100);
    m_playerList->setFocus();
    if (m_playerList->count() > 0) m_playerList->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    m_services.dialogs.setBusy(false);
    if (opening.courseLoad) m_services.dialogs.messageBox(*opening.courseLoad);
}

void RoundSetupWindow::showDate() {
    m_monthLabel->setText(qs(monthLabelText(m_store)));
    m_dayLabel->setText(QString::number(m_day));
    m_yearLabel->setText(qs(yearLabelText(m_year)));
    setYearCaption();
}

void RoundSetupWindow::setYearCaption() {
    m_yearSpin->setToolTip(qs(yearCaption(m_year)));
}

void RoundSetupWindow::selectAllPlayers() {
    m_playerList->selectAll();
}

void RoundSetupWindow::chooseCourse(const QString& text) {
    chooseSetupCourse(m_store, str(text));
}

void RoundSetupWindow::stepMonth(bool up) {
    monthSpin(m_store, up);
    showDate();
}

void RoundSetupWindow::stepDay(bool up) {
    m_day = daySpin(m_day, up);
    showDate();
}

void RoundSetupWindow::stepYear(bool up) {
    m_year = yearSpin(m_year, up);
    showDate();
}

void RoundSetupWindow::acceptSetup() {
    m_services.dialogs.setBusy(true);
    std::vector<int> chosen;
    for (int i = 0; i < m_playerList->count(); ++i)
        if (m_playerList->item(i)->isSelected())
            chosen.push_back(m_playerList->item(i)->data(SlotRole).toInt());
    const std::string course = str(m_courseCombo->currentText());
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

void RoundSetupWindow::cancelSetup() {
    close();
}

// Enter anywhere the focus leaves it accepts, as a dialog's default button does.
void RoundSetupWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        acceptSetup();
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
