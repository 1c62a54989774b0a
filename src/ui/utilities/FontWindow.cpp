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

    m_fontList = new QListWidget(this);
    m_fontList->setObjectName("List1");
    auto* frame = new QGroupBox("Current font", this);
    m_fontLabel = new QLabel(frame);
    m_fontLabel->setObjectName("fontlabel");
    m_fontLabel->setMinimumHeight(48);
    m_fontLabel->setAlignment(Qt::AlignCenter);
    auto* frameRow = new QVBoxLayout(frame);
    frameRow->addWidget(m_fontLabel);

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
    column->addWidget(m_fontList, 1);
    column->addWidget(frame);
    column->addWidget(recommended);
    column->addWidget(monospace);
    column->addLayout(buttons);
    resize(380, 460);

    connect(m_fontList, &QListWidget::itemClicked, this, &FontWindow::previewFont);
    connect(okbutton, &QPushButton::clicked, this, &FontWindow::acceptFont);
    connect(infobutton, &QToolButton::clicked, this, &FontWindow::helpRequested);

    centreBelowMiddle(*this, 0);
    const std::string& stored = m_store.settings.FontName;
    m_fontLabel->setFont(printFont(stored, 14, false));
    m_fontLabel->setText(qs(stored));
    for (const QString& family : printableFontFamilies())
        m_fontList->addItem(family);
    for (int i = 0; i < m_fontList->count(); ++i)
        if (str(m_fontList->item(i)->text()) == stored) m_fontList->setCurrentRow(i);
    openPrinterFont(m_store.settings);
    m_dialogs.setBusy(false);
}

void FontWindow::previewFont(QListWidgetItem* item) {
    if (!item) return;
    QFont font(item->text());
    font.setPointSize(14);
    m_fontLabel->setFont(font);
    m_fontLabel->setText(item->text());
}

void FontWindow::acceptFont() {
    std::string caption = str(m_fontLabel->text());
    hide();
    if (Failure failure = acceptPrinterFont(m_store, caption)) m_dialogs.messageBox(*failure);
    close();
}

} // namespace tallyrock
