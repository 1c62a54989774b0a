#include "RulesWindow.h"

#include "handicap/Rules.h"
#include "services/QtText.h"
#include "store/RuleOptions.h"
#include "utilities/ScreenPlacement.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tallyrock {

namespace {

const char* const RoundsFrameCaption = "# of Rounds to use in the Calculations";
const char* const CasualFrameCaption = "Options not available with the Casual System";
const char* const WhsFrameCaption = "Options not available with the World Handicap System";
const char* const PercentTip = "Enter the percentage without a % sign";
const char* const LimitTip = "45 is the maximum limit";
const char* const AboveParTip = "Range 2 - 8 strokes";
const char* const MaxStrokeTip = "10 stroke maximum recommended";
const char* const NineHoleTip = "Click on the lower Info button for considerations";

// The radio buttons' ids are the numbers the settings store for each option.
template <typename Option> bool isChosen(const QButtonGroup* group, Option option) {
    return group->checkedId() == stored(option);
}

void check(QButtonGroup* group, int id) {
    if (QAbstractButton* button = group->button(id)) button->setChecked(true);
}

} // namespace

RulesWindow::RulesWindow(Store& store, UiServices& services, QWidget* parent)
    : ToolWindow(store, services, parent, "HcpRulesForm", "Handicapping Options / Methods") {
    QGroupBox* methodFrame = buildMethodFrame();
    buildRoundsFrame();
    QGroupBox* limitFrame = buildLimitFrame();
    m_strokeFrame = buildStrokeFrame();
    m_nineFrame = buildNineHoleFrame();
    m_whsFrame = buildWhsFrame();

    m_dateRemindCheck = new QCheckBox("Double check dates when entering Rounds", this);
    m_dateRemindCheck->setObjectName("dateremindcheck");
    m_factorText = numberBox("hcptext", "default factor is .96", this, &RulesForm::factorText);
    auto* factorRow = new QHBoxLayout;
    factorRow->addWidget(new QLabel("Handicap Multiplier", this));
    factorRow->addWidget(m_factorText);
    factorRow->addWidget(new QLabel("default factor is .96", this));
    factorRow->addStretch(1);

    QPushButton* okbutton =
        actionButton("&Accept choices", "okbutton", &RulesWindow::acceptRulesAndClose, "Accept choices");
    okbutton->setAutoDefault(true);
    QPushButton* infobutton = helpButton("&Help with Handicap Settings", "infobutton");
    infobutton->setAutoDefault(true);

    auto* left = new QVBoxLayout;
    left->addWidget(methodFrame);
    left->addWidget(m_roundsFrame);
    left->addWidget(m_whsFrame);
    left->addLayout(factorRow);
    left->addWidget(m_dateRemindCheck);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(limitFrame);
    right->addWidget(m_strokeFrame);
    right->addWidget(m_nineFrame);
    right->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addLayout(rowOf({infobutton, nullptr, okbutton}));

    connect(m_methodOption, &QButtonGroup::idToggled, this, &RulesWindow::enableForMethod);
    connect(m_roundsOption, &QButtonGroup::idToggled, this, &RulesWindow::enableForRoundsUsed);
    connect(m_limitOption, &QButtonGroup::idToggled, this, &RulesWindow::enableForLimit);
    connect(m_strokeOption, &QButtonGroup::idToggled, this, &RulesWindow::enableForStrokeControl);

    showForm(rulesFormValues(m_store.settings));
    adjustSize();
    centreBelowMiddle(*this, 0);
    if (QAbstractButton* chosen = m_methodOption->checkedButton()) chosen->setFocus();
}

// The method choices, with the Casual system's own Info button.
QGroupBox* RulesWindow::buildMethodFrame() {
    auto* methodFrame = namedGroup("Handicapping Method", "methodframe", this);
    m_methodOption = optionGroup(
        methodFrame, "hcpoption",
        {{"Standard (similar to USGA && RCGA)", "The most popular Handicapping Method"},
         {"Handicap to Par", "Handicap to course par rather than course ratings"},
         {"Casual Handicap System  -->", "Click on the INFO button for a description of this system"},
         {"World Handicap System (2024)", "The rules golf has used since 2020, as revised in 2024"}});
    auto* CasualInfoButton = new QPushButton("Info", methodFrame);
    CasualInfoButton->setObjectName("CasualInfoButton");
    static_cast<QGridLayout*>(methodFrame->layout())->addWidget(CasualInfoButton, 3, 1);
    connect(CasualInfoButton, &QPushButton::clicked, this, &RulesWindow::showCasualDescription);
    return methodFrame;
}

void RulesWindow::buildRoundsFrame() {
    m_roundsFrame = namedGroup(RoundsFrameCaption, "Frame3", this);
    m_roundsOption = optionGroup(
        m_roundsFrame, "roundsoption",
        {{"Standard (similar to USGA && RCGA)", "Schedule similar to USGA"},
         {"All until 9 rounds have been recorded", "Reverts back to Std. Schedule after 9 rounds"},
         {"Use Best", PercentTip},
         {"Use Each Players Last", "10 is Std. 20 Maximum"}});
    m_percentRoundsText = numberBox("percentroundstext", PercentTip, m_roundsFrame, &RulesForm::percentText);
    m_roundsText = numberBox("Roundstext", "10 is Std. 20 Maximum", m_roundsFrame, &RulesForm::roundsText);
    auto* roundsGrid = static_cast<QGridLayout*>(m_roundsFrame->layout());
    roundsGrid->addWidget(m_percentRoundsText, 3, 1);
    roundsGrid->addWidget(new QLabel("% of Rounds played", m_roundsFrame), 3, 2);
    roundsGrid->addWidget(m_roundsText, 4, 1);
    roundsGrid->addWidget(new QLabel("Rounds", m_roundsFrame), 4, 2);
}

QGroupBox* RulesWindow::buildLimitFrame() {
    auto* limitFrame = namedGroup("Handicap Limitations", "limitframe", this);
    m_limitOption = optionGroup(
        limitFrame, "hcplimitoption",
        {{"Don't Limit Handicap Indexes", ""}, {"Sandard 36.4 men 40.4 women", ""}, {"Custom", ""}});
    m_menMaxText = numberBox("menshcpmaxtext", LimitTip, limitFrame, &RulesForm::mensText);
    m_womenMaxText = numberBox("womenshcpmaxtext", LimitTip, limitFrame, &RulesForm::womensText);
    auto* customRow = new QHBoxLayout;
    customRow->addWidget(new QLabel("Men", limitFrame));
    customRow->addWidget(m_menMaxText);
    customRow->addWidget(new QLabel("Women", limitFrame));
    customRow->addWidget(m_womenMaxText);
    customRow->addStretch(1);
    static_cast<QGridLayout*>(limitFrame->layout())->addLayout(customRow, 3, 1);
    return limitFrame;
}

QGroupBox* RulesWindow::buildStrokeFrame() {
    auto* strokeFrame = namedGroup("Stroke Control Limits", "strokeframe", this);
    m_strokeOption =
        optionGroup(strokeFrame, "Strokeoption",
                    {{"Don't use any Stroke adjustments", "Any limits applied manually during play"},
                     {"Standard (similar to USGA sched.)", "Hole score limits by Handicap Schedule"},
                     {"Strokes above Par", AboveParTip},
                     {"Maximum per Hole", MaxStrokeTip}});
    m_aboveParText = numberBox("abovepartext", AboveParTip, strokeFrame, &RulesForm::aboveParText);
    m_maxStrokeText = numberBox("Maxstroketext", MaxStrokeTip, strokeFrame, &RulesForm::maxStrokeText);
    auto* strokeGrid = static_cast<QGridLayout*>(strokeFrame->layout());
    strokeGrid->addWidget(m_aboveParText, 3, 1);
    strokeGrid->addWidget(m_maxStrokeText, 4, 1);
    return strokeFrame;
}

QGroupBox* RulesWindow::buildNineHoleFrame() {
    auto* nineFrame = namedGroup("9 Hole Round Processing", "nineholeframe", this);
    m_nineHoleOption =
        optionGroup(nineFrame, "NineHoleOption",
                    {{"Program doubles 9 hole socres", "Our Recommendation - Produces an 18 hole handicap"},
                     {"Program divides course rating by 2", NineHoleTip},
                     {"Use Adjusted 9 hole ratings", NineHoleTip}});
    return nineFrame;
}

// The World Handicap System's own numbers: the allowance and the expected nine-hole differential.
QGroupBox* RulesWindow::buildWhsFrame() {
    auto* frame = namedGroup("World Handicap System", "whsframe", this);
    QLineEdit* allowance = numberBox("allowancetext", "Playing handicap allowance, 1 to 100 %", frame,
                                     &RulesForm::allowanceText);
    QLineEdit* nineFactor =
        numberBox("ninefactortext", "Factor of the index, 0 to 1", frame, &RulesForm::nineFactorText);
    QLineEdit* nineBase = numberBox("ninebasetext", "Added strokes, 0 to 5", frame, &RulesForm::nineBaseText);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel("Allowance", frame), 0, 0);
    grid->addWidget(allowance, 0, 1);
    grid->addWidget(new QLabel("%", frame), 0, 2);
    grid->addWidget(new QLabel("Expected 9-hole differential", frame), 1, 0);
    auto* expected = new QHBoxLayout;
    expected->addWidget(nineFactor);
    expected->addWidget(new QLabel("x index +", frame));
    expected->addWidget(nineBase);
    expected->addStretch(1);
    grid->addLayout(expected, 1, 1, 1, 3);
    auto* note = new QLabel("An approximation: the handicap authorities do not publish theirs.", frame);
    note->setWordWrap(true);
    grid->addWidget(note, 2, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return frame;
}

QLineEdit* RulesWindow::numberBox(const char* name, const QString& tip, QWidget* parent,
                                  std::string RulesForm::*field) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setToolTip(tip);
    box->setMaximumWidth(56);
    m_numberBoxes.emplace_back(box, field);
    return box;
}

QButtonGroup* RulesWindow::optionGroup(QGroupBox* frame, const char* name,
                                       const std::vector<std::pair<QString, QString>>& options) {
    auto* group = new QButtonGroup(frame);
    group->setObjectName(name);
    auto* grid = new QGridLayout(frame);
    int id = 0;
    for (const auto& [caption, tip] : options) {
        auto* option = new QRadioButton(caption, frame);
        option->setObjectName(QString("%1%2").arg(name).arg(++id));
        option->setToolTip(tip);
        group->addButton(option, id);
        grid->addWidget(option, id, 0);
    }
    grid->setColumnStretch(3, 1);
    return group;
}

void RulesWindow::showForm(const RulesForm& f) {
    check(m_methodOption, f.method);
    check(m_roundsOption, f.roundsOption);
    check(m_nineHoleOption, f.nineHole);
    check(m_limitOption, f.limitOption);
    m_dateRemindCheck->setChecked(f.dateRemind);
    check(m_strokeOption, f.strokeOption);
    for (const auto& [box, field] : m_numberBoxes)
        box->setText(qs(f.*field));
    // A selection raises the click handlers, so the enabled states follow.
    enableForMethod();
    enableForRoundsUsed();
    enableForLimit();
    enableForStrokeControl();
}

RulesForm RulesWindow::form() const {
    RulesForm f;
    f.method = m_methodOption->checkedId();
    f.roundsOption = m_roundsOption->checkedId();
    f.limitOption = m_limitOption->checkedId();
    f.strokeOption = m_strokeOption->checkedId();
    f.nineHole = std::max(0, m_nineHoleOption->checkedId());
    f.dateRemind = m_dateRemindCheck->isChecked();
    for (const auto& [box, field] : m_numberBoxes)
        f.*field = str(box->text());
    return f;
}

void RulesWindow::enableForMethod() {
    bool casual = isChosen(m_methodOption, HandicapMethod::Casual);
    bool whs = whsChosen(form());
    m_roundsFrame->setEnabled(!casual && !whs);
    m_roundsFrame->setTitle(casual ? CasualFrameCaption : whs ? WhsFrameCaption : RoundsFrameCaption);
    // Net double bogey, the index table and the method's own nine-hole rule take their places.
    m_strokeFrame->setEnabled(!whs);
    m_nineFrame->setEnabled(!whs);
    m_factorText->setEnabled(!whs);
    m_whsFrame->setEnabled(whs);
}

void RulesWindow::enableForRoundsUsed() {
    m_percentRoundsText->setEnabled(isChosen(m_roundsOption, RoundsSelection::BestPercentage));
    m_roundsText->setEnabled(isChosen(m_roundsOption, RoundsSelection::LastN));
}

void RulesWindow::enableForLimit() {
    bool custom = isChosen(m_limitOption, HandicapLimit::Custom);
    m_menMaxText->setEnabled(custom);
    m_womenMaxText->setEnabled(custom);
}

void RulesWindow::enableForStrokeControl() {
    m_aboveParText->setEnabled(isChosen(m_strokeOption, StrokeControl::StrokesAbovePar));
    m_maxStrokeText->setEnabled(isChosen(m_strokeOption, StrokeControl::MaxPerHole));
}

void RulesWindow::showCasualDescription() {
    m_services.dialogs.messageBox(casualDescription());
}

void RulesWindow::acceptRulesAndClose() {
    RulesForm chosen = form();
    hide();
    if (Failure failure = acceptRules(m_store, chosen)) m_services.dialogs.messageBox(*failure);
    close();
}

} // namespace tallyrock
