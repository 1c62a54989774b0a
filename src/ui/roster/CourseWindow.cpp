#include "CourseWindow.h"

#include "RosterWindowParts.h"
#include "TextBoxRule.h"
#include "handicap/SpinButton.h"
#include "services/QtText.h"
#include "store/ChangeSet.h"
#include "store/CourseFile.h"
#include "store/NumberText.h"
#include "utilities/ScreenPlacement.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tallyrock {

namespace {

QLabel* heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

const char* const TeeColours[] = {"", "background: rgb(192, 0, 0); color: white;",
                                  "background: white; color: black;",
                                  "background: rgb(0, 0, 192); color: white;"};

} // namespace

CourseWindow::CourseWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "course", "Course Information") {
    m_nameText = namedEdit("Nametext", this);
    m_nameText->setMaxLength(CourseNameMaxChars);
    keepTextSafe(m_nameText);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(new QLabel("Course Name :", this));
    nameRow->addWidget(m_nameText, 1);

    QFrame* card = buildScorecard();
    QGridLayout* tees = buildTeePanels();
    QGridLayout* nines = buildNinePanels();
    QHBoxLayout* buttons = buildButtons();

    auto* column = new QVBoxLayout(this);
    column->addLayout(nameRow);
    column->addWidget(card);
    column->addLayout(tees);
    column->addLayout(nines);
    column->addLayout(buttons);

    showCourse();
}

// Load. A new course is added to the table as it is on disk, not to whatever the
// table held before (no league need be open).
void CourseWindow::showCourse() {
    if (m_store.CourseFormMode == CourseWindowMode::Add)
        if (Failure failure = LoadCourseFile(m_store)) m_services.dialogs.messageBox(*failure);
    CourseForm form = openCourseForm(m_store);
    m_outLabel->setText("0");
    m_inLabel->setText("0");
    m_nameText->setText(qs(form.name));
    for (int h = 1; h <= 18; ++h)
        m_parText[h]->setText(qs(form.parText[h]));
    for (int t = 1; t <= 3; ++t) {
        auto i = static_cast<std::size_t>(t);
        showPanel(m_ratingPanel[i], qs(ratingPanelText(form.rating[i])));
        showPanel(m_slopePanel[i], qs(slopePanelText(form.slope[i])));
    }
    m_initialsText->setText(qs(form.initials));
    TeeHolesForms holes = m_store.CourseFormMode == CourseWindowMode::Edit
                              ? teeHolesForms(m_store, m_store.CurrentCourse)
                              : TeeHolesForms{};
    for (std::size_t t = 1; t <= 3; ++t) {
        for (std::size_t h = 1; h <= 18; ++h)
            m_strokeIndexText[t][h]->setText(qs(holes[t].strokeIndex[h]));
        const std::string* nine[] = {&holes[t].frontRating, &holes[t].frontSlope, &holes[t].backRating,
                                     &holes[t].backSlope};
        for (std::size_t k = 0; k < 4; ++k)
            m_nineText[t][k]->setText(qs(*nine[k]));
    }

    adjustSize();
    centreBelowMiddle(*this, 100);
    m_nameText->setFocus();
    m_services.dialogs.setBusy(false);
}

// Help, Save and Cancel, connected.
QHBoxLayout* CourseWindow::buildButtons() {
    QPushButton* savebutton =
        actionButton("&Save", "savebutton", &CourseWindow::saveCourse, "Save course information to disk");
    QPushButton* cancelbutton = closeButton("&Cancel", "cancelbutton", "Close course window");
    QPushButton* infobutton = helpButton("&Help", "infobutton", "Help on Courses");
    return rowOf({infobutton, nullptr, savebutton, cancelbutton});
}

// Ratings and slopes of the three tees, typed or stepped with the spin buttons (and the
// Up and Down keys), and the initials.
QGridLayout* CourseWindow::buildTeePanels() {
    auto* tees = new QGridLayout;
    tees->setHorizontalSpacing(4);
    tees->addWidget(new QLabel("Rating", this), 1, 0);
    tees->addWidget(new QLabel("Slope", this), 2, 0);
    const QString teeNames[] = {"", "Red", "White", "Blue"};
    const char* const ratePanels[] = {"", "redratepanel", "whiteratepanel", "blueratepanel"};
    const char* const slopePanels[] = {"", "redslopepanel", "whiteslopepanel", "Blueslopepanel"};
    const char* const rateSpins[] = {"", "redrateingspin", "Whiteratingspin", "blueratingspin"};
    const char* const slopeSpins[] = {"", "redslopespin", "whiteslopespin", "blueslopespin"};
    for (int t = 1; t <= 3; ++t) {
        auto i = static_cast<std::size_t>(t);
        tees->addWidget(heading(teeNames[t], this), 0, 2 * t - 1);
        m_ratingPanel[i] = new QLineEdit(this);
        m_ratingPanel[i]->setObjectName(ratePanels[t]);
        m_ratingPanel[i]->setAccessibleName(teeNames[t] + " tee rating");
        m_slopePanel[i] = new QLineEdit(this);
        m_slopePanel[i]->setObjectName(slopePanels[t]);
        m_slopePanel[i]->setAccessibleName(teeNames[t] + " tee slope");
        for (QLineEdit* p : {m_ratingPanel[i], m_slopePanel[i]}) {
            p->setStyleSheet(QString("QLineEdit { %1 }").arg(TeeColours[t]));
            p->setAlignment(Qt::AlignCenter);
            p->setMaxLength(8);
            p->setFixedWidth(56);
            p->installEventFilter(this);
        }
        connect(m_ratingPanel[i], &QLineEdit::editingFinished, this, [this, t] { checkTypedRating(t); });
        connect(m_slopePanel[i], &QLineEdit::editingFinished, this, [this, t] { checkTypedSlope(t); });
        auto* rateSpin = new SpinButton(rateSpins[t], teeNames[t] + " tee rating", this);
        auto* slopeSpin = new SpinButton(slopeSpins[t], teeNames[t] + " tee slope", this);
        tees->addWidget(m_ratingPanel[i], 1, 2 * t - 1);
        tees->addWidget(rateSpin, 1, 2 * t);
        tees->addWidget(m_slopePanel[i], 2, 2 * t - 1);
        tees->addWidget(slopeSpin, 2, 2 * t);
        connect(rateSpin, &SpinButton::spinUp, this, [this, t] { stepRating(t, true); });
        connect(rateSpin, &SpinButton::spinDown, this, [this, t] { stepRating(t, false); });
        connect(slopeSpin, &SpinButton::spinUp, this, [this, t] { stepSlope(t, true); });
        connect(slopeSpin, &SpinButton::spinDown, this, [this, t] { stepSlope(t, false); });
    }
    m_initialsText = new QLineEdit(this);
    m_initialsText->setObjectName("initialstext");
    m_initialsText->setMaxLength(CourseInitialsMaxChars);
    keepTextSafe(m_initialsText);
    m_initialsText->setFixedWidth(56);
    tees->addWidget(new QLabel("Initials", this), 1, 8, Qt::AlignRight);
    tees->addWidget(m_initialsText, 1, 9);
    tees->setColumnMinimumWidth(7, 24);
    tees->setColumnStretch(10, 1);
    return tees;
}

// The ratings and slopes of each nine, per tee; empty when the card gives none.
QGridLayout* CourseWindow::buildNinePanels() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->addWidget(new QLabel("Nine-hole ratings (optional)", this), 0, 0);
    const char* const captions[] = {"Front rating", "Front slope", "Back rating", "Back slope"};
    const char* const names[] = {"frontrating", "frontslope", "backrating", "backslope"};
    const char* const teeNames[] = {"", "Red", "White", "Blue"};
    for (int k = 0; k < 4; ++k)
        grid->addWidget(heading(captions[k], this), 0, k + 1);
    for (int t = 1; t <= 3; ++t) {
        grid->addWidget(new QLabel(teeNames[t], this), t, 0, Qt::AlignRight);
        for (int k = 0; k < 4; ++k) {
            auto* box = new QLineEdit(this);
            box->setObjectName(QString("%1%2").arg(names[k]).arg(t));
            box->setFixedWidth(56);
            box->setMaxLength(5);
            box->setStyleSheet(TeeColours[t]);
            grid->addWidget(box, t, k + 1);
            m_nineText[t][k] = box;
        }
    }
    grid->setColumnStretch(5, 1);
    return grid;
}

// The scorecard: holes 1..9, Out, holes 10..18, In, Total, each par box watched.
QFrame* CourseWindow::buildScorecard() {
    auto* card = new QFrame(this);
    card->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(card);
    grid->setHorizontalSpacing(3);
    grid->addWidget(new QLabel("Hole", card), 0, 0);
    grid->addWidget(new QLabel("Par", card), 1, 0);
    m_outLabel = sunkenPanel("Outlabel", card);
    m_inLabel = sunkenPanel("Inlabel", card);
    m_totalLabel = sunkenPanel("Totallabel", card);
    for (int h = 1; h <= 18; ++h) {
        auto* box = new QLineEdit(card);
        box->setObjectName(QString("Partext%1").arg(h));
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(34);
        box->installEventFilter(this);
        int column = h <= 9 ? h : h + 1;
        grid->addWidget(heading(QString::number(h), card), 0, column);
        grid->addWidget(box, 1, column);
        m_parText[h] = box;
        connect(box, &QLineEdit::textChanged, this, [this, h] { takePar(h); });
    }
    // A stroke index row for each tee.
    const char* const siNames[] = {"", "Red SI", "White SI", "Blue SI"};
    for (int t = 1; t <= 3; ++t) {
        auto* label = new QLabel(siNames[t], card);
        label->setToolTip("Stroke index of each hole, 1 the hardest: for the World Handicap System");
        grid->addWidget(label, 1 + t, 0);
        for (int h = 1; h <= 18; ++h) {
            auto* box = new QLineEdit(card);
            box->setObjectName(QString("SItext%1_%2").arg(t).arg(h));
            box->setAlignment(Qt::AlignCenter);
            box->setFixedWidth(34);
            box->setMaxLength(2);
            box->setStyleSheet(TeeColours[t]);
            grid->addWidget(box, 1 + t, h <= 9 ? h : h + 1);
            m_strokeIndexText[t][h] = box;
        }
    }
    grid->addWidget(heading("Out", card), 0, 10);
    grid->addWidget(m_outLabel, 1, 10);
    grid->addWidget(heading("In", card), 0, 20);
    grid->addWidget(m_inLabel, 1, 20);
    grid->addWidget(heading("Total", card), 0, 21);
    grid->addWidget(m_totalLabel, 1, 21);
    return card;
}

// Only digits reach a par box; Enter moves on to the next hole. Up and Down in a
// rating or slope panel step it as its spin button does.
bool CourseWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
        for (int t = 1; t <= 3; ++t) {
            auto i = static_cast<std::size_t>(t);
            if (watched == m_ratingPanel[i]) stepRating(t, key->key() == Qt::Key_Up);
            if (watched == m_slopePanel[i]) stepSlope(t, key->key() == Qt::Key_Up);
            if (watched == m_ratingPanel[i] || watched == m_slopePanel[i]) return true;
        }
    }
    for (int h = 1; h <= 18; ++h) {
        if (watched != m_parText[h]) continue;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (h < 18) m_parText[h + 1]->setFocus();
            return true;
        }
        QString text = key->text();
        if (text.isEmpty() || key->key() == Qt::Key_Backspace) return false;
        QChar c = text.front();
        bool typed = c.unicode() >= 32 && !(key->modifiers() & Qt::ControlModifier);
        return typed && (c < QChar('0') || c > QChar('9'));
    }
    return QWidget::eventFilter(watched, event);
}

void CourseWindow::takePar(int h) {
    QLineEdit* box = m_parText[h];
    QString text = qs(parBoxText(str(box->text())));
    if (text != box->text()) {
        box->setText(text); // changes the box again; that pass finds nothing to do
        return;
    }
    box->setCursorPosition(static_cast<int>(text.size()));
    CourseForm form = currentForm();
    if (h <= 9)
        m_outLabel->setText(qs(form.outText()));
    else
        m_inLabel->setText(qs(form.inText()));
    m_totalLabel->setText(qs(form.totalText()));
}

// A spin steps from the value typed last, once it is checked.
void CourseWindow::stepRating(int tee, bool up) {
    QLineEdit* p = m_ratingPanel[tee];
    checkTypedRating(tee);
    showPanel(p, qs(ratingSpin(str(p->text()), up)));
}

void CourseWindow::stepSlope(int tee, bool up) {
    QLineEdit* p = m_slopePanel[tee];
    checkTypedSlope(tee);
    showPanel(p, qs(slopeSpin(str(p->text()), up)));
}

bool CourseWindow::checkTypedRating(int tee) {
    QLineEdit* p = m_ratingPanel[tee];
    std::optional<double> value = typedRating(str(p->text()));
    return panelTyped(p, value, value ? ratingPanelText(*value) : std::string());
}

bool CourseWindow::checkTypedSlope(int tee) {
    QLineEdit* p = m_slopePanel[tee];
    std::optional<double> value = typedSlope(str(p->text()));
    return panelTyped(p, value, value ? slopePanelText(*value) : std::string());
}

bool CourseWindow::panelTyped(QLineEdit* panel, std::optional<double> value, const std::string& shown) {
    if (panel->text() == panel->property("shown").toString()) return true; // not typed into
    if (!value) {
        m_services.dialogs.beep();
        panel->setText(panel->property("shown").toString());
        return false;
    }
    showPanel(panel, qs(shown));
    return true;
}

// The panel's text, remembered as the value a refused entry goes back to.
void CourseWindow::showPanel(QLineEdit* panel, const QString& text) {
    panel->setText(text);
    panel->setProperty("shown", text);
}

CourseForm CourseWindow::currentForm() const {
    CourseForm form;
    form.name = str(m_nameText->text());
    for (int h = 1; h <= 18; ++h)
        form.parText[h] = str(m_parText[h]->text());
    for (int t = 1; t <= 3; ++t) {
        auto i = static_cast<std::size_t>(t);
        form.rating[i] = leadingNumber(str(m_ratingPanel[i]->text()));
        form.slope[i] = leadingNumber(str(m_slopePanel[i]->text()));
    }
    form.initials = str(m_initialsText->text());
    return form;
}

TeeHolesForms CourseWindow::currentTeeHoles() const {
    TeeHolesForms holes;
    for (std::size_t t = 1; t <= 3; ++t) {
        for (std::size_t h = 1; h <= 18; ++h)
            holes[t].strokeIndex[h] = str(m_strokeIndexText[t][h]->text());
        std::string* nine[] = {&holes[t].frontRating, &holes[t].frontSlope, &holes[t].backRating,
                               &holes[t].backSlope};
        for (std::size_t k = 0; k < 4; ++k)
            *nine[k] = str(m_nineText[t][k]->text());
    }
    return holes;
}

void CourseWindow::saveCourse() {
    for (int t = 1; t <= 3; ++t)
        if (!checkTypedRating(t) || !checkTypedSlope(t)) return;
    CourseForm form = currentForm();
    TeeHolesForms holes = currentTeeHoles();
    Failure refusal = checkCourseForm(m_store, form);
    if (!refusal) refusal = checkTeeHolesForms(holes);
    if (refusal) {
        m_services.dialogs.messageBox(*refusal);
        return;
    }
    // The course and its stroke indexes land together. A write failure has been
    // reported; the values stay in memory and the window closes all the same.
    Failure failure = applyChange(m_store, [&]() -> Failure {
        if (Failure f = saveCourseForm(m_store, form)) return f;
        return saveTeeHolesForms(m_store, m_store.CurrentCourse, holes);
    });
    if (failure) m_services.dialogs.messageBox(*failure);
    close();
}

// Save, cancel and the window's own close all end the course operation.
void CourseWindow::onClosing() {
    m_store.CourseFormMode = CourseWindowMode::None;
}

} // namespace tallyrock
