#include "RulesWindow.h"

#include "handicap/Rules.h"
#include "services/QtText.h"
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

std::string text(const QLineEdit* box) {
    return str(box->text());
}

QLineEdit* numberBox(const char* name, const QString& tip, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setToolTip(tip);
    box->setMaximumWidth(56);
    return box;
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

    m_dateremindcheck = new QCheckBox("Double check dates when entering Rounds", this);
    m_dateremindcheck->setObjectName("dateremindcheck");
    m_hcptext = numberBox("hcptext", "default factor is .96", this);
    auto* factorRow = new QHBoxLayout;
    factorRow->addWidget(new QLabel("Handicap Multiplier", this));
    factorRow->addWidget(m_hcptext);
    factorRow->addWidget(new QLabel("default factor is .96", this));
    factorRow->addStretch(1);

    QPushButton* okbutton =
        actionButton("&Accept choices", "okbutton", &RulesWindow::okbutton_Click, "Accept choices");
    okbutton->setAutoDefault(true);
    QPushButton* infobutton = helpButton("&Help with Handicap Settings", "infobutton");
    infobutton->setAutoDefault(true);

    auto* left = new QVBoxLayout;
    left->addWidget(methodFrame);
    left->addWidget(m_Frame3);
    left->addWidget(m_whsFrame);
    left->addLayout(factorRow);
    left->addWidget(m_dateremindcheck);
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

    connect(m_hcpoption, &QButtonGroup::idToggled, this, &RulesWindow::hcpoption_Click);
    connect(m_roundsoption, &QButtonGroup::idToggled, this, &RulesWindow::roundsoption_Click);
    connect(m_hcplimitoption, &QButtonGroup::idToggled, this, &RulesWindow::hcplimitoption_Click);
    connect(m_Strokeoption, &QButtonGroup::idToggled, this, &RulesWindow::Strokeoption_Click);

    showForm(rulesFormValues(m_store.settings));
    adjustSize();
    centreBelowMiddle(*this, 0);
    if (QAbstractButton* chosen = m_hcpoption->checkedButton()) chosen->setFocus();
}

// The method choices, with the Casual system's own Info button.
QGroupBox* RulesWindow::buildMethodFrame() {
    auto* methodFrame = namedGroup("Handicapping Method", "methodframe", this);
    m_hcpoption = optionGroup(
        methodFrame, "hcpoption",
        {{"Standard (similar to USGA && RCGA)", "The most popular Handicapping Method"},
         {"Handicap to Par", "Handicap to course par rather than course ratings"},
         {"Casual Handicap System  -->", "Click on the INFO button for a description of this system"},
         {"World Handicap System (2024)", "The rules golf has used since 2020, as revised in 2024"}});
    auto* CasualInfoButton = new QPushButton("Info", methodFrame);
    CasualInfoButton->setObjectName("CasualInfoButton");
    static_cast<QGridLayout*>(methodFrame->layout())->addWidget(CasualInfoButton, 3, 1);
    connect(CasualInfoButton, &QPushButton::clicked, this, &RulesWindow::CasualInfoButton_Click);
    return methodFrame;
}

void RulesWindow::buildRoundsFrame() {
    m_Frame3 = namedGroup(RoundsFrameCaption, "Frame3", this);
    m_roundsoption = optionGroup(
        m_Frame3, "roundsoption",
        {{"Standard (similar to USGA && RCGA)", "Schedule similar to USGA"},
         {"All until 9 rounds have been recorded", "Reverts back to Std. Schedule after 9 rounds"},
         {"Use Best", PercentTip},
         {"Use Each Players Last", "10 is Std. 20 Maximum"}});
    m_percentroundstext = numberBox("percentroundstext", PercentTip, m_Frame3);
    m_Roundstext = numberBox("Roundstext", "10 is Std. 20 Maximum", m_Frame3);
    auto* roundsGrid = static_cast<QGridLayout*>(m_Frame3->layout());
    roundsGrid->addWidget(m_percentroundstext, 3, 1);
    roundsGrid->addWidget(new QLabel("% of Rounds played", m_Frame3), 3, 2);
    roundsGrid->addWidget(m_Roundstext, 4, 1);
    roundsGrid->addWidget(new QLabel("Rounds", m_Frame3), 4, 2);
}

QGroupBox* RulesWindow::buildLimitFrame() {
    auto* limitFrame = namedGroup("Handicap Limitations", "limitframe", this);
    m_hcplimitoption = optionGroup(
        limitFrame, "hcplimitoption",
        {{"Don't Limit Handicap Indexes", ""}, {"Sandard 36.4 men 40.4 women", ""}, {"Custom", ""}});
    m_menshcpmaxtext = numberBox("menshcpmaxtext", LimitTip, limitFrame);
    m_womenshcpmaxtext = numberBox("womenshcpmaxtext", LimitTip, limitFrame);
    auto* customRow = new QHBoxLayout;
    customRow->addWidget(new QLabel("Men", limitFrame));
    customRow->addWidget(m_menshcpmaxtext);
    customRow->addWidget(new QLabel("Women", limitFrame));
    customRow->addWidget(m_womenshcpmaxtext);
    customRow->addStretch(1);
    static_cast<QGridLayout*>(limitFrame->layout())->addLayout(customRow, 3, 1);
    return limitFrame;
}

QGroupBox* RulesWindow::buildStrokeFrame() {
    auto* strokeFrame = namedGroup("Stroke Control Limits", "strokeframe", this);
    m_Strokeoption =
        optionGroup(strokeFrame, "Strokeoption",
                    {{"Don't use any Stroke adjustments", "Any limits applied manually during play"},
                     {"Standard (similar to USGA sched.)", "Hole score limits by Handicap Schedule"},
                     {"Strokes above Par", AboveParTip},
                     {"Maximum per Hole", MaxStrokeTip}});
    m_abovepartext = numberBox("abovepartext", AboveParTip, strokeFrame);
    m_Maxstroketext = numberBox("Maxstroketext", MaxStrokeTip, strokeFrame);
    auto* strokeGrid = static_cast<QGridLayout*>(strokeFrame->layout());
    strokeGrid->addWidget(m_abovepartext, 3, 1);
    strokeGrid->addWidget(m_Maxstroketext, 4, 1);
    return strokeFrame;
}

QGroupBox* RulesWindow::buildNineHoleFrame() {
    auto* nineFrame = namedGroup("9 Hole Round Processing", "nineholeframe", this);
    m_NineHoleOption =
        optionGroup(nineFrame, "NineHoleOption",
                    {{"Program doubles 9 hole socres", "Our Recommendation - Produces an 18 hole handicap"},
                     {"Program divides course rating by 2", NineHoleTip},
                     {"Use Adjusted 9 hole ratings", NineHoleTip}});
    return nineFrame;
}

// The World Handicap System's own numbers: the allowance and the expected nine-hole differential.
QGroupBox* RulesWindow::buildWhsFrame() {
    auto* frame = namedGroup("World Handicap System", "whsframe", this);
    m_allowancetext = numberBox("allowancetext", "Playing handicap allowance, 1 to 100 %", frame);
    m_ninefactortext = numberBox("ninefactortext", "Factor of the index, 0 to 1", frame);
    m_ninebasetext = numberBox("ninebasetext", "Added strokes, 0 to 5", frame);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel("Allowance", frame), 0, 0);
    grid->addWidget(m_allowancetext, 0, 1);
    grid->addWidget(new QLabel("%", frame), 0, 2);
    grid->addWidget(new QLabel("Expected 9-hole differential", frame), 1, 0);
    auto* expected = new QHBoxLayout;
    expected->addWidget(m_ninefactortext);
    expected->addWidget(new QLabel("x index +", frame));
    expected->addWidget(m_ninebasetext);
    expected->addStretch(1);
    grid->addLayout(expected, 1, 1, 1, 3);
    auto* note = new QLabel("An approximation: the handicap authorities do not publish theirs.", frame);
    note->setWordWrap(true);
    grid->addWidget(note, 2, 0, 1, 4);
    grid->setColumnStretch(3, 1);
    return frame;
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
    check(m_hcpoption, f.method);
    check(m_roundsoption, f.roundsOption);
    m_percentroundstext->setText(qs(f.percentText));
    m_Roundstext->setText(qs(f.roundsText));
    check(m_NineHoleOption, f.nineHole);
    check(m_hcplimitoption, f.limitOption);
    m_menshcpmaxtext->setText(qs(f.mensText));
    m_womenshcpmaxtext->setText(qs(f.womensText));
    m_dateremindcheck->setChecked(f.dateRemind);
    m_hcptext->setText(qs(f.factorText));
    check(m_Strokeoption, f.strokeOption);
    m_abovepartext->setText(qs(f.aboveParText));
    m_Maxstroketext->setText(qs(f.maxStrokeText));
    m_allowancetext->setText(qs(f.allowanceText));
    m_ninefactortext->setText(qs(f.nineFactorText));
    m_ninebasetext->setText(qs(f.nineBaseText));
    // A selection raises the click handlers, so the enabled states follow.
    hcpoption_Click();
    roundsoption_Click();
    hcplimitoption_Click();
    Strokeoption_Click();
}

RulesForm RulesWindow::form() const {
    RulesForm f;
    f.method = m_hcpoption->checkedId();
    f.roundsOption = m_roundsoption->checkedId();
    f.percentText = text(m_percentroundstext);
    f.roundsText = text(m_Roundstext);
    f.limitOption = m_hcplimitoption->checkedId();
    f.mensText = text(m_menshcpmaxtext);
    f.womensText = text(m_womenshcpmaxtext);
    f.strokeOption = m_Strokeoption->checkedId();
    f.aboveParText = text(m_abovepartext);
    f.maxStrokeText = text(m_Maxstroketext);
    f.nineHole = std::max(0, m_NineHoleOption->checkedId());
    f.dateRemind = m_dateremindcheck->isChecked();
    f.factorText = text(m_hcptext);
    f.allowanceText = text(m_allowancetext);
    f.nineFactorText = text(m_ninefactortext);
    f.nineBaseText = text(m_ninebasetext);
    return f;
}

void RulesWindow::hcpoption_Click() {
    bool casual = m_hcpoption->checkedId() == 3;
    bool whs = whsChosen(form());
    m_Frame3->setEnabled(!casual && !whs);
    m_Frame3->setTitle(casual ? CasualFrameCaption : whs ? WhsFrameCaption : RoundsFrameCaption);
    // Net double bogey, the index table and the method's own nine-hole rule take their places.
    m_strokeFrame->setEnabled(!whs);
    m_nineFrame->setEnabled(!whs);
    m_hcptext->setEnabled(!whs);
    m_whsFrame->setEnabled(whs);
}

void RulesWindow::roundsoption_Click() {
    m_percentroundstext->setEnabled(m_roundsoption->checkedId() == 3);
    m_Roundstext->setEnabled(m_roundsoption->checkedId() == 4);
}

void RulesWindow::hcplimitoption_Click() {
    bool custom = m_hcplimitoption->checkedId() == 3;
    m_menshcpmaxtext->setEnabled(custom);
    m_womenshcpmaxtext->setEnabled(custom);
}

void RulesWindow::Strokeoption_Click() {
    m_abovepartext->setEnabled(m_Strokeoption->checkedId() == 3);
    m_Maxstroketext->setEnabled(m_Strokeoption->checkedId() == 4);
}

void RulesWindow::CasualInfoButton_Click() {
    m_services.dialogs.messageBox(casualDescription());
}

void RulesWindow::okbutton_Click() {
    RulesForm chosen = form();
    hide();
    if (Failure failure = acceptRules(m_store, chosen)) m_services.dialogs.messageBox(*failure);
    close();
}

} // namespace tallyrock
