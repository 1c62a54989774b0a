#include "CourseSelectionPanel.h"

#include "services/QtText.h"

#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tallyrock {

CourseSelectionPanel::CourseSelectionPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("Selectcoursepanel");
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    auto* row = new QHBoxLayout(this);
    row->addWidget(new QLabel("Select a Course:", this));
    m_courseBox = new QComboBox(this);
    m_courseBox->setObjectName("Selectcoursecombo");
    m_courseBox->setEditable(true);
    m_courseBox->setInsertPolicy(QComboBox::NoInsert);
    m_courseBox->setMinimumContentsLength(28);
    m_courseBox->lineEdit()->installEventFilter(this);
    row->addWidget(m_courseBox, 1);
    m_okButton = new QPushButton("Ok", this);
    m_okButton->setObjectName("okordeletebutton");
    auto* cancelButton = new QPushButton("Cancel", this);
    cancelButton->setObjectName("okordeletecancel");
    row->addWidget(m_okButton);
    row->addWidget(cancelButton);
    connect(m_okButton, &QPushButton::clicked, this, &CourseSelectionPanel::chosen);
    connect(cancelButton, &QPushButton::clicked, this, &CourseSelectionPanel::cancelled);
    hide();
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CourseSelectionPanel::offer(const std::vector<std::string>& courses, const QString& okCaption) {
    m_courseBox->clear();
    for (const std::string& name : courses)
        m_courseBox->addItem(qs(name));
    m_courseBox->setCurrentIndex(-1);
    m_courseBox->setEditText(QString());
    m_okButton->setText(okCaption);
    setEnabled(true);
    show();
}

void CourseSelectionPanel::withdraw() {
    hide();
    m_courseBox->clear();
}

QString CourseSelectionPanel::courseText() const {
    return m_courseBox->currentText();
}

void CourseSelectionPanel::focusCourseBox() {
    m_courseBox->setFocus();
}

bool CourseSelectionPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_courseBox->lineEdit() && event->type() == QEvent::MouseButtonDblClick) {
        emit chosen();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace tallyrock
