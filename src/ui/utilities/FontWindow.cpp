#include "FontWindow.h"

#include "ScreenPlacement.h"
#include "print/PrintFonts.h"
#include "services/Dialogs.h"
#include "services/QtText.h"
#include "utilities/PrinterFont.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace tallyrock {

FontWindow::FontWindow(Store& store, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint), m_store(store),
      m_dialogs(dialogs) {
    setObjectName("Setfont");
    setWindowTitle(FontWindowTitle);
    setWindowModality(Qt::ApplicationModal);

    m_List1 = new QListWidget(this);
    m_List1->setObjectName("List1");
    auto* frame = new QGroupBox("Current font", this);
    m_fontlabel = new QLabel(frame);
    m_fontlabel->setObjectName("fontlabel");
    m_fontlabel->setMinimumHeight(48);
    m_fontlabel->setAlignment(Qt::AlignCenter);
    auto* frameRow = new QVBoxLayout(frame);
    frameRow->addWidget(m_fontlabel);

    auto* recommended = new QLabel(RecommendedFontHint, this);
    auto* monospace = new QLabel(MonospaceHint, this);
    auto* okbutton = new QPushButton("OK", this);
    okbutton->setObjectName("okbutton");
    okbutton->setToolTip("Accept choices");
    okbutton->setDefault(true);
    auto* infobutton = new QToolButton(this);
    infobutton->setObjectName("infobutton");
    infobutton->setText("?");
    infobutton->setToolTip("Information");
    infobutton->setAccessibleName("Information");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(infobutton);
    buttons->addStretch(1);
    buttons->addWidget(okbutton);
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_List1, 1);
    column->addWidget(frame);
    column->addWidget(recommended);
    column->addWidget(monospace);
    column->addLayout(buttons);
    resize(380, 460);

    connect(m_List1, &QListWidget::itemClicked, this, &FontWindow::List1_Click);
    connect(okbutton, &QPushButton::clicked, this, &FontWindow::okbutton_Click);
    connect(infobutton, &QToolButton::clicked, this, &FontWindow::helpRequested);

    centreBelowMiddle(*this, 0);
    const std::string& stored = m_store.settings.FontName;
    m_fontlabel->setFont(printFont(stored, 14, false));
    m_fontlabel->setText(qs(stored));
    for (const QString& family : printableFontFamilies())
        m_List1->addItem(family);
    for (int i = 0; i < m_List1->count(); ++i)
        if (str(m_List1->item(i)->text()) == stored) m_List1->setCurrentRow(i);
    openPrinterFont(m_store.settings);
    m_dialogs.setBusy(false);
}

void FontWindow::List1_Click(QListWidgetItem* item) {
    if (!item) return;
    QFont font(item->text());
    font.setPointSize(14);
    m_fontlabel->setFont(font);
    m_fontlabel->setText(item->text());
}

void FontWindow::okbutton_Click() {
    std::string caption = str(m_fontlabel->text());
    hide();
    if (Failure failure = acceptPrinterFont(m_store, caption)) m_dialogs.messageBox(*failure);
    close();
}

} // namespace tallyrock
