#include "ScoreEntryWindow.h"

#include "handicap/HandicapCalculation.h"
#include "services/BusyPointer.h"
#include "services/QtText.h"
#include "utilities/ScreenPlacement.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tallyrock {

namespace {

// The three tees' colours: red, white and blue.
QIcon teeIcon(const QColor& colour) {
    QPixmap pixmap(14, 14);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(90, 90, 90));
    painter.setBrush(colour);
    painter.drawEllipse(1, 1, 12, 12);
    return QIcon(pixmap);
}

// Keys that move the cursor or the focus rather than type.
bool movesOnly(int key) {
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Delete:
        return true;
    default:
        return false;
    }
}

// Only the digits and backspace reach a score box; keys that type nothing pass.
bool keyPasses(const QKeyEvent& key) {
    if (movesOnly(key.key())) return true;
    const QString text = key.text();
    if (text.isEmpty()) return true;
    if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
    return text.size() == 1 && scoreKeyPasses(text.at(0).unicode());
}

QLineEdit* scoreBox(const QString& name, const QFont& font, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setFont(font);
    box->setMaxLength(3);
    box->setFixedWidth(QFontMetrics(font).horizontalAdvance("000") + 12);
    return box;
}

} // namespace

ScoreEntryWindow::ScoreEntryWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "roundsform", ScoreEntryTitle), m_recorder(store) {
    m_editing = m_store.EditSlot >= 1;

    buildNameLabels();
    QWidget* grid = buildGrid();
    QGroupBox* teeFrame = buildTeeFrame();
    m_eqlabel = new QLabel(StrokeControlNote, this);
    m_eqlabel->setObjectName("eqlabel");
    m_eqlabel->setWordWrap(true);
    m_eqlabel->setStyleSheet("color: rgb(160, 0, 0);");
    m_eqlabel->hide();
    QGridLayout* buttons = buildButtons();

    auto* entry = new QWidget(this);
    auto* column = new QVBoxLayout(entry);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_Namelabel);
    column->addWidget(m_Pnamelabel);
    column->addWidget(grid);
    column->addWidget(teeFrame);
    column->addWidget(m_eqlabel);
    column->addLayout(buttons);

    // The calculation panel stands right of the entry area, shown by View Math.
    m_calcPanel = new QListWidget(this);
    m_calcPanel->setObjectName("List1");
    m_calcPanel->setFocusPolicy(Qt::NoFocus);
    m_calcPanel->setFixedWidth(twipsToPixels(8595 - 5700));
    m_calcPanel->hide();

    auto* row = new QHBoxLayout(this);
    row->addWidget(entry);
    row->addWidget(m_calcPanel);
    row->setSizeConstraint(QLayout::SetMinimumSize);

    buildTimers();
    connectHoleBoxes();
    showOpeningRound();
}

void ScoreEntryWindow::buildNameLabels() {
    m_Namelabel = namedLabel("Namelabel", this);
    makeBold(m_Namelabel);
    m_Pnamelabel = namedLabel("Pnamelabel", this);
    QFont large = m_Namelabel->font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    m_Pnamelabel->setFont(large);
    m_Pnamelabel->setStyleSheet("color: rgb(0, 0, 128);");
}

QGroupBox* ScoreEntryWindow::buildTeeFrame() {
    auto* teeFrame = new QGroupBox("Tee played", this);
    m_teebutton = new QButtonGroup(teeFrame);
    auto* teeRow = new QHBoxLayout(teeFrame);
    const char* teeCaptions[] = {"", "&Ladies Tee", "&Mens Tee", "&Pro Tee"};
    const QColor teeColours[] = {{}, QColor(220, 30, 30), QColor(255, 255, 255), QColor(30, 60, 220)};
    for (int t = 1; t <= 3; ++t) {
        auto* tee = new QRadioButton(teeCaptions[t], teeFrame);
        tee->setObjectName(QString("teebutton%1").arg(t));
        tee->setIcon(teeIcon(teeColours[t]));
        m_teebutton->addButton(tee, t);
        teeRow->addWidget(tee);
    }
    return teeFrame;
}

QGridLayout* ScoreEntryWindow::buildButtons() {
    auto button = [this](const char* caption, const char* name, void (ScoreEntryWindow::*slot)()) {
        QPushButton* b = actionButton(caption, name, slot);
        b->setAutoDefault(true); // Enter on a focused button presses it
        return b;
    };
    m_recordbutton = button("&Record scores to file", "recordbutton", &ScoreEntryWindow::recordbutton_Click);
    m_skipbutton = button("&Skip Player", "skipbutton", &ScoreEntryWindow::skipbutton_Click);
    m_skipbutton->setToolTip("Skip this player");
    m_deletebutton = button("&Delete this round", "deletebutton", &ScoreEntryWindow::deletebutton_Click);
    m_deletebutton->hide();
    m_deletebutton->setEnabled(false);
    QPushButton* cancelbutton =
        button("&Cancel score entry", "cancelbutton", &ScoreEntryWindow::cancelbutton_Click);
    QPushButton* infobutton =
        button("&Help on entering scores", "infobutton", &ScoreEntryWindow::helpRequested);
    QPushButton* viewMathButton = button("&View Math", "Command3D1", &ScoreEntryWindow::toggleCalculation);
    viewMathButton->setToolTip("Show calculation panel");

    auto* buttons = new QGridLayout;
    buttons->addWidget(m_recordbutton, 0, 0);
    buttons->addWidget(m_skipbutton, 0, 1);
    buttons->addWidget(m_deletebutton, 0, 1);
    buttons->addWidget(cancelbutton, 1, 0);
    buttons->addWidget(viewMathButton, 1, 1);
    buttons->addWidget(infobutton, 2, 0, 1, 2);
    return buttons;
}

void ScoreEntryWindow::buildTimers() {
    m_Timer1 = namedTimer("Timer1", 600, this);
    m_Timer2 = namedTimer("Timer2", 1000, this);
    connect(m_Timer1, &QTimer::timeout, this, &ScoreEntryWindow::Timer1_Timer);
    connect(m_Timer2, &QTimer::timeout, this, &ScoreEntryWindow::Timer2_Timer);
}

// Each hole box and both totals watched; Tab through the holes, then to the record button.
void ScoreEntryWindow::connectHoleBoxes() {
    for (int i = 1; i <= 18; ++i) {
        connect(m_scoretext[i], &QLineEdit::textEdited, this, [this, i] { scoretext_Change(i, true); });
        m_scoretext[i]->installEventFilter(this);
    }
    for (QLineEdit* total : {m_outscoretext, m_inscoretext}) {
        connect(total, &QLineEdit::textChanged, this, &ScoreEntryWindow::totals_Change);
        total->installEventFilter(this);
    }
    QWidget* previous = m_scoretext[1];
    for (QWidget* next : std::initializer_list<QWidget*>{
             m_scoretext[2],  m_scoretext[3],  m_scoretext[4],  m_scoretext[5],  m_scoretext[6],
             m_scoretext[7],  m_scoretext[8],  m_scoretext[9],  m_scoretext[10], m_scoretext[11],
             m_scoretext[12], m_scoretext[13], m_scoretext[14], m_scoretext[15], m_scoretext[16],
             m_scoretext[17], m_scoretext[18], m_recordbutton,  m_outscoretext,  m_inscoretext}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

// The player's name, the course's pars and, for a correction, the stored round.
void ScoreEntryWindow::showOpeningRound() {
    if (m_editing) {
        m_skipbutton->setEnabled(false);
        m_skipbutton->hide();
        m_deletebutton->setEnabled(true);
        m_deletebutton->show();
    }
    m_Namelabel->setText(qs(roundCaption(m_store)));
    ParDisplay pars = parDisplay(m_store.courses, m_store.CurrentCourse);
    for (std::size_t i = 1; i <= 18; ++i)
        m_Partext[i]->setText(qs(pars.holes[i]));
    m_Outlabel->setText(qs(pars.out));
    m_Inlabel->setText(qs(pars.in));
    m_TotalLabel->setText(qs(pars.total));
    m_services.dialogs.setBusy(false);
    m_recorder.FindNextMarkedPlayer();
    m_outscoretext->setText(EmptyTotalText);
    m_inscoretext->setText(EmptyTotalText);
    if (m_editing) {
        StoredRoundBoxes stored = storedRoundBoxes(m_store, m_store.CurrentPlayer, m_store.EditSlot);
        for (int i = 1; i <= 18; ++i)
            setHoleText(i, stored.holes[i]);
        m_outscoretext->setText(qs(stored.out));
        m_inscoretext->setText(qs(stored.in));
    }
    showPlayer();
    const bool whs = whsMethod(m_store.settings);
    m_eqlabel->setText(whs ? NetDoubleBogeyNote : StrokeControlNote);
    m_eqlabel->setVisible(whs || m_recorder.strokeControlOn());

    adjustSize();
    m_narrowWidth = width();
    centreBelowMiddle(*this, 100);
    focusHole(1); // a corrected round's first score is ready to be typed over
    m_Timer2->start();
}

QWidget* ScoreEntryWindow::buildGrid() {
    auto* frame = new QFrame(this);
    frame->setObjectName("scoregrid");
    frame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(frame);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(fixed.pointSizeF() * 1.25);
    fixed.setBold(true);
    auto heading = [frame](const QString& text) {
        auto* label = new QLabel(text, frame);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    auto parLabel = [frame, &fixed](const char* name) {
        auto* label = new QLabel(frame);
        label->setObjectName(name);
        label->setFont(fixed);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    auto totalBox = [frame, &fixed](const char* name) {
        QLineEdit* box = scoreBox(name, fixed, frame);
        box->setMaxLength(32767);
        box->setFixedWidth(QFontMetrics(fixed).horizontalAdvance("00000") + 12);
        box->setStyleSheet("background: rgb(255, 255, 225);");
        return box;
    };
    for (int nine = 0; nine < 2; ++nine) {
        int top = nine * 3;
        grid->addWidget(new QLabel("Hole", frame), top, 0);
        grid->addWidget(new QLabel("Par", frame), top + 1, 0);
        grid->addWidget(new QLabel("Score", frame), top + 2, 0);
        for (int k = 1; k <= 9; ++k) {
            int i = nine * 9 + k;
            grid->addWidget(heading(QString::number(i)), top, k);
            auto* par = scoreBox(QString("Partext%1").arg(i), fixed, frame);
            par->setReadOnly(true);
            par->setFocusPolicy(Qt::NoFocus); // pars come from the course, never typed
            par->setStyleSheet("background: palette(window); color: rgb(0, 100, 0);");
            m_Partext[i] = par;
            grid->addWidget(par, top + 1, k);
            m_scoretext[i] = scoreBox(QString("scoretext%1").arg(i), fixed, frame);
            grid->addWidget(m_scoretext[i], top + 2, k);
        }
        grid->addWidget(heading(nine == 0 ? "Out" : "In"), top, 10);
    }
    m_Outlabel = parLabel("Outlabel");
    m_Inlabel = parLabel("Inlabel");
    m_outscoretext = totalBox("outscoretext");
    m_inscoretext = totalBox("inscoretext");
    grid->addWidget(m_Outlabel, 1, 10);
    grid->addWidget(m_outscoretext, 2, 10);
    grid->addWidget(m_Inlabel, 4, 10);
    grid->addWidget(m_inscoretext, 5, 10);

    m_TotalLabel = parLabel("TotalLabel");
    m_Totalscorelabel = parLabel("Totalscorelabel");
    sinkPanel(m_Totalscorelabel);
    m_Totalscorelabel->setMinimumWidth(m_outscoretext->width());
    auto* totals = new QHBoxLayout;
    totals->setSpacing(8);
    totals->addStretch(1);
    totals->addWidget(new QLabel("Par", frame));
    totals->addWidget(m_TotalLabel);
    totals->addSpacing(16);
    totals->addWidget(new QLabel("Total", frame));
    totals->addWidget(m_Totalscorelabel);
    grid->addLayout(totals, 6, 0, 1, 11);
    return frame;
}

void ScoreEntryWindow::showPlayer() {
    int p = m_store.CurrentPlayer;
    const PlayerRecord* player = p >= 1 && p <= MaxPlayers ? &m_store.player(p) : nullptr;
    m_Pnamelabel->setText(player ? qs(player->PlayerName) : QString());
    int tee = player ? player->PlayerTee : 0;
    if (QAbstractButton* shown = m_teebutton->button(tee)) {
        shown->setChecked(true);
        return;
    }
    // A tee outside 1..3 selects none.
    m_teebutton->setExclusive(false);
    for (QAbstractButton* b : m_teebutton->buttons())
        b->setChecked(false);
    m_teebutton->setExclusive(true);
}

void ScoreEntryWindow::focusHole(int hole) {
    QLineEdit* box = m_scoretext[hole];
    box->setFocus();
    box->selectAll(); // typing replaces a score already there
}

HoleBoxes ScoreEntryWindow::holeTexts() const {
    HoleBoxes texts;
    for (std::size_t i = 1; i <= 18; ++i)
        texts[i] = str(m_scoretext[i]->text());
    return texts;
}

void ScoreEntryWindow::setHoleText(int hole, const std::string& text) {
    m_scoretext[hole]->setText(qs(text));
    scoretext_Change(hole, false);
}

int ScoreEntryWindow::shownTee() const {
    return std::max(0, m_teebutton->checkedId());
}

// ---------------------------------------------------------------- boxes

bool ScoreEntryWindow::eventFilter(QObject* watched, QEvent* event) {
    // A click into a box that holds a score selects it, so what is typed replaces it.
    if (event->type() == QEvent::MouseButtonPress) {
        auto* box = static_cast<QLineEdit*>(watched);
        if (box->text().trimmed().isEmpty() || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        return true;
    }
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        for (int i = 1; i < 18; ++i)
            if (watched == m_scoretext[i]) focusHole(i + 1);
        return true;
    }
    return !keyPasses(*key);
}

// Keys the window itself receives: Enter and space do nothing.
void ScoreEntryWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ScoreEntryWindow::scoretext_Change(int hole, bool typed) {
    QLineEdit* box = m_scoretext[hole];
    if (!box->text().isEmpty()) {
        HoleBoxChange change = holeBoxChange(str(box->text()), hole, !m_editing);
        if (qs(change.text) != box->text()) box->setText(qs(change.text));
        if (typed && change.moveOn) focusHole(hole + 1);
    }
    // The nine's total follows every change, also a box emptied, so it never
    // keeps a score that is no longer there.
    QLineEdit* total = hole < 10 ? m_outscoretext : m_inscoretext;
    total->setText(qs(nineTotalText(holeTexts(), hole < 10)));
}

void ScoreEntryWindow::totals_Change() {
    m_Totalscorelabel->setText(qs(totalScoreText(str(m_outscoretext->text()), str(m_inscoretext->text()))));
}

// ---------------------------------------------------------------- recording

void ScoreEntryWindow::recordbutton_Click() {
    if (int hole = firstMissingHole(holeTexts())) {
        Answer answer = m_services.dialogs.messageBox(missingHoleQuestion(hole), Buttons::YesNo, Answer::No);
        if (answer != Answer::Yes) {
            if (!isActiveWindow()) activateWindow();
            focusHole(hole);
            return;
        }
    }
    if (m_recorder.strokeControlOn()) {
        HoleScores typed = boxScores(holeTexts(), "", "");
        HoleBoxes capped = strokeControlTexts(typed, m_recorder.EQadjust(typed));
        for (int i = 1; i <= 18; ++i)
            if (!capped[i].empty()) setHoleText(i, capped[i]);
    }
    m_Timer1->start();
}

void ScoreEntryWindow::Timer1_Timer() {
    m_Timer1->stop();
    HoleScores scores = boxScores(holeTexts(), str(m_outscoretext->text()), str(m_inscoretext->text()));
    RecordResult result = m_recorder.record(scores, shownTee());
    if (result.outcome != RecordOutcome::Recorded) {
        // Nothing stored: the window stays on this player.
        if (result.message) m_services.dialogs.messageBox(*result.message);
        backToHole1();
        return;
    }
    for (const std::string& line : m_recorder.panel())
        m_calcPanel->addItem(qs(line));
    if (m_calcShown) m_services.dialogs.messageBox(pausingMessage());
    m_calcPanel->clear();
    m_recorder.clearPanel();
    if (AdvanceToNextPlayer())
        backToHole1();
    else
        FinishEntry();
}

// After a message box the window takes the keyboard back, Alt keys included.
void ScoreEntryWindow::backToHole1() {
    if (!isActiveWindow()) activateWindow();
    focusHole(1);
}

void ScoreEntryWindow::Timer2_Timer() {
    m_Timer2->stop();
    // Scores typed within the first second stay where they went.
    for (QLineEdit* box : m_scoretext)
        if (box && box->hasFocus()) return;
    focusHole(1);
}

bool ScoreEntryWindow::AdvanceToNextPlayer() {
    if (!m_recorder.AdvanceToNextPlayer()) return false;
    showPlayer();
    for (std::size_t i = 1; i <= 18; ++i)
        m_scoretext[i]->clear();
    m_outscoretext->setText(EmptyTotalText);
    m_inscoretext->setText(EmptyTotalText);
    return true;
}

void ScoreEntryWindow::FinishEntry() {
    hide();
    Failure failure = whileBusy(m_services.dialogs, [&] { return m_recorder.FinishEntry(); });
    if (failure) m_services.dialogs.messageBox(*failure);
    close();
}

void ScoreEntryWindow::skipbutton_Click() {
    if (m_editing) {
        m_services.dialogs.beep();
        return;
    }
    if (AdvanceToNextPlayer())
        focusHole(1);
    else
        FinishEntry();
}

void ScoreEntryWindow::deletebutton_Click() {
    if (m_services.dialogs.messageBox(deleteRoundQuestion(), Buttons::YesNo, Answer::No) != Answer::Yes)
        return;
    hide();
    Failure failure = whileBusy(m_services.dialogs, [&] { return m_recorder.deleteRound(shownTee()); });
    m_calcPanel->clear();
    if (failure) m_services.dialogs.messageBox(*failure);
    close();
}

void ScoreEntryWindow::cancelbutton_Click() {
    close();
}

void ScoreEntryWindow::toggleCalculation() {
    m_calcShown = !m_calcShown;
    m_calcPanel->setVisible(m_calcShown);
    layout()->activate();
    resize(m_calcShown ? m_narrowWidth + m_calcPanel->width() + layout()->spacing() : m_narrowWidth,
           height());
    centreBelowMiddle(*this, 100);
}

void ScoreEntryWindow::onClosing() {
    m_Timer1->stop();
    m_Timer2->stop();
    closeScoreEntry(m_store);
}

// ---------------------------------------------------------------- opening

ScoreEntryWindow* openScoreEntry(Store& store, UiServices& services, const ScoreEntryAdopter& adopt) {
    auto* window = new ScoreEntryWindow(store, services);
    if (adopt) adopt(window);
    window->show();
    window->activateWindow();
    return window;
}

} // namespace tallyrock
