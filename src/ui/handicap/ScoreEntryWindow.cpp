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
    m_eqLabel = new QLabel(StrokeControlNote, this);
    m_eqLabel->setObjectName("eqlabel");
    m_eqLabel->setWordWrap(true);
    m_eqLabel->setStyleSheet("color: rgb(160, 0, 0);");
    m_eqLabel->hide();
    QGridLayout* buttons = buildButtons();

    auto* entry = new QWidget(this);
    auto* column = new QVBoxLayout(entry);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(m_Namelabel);
    column->addWidget(m_Pnamelabel);
    column->addWidget(grid);
    column->addWidget(teeFrame);
    column->addWidget(m_eqLabel);
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
    m_teeButtons = new QButtonGroup(teeFrame);
    auto* teeRow = new QHBoxLayout(teeFrame);
    const char* teeCaptions[] = {"", "&Ladies Tee", "&Mens Tee", "&Pro Tee"};
    const QColor teeColours[] = {{}, QColor(220, 30, 30), QColor(255, 255, 255), QColor(30, 60, 220)};
    for (int t = 1; t <= 3; ++t) {
        auto* tee = new QRadioButton(teeCaptions[t], teeFrame);
        tee->setObjectName(QString("teebutton%1").arg(t));
        tee->setIcon(teeIcon(teeColours[t]));
        m_teeButtons->addButton(tee, t);
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
    m_recordButton = button("&Record scores to file", "recordbutton", &ScoreEntryWindow::checkAndRecord);
    m_skipButton = button("&Skip Player", "skipbutton", &ScoreEntryWindow::skipPlayer);
    m_skipButton->setToolTip("Skip this player");
    m_deleteButton = button("&Delete this round", "deletebutton", &ScoreEntryWindow::confirmDeleteRound);
    m_deleteButton->hide();
    m_deleteButton->setEnabled(false);
    QPushButton* cancelbutton = button("&Cancel score entry", "cancelbutton", &ScoreEntryWindow::cancelEntry);
    QPushButton* infobutton =
        button("&Help on entering scores", "infobutton", &ScoreEntryWindow::helpRequested);
    QPushButton* viewMathButton = button("&View Math", "Command3D1", &ScoreEntryWindow::toggleCalculation);
    viewMathButton->setToolTip("Show calculation panel");

    auto* buttons = new QGridLayout;
    buttons->addWidget(m_recordButton, 0, 0);
    buttons->addWidget(m_skipButton, 0, 1);
    buttons->addWidget(m_deleteButton, 0, 1);
    buttons->addWidget(cancelbutton, 1, 0);
    buttons->addWidget(viewMathButton, 1, 1);
    buttons->addWidget(infobutton, 2, 0, 1, 2);
    return buttons;
}

void ScoreEntryWindow::buildTimers() {
    m_recordTimer = namedTimer("Timer1", 600, this);
    m_focusTimer = namedTimer("Timer2", 1000, this);
    connect(m_recordTimer, &QTimer::timeout, this, &ScoreEntryWindow::recordRound);
    connect(m_focusTimer, &QTimer::timeout, this, &ScoreEntryWindow::focusFirstHole);
}

// Each hole box and both totals watched; Tab through the holes, then to the record button.
void ScoreEntryWindow::connectHoleBoxes() {
    for (int i = 1; i <= 18; ++i) {
        connect(m_scoreText[i], &QLineEdit::textEdited, this, [this, i] { takeHoleScore(i, true); });
        m_scoreText[i]->installEventFilter(this);
    }
    for (QLineEdit* total : {m_outScoreText, m_inScoreText}) {
        connect(total, &QLineEdit::textChanged, this, &ScoreEntryWindow::showTotalScore);
        total->installEventFilter(this);
    }
    QWidget* previous = m_scoreText[1];
    for (QWidget* next : std::initializer_list<QWidget*>{
             m_scoreText[2],  m_scoreText[3],  m_scoreText[4],  m_scoreText[5],  m_scoreText[6],
             m_scoreText[7],  m_scoreText[8],  m_scoreText[9],  m_scoreText[10], m_scoreText[11],
             m_scoreText[12], m_scoreText[13], m_scoreText[14], m_scoreText[15], m_scoreText[16],
             m_scoreText[17], m_scoreText[18], m_recordButton,  m_outScoreText,  m_inScoreText}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

// The player's name, the course's pars and, for a correction, the stored round.
void ScoreEntryWindow::showOpeningRound() {
    if (m_editing) {
        m_skipButton->setEnabled(false);
        m_skipButton->hide();
        m_deleteButton->setEnabled(true);
        m_deleteButton->show();
    }
    m_Namelabel->setText(qs(roundCaption(m_store)));
    ParDisplay pars = parDisplay(m_store.courses, m_store.CurrentCourse);
    for (std::size_t i = 1; i <= 18; ++i)
        m_parText[i]->setText(qs(pars.holes[i]));
    m_outLabel->setText(qs(pars.out));
    m_inLabel->setText(qs(pars.in));
    m_TotalLabel->setText(qs(pars.total));
    m_services.dialogs.setBusy(false);
    m_recorder.FindNextMarkedPlayer();
    m_outScoreText->setText(EmptyTotalText);
    m_inScoreText->setText(EmptyTotalText);
    if (m_editing) {
        StoredRoundBoxes stored = storedRoundBoxes(m_store, m_store.CurrentPlayer, m_store.EditSlot);
        for (int i = 1; i <= 18; ++i)
            setHoleText(i, stored.holes[i]);
        m_outScoreText->setText(qs(stored.out));
        m_inScoreText->setText(qs(stored.in));
    }
    showPlayer();
    const bool whs = whsMethod(m_store.settings);
    m_eqLabel->setText(whs ? NetDoubleBogeyNote : StrokeControlNote);
    m_eqLabel->setVisible(whs || m_recorder.strokeControlOn());

    adjustSize();
    m_narrowWidth = width();
    centreBelowMiddle(*this, 100);
    focusHole(1); // a corrected round's first score is ready to be typed over
    m_focusTimer->start();
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
            m_parText[i] = par;
            grid->addWidget(par, top + 1, k);
            m_scoreText[i] = scoreBox(QString("scoretext%1").arg(i), fixed, frame);
            grid->addWidget(m_scoreText[i], top + 2, k);
        }
        grid->addWidget(heading(nine == 0 ? "Out" : "In"), top, 10);
    }
    m_outLabel = parLabel("Outlabel");
    m_inLabel = parLabel("Inlabel");
    m_outScoreText = totalBox("outscoretext");
    m_inScoreText = totalBox("inscoretext");
    grid->addWidget(m_outLabel, 1, 10);
    grid->addWidget(m_outScoreText, 2, 10);
    grid->addWidget(m_inLabel, 4, 10);
    grid->addWidget(m_inScoreText, 5, 10);

    m_TotalLabel = parLabel("TotalLabel");
    m_totalScoreLabel = parLabel("Totalscorelabel");
    sinkPanel(m_totalScoreLabel);
    m_totalScoreLabel->setMinimumWidth(m_outScoreText->width());
    auto* totals = new QHBoxLayout;
    totals->setSpacing(8);
    totals->addStretch(1);
    totals->addWidget(new QLabel("Par", frame));
    totals->addWidget(m_TotalLabel);
    totals->addSpacing(16);
    totals->addWidget(new QLabel("Total", frame));
    totals->addWidget(m_totalScoreLabel);
    grid->addLayout(totals, 6, 0, 1, 11);
    return frame;
}

void ScoreEntryWindow::showPlayer() {
    int p = m_store.CurrentPlayer;
    const PlayerRecord* player = p >= 1 && p <= MaxPlayers ? &m_store.player(p) : nullptr;
    m_Pnamelabel->setText(player ? qs(player->PlayerName) : QString());
    int tee = player ? player->PlayerTee : 0;
    if (QAbstractButton* shown = m_teeButtons->button(tee)) {
        shown->setChecked(true);
        return;
    }
    // A tee outside 1..3 selects none.
    m_teeButtons->setExclusive(false);
    for (QAbstractButton* b : m_teeButtons->buttons())
        b->setChecked(false);
    m_teeButtons->setExclusive(true);
}

void ScoreEntryWindow::focusHole(int hole) {
    QLineEdit* box = m_scoreText[hole];
    box->setFocus();
    box->selectAll(); // typing replaces a score already there
}

HoleBoxes ScoreEntryWindow::holeTexts() const {
    HoleBoxes texts;
    for (std::size_t i = 1; i <= 18; ++i)
        texts[i] = str(m_scoreText[i]->text());
    return texts;
}

void ScoreEntryWindow::setHoleText(int hole, const std::string& text) {
    m_scoreText[hole]->setText(qs(text));
    takeHoleScore(hole, false);
}

int ScoreEntryWindow::shownTee() const {
    return std::max(0, m_teeButtons->checkedId());
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
            if (watched == m_scoreText[i]) focusHole(i + 1);
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

void ScoreEntryWindow::takeHoleScore(int hole, bool typed) {
    QLineEdit* box = m_scoreText[hole];
    if (!box->text().isEmpty()) {
        HoleBoxChange change = holeBoxChange(str(box->text()), hole, !m_editing);
        if (qs(change.text) != box->text()) box->setText(qs(change.text));
        if (typed && change.moveOn) focusHole(hole + 1);
    }
    // The nine's total follows every change, also a box emptied, so it never
    // keeps a score that is no longer there.
    QLineEdit* total = hole < 10 ? m_outScoreText : m_inScoreText;
    total->setText(qs(nineTotalText(holeTexts(), hole < 10)));
}

void ScoreEntryWindow::showTotalScore() {
    m_totalScoreLabel->setText(qs(totalScoreText(str(m_outScoreText->text()), str(m_inScoreText->text()))));
}

// ---------------------------------------------------------------- recording

void ScoreEntryWindow::checkAndRecord() {
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
    m_recordTimer->start();
}

void ScoreEntryWindow::recordRound() {
    m_recordTimer->stop();
    HoleScores scores = boxScores(holeTexts(), str(m_outScoreText->text()), str(m_inScoreText->text()));
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

void ScoreEntryWindow::focusFirstHole() {
    m_focusTimer->stop();
    // Scores typed within the first second stay where they went.
    for (QLineEdit* box : m_scoreText)
        if (box && box->hasFocus()) return;
    focusHole(1);
}

bool ScoreEntryWindow::AdvanceToNextPlayer() {
    if (!m_recorder.AdvanceToNextPlayer()) return false;
    showPlayer();
    for (std::size_t i = 1; i <= 18; ++i)
        m_scoreText[i]->clear();
    m_outScoreText->setText(EmptyTotalText);
    m_inScoreText->setText(EmptyTotalText);
    return true;
}

void ScoreEntryWindow::FinishEntry() {
    hide();
    Failure failure = whileBusy(m_services.dialogs, [&] { return m_recorder.FinishEntry(); });
    if (failure) m_services.dialogs.messageBox(*failure);
    close();
}

void ScoreEntryWindow::skipPlayer() {
    if (m_editing) {
        m_services.dialogs.beep();
        return;
    }
    if (AdvanceToNextPlayer())
        focusHole(1);
    else
        FinishEntry();
}

void ScoreEntryWindow::confirmDeleteRound() {
    if (m_services.dialogs.messageBox(deleteRoundQuestion(), Buttons::YesNo, Answer::No) != Answer::Yes)
        return;
    hide();
    Failure failure = whileBusy(m_services.dialogs, [&] { return m_recorder.deleteRound(shownTee()); });
    m_calcPanel->clear();
    if (failure) m_services.dialogs.messageBox(*failure);
    close();
}

void ScoreEntryWindow::cancelEntry() {
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
    m_recordTimer->stop();
    m_focusTimer->stop();
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
