#include "SplashWindow.h"

#include "MainWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

// The picture is compiled into the library; a static library has to register it itself.
static void registerSplashPicture() {
    Q_INIT_RESOURCE(splash);
}

namespace tallyrock {

namespace {
const QColor TitleGreen(23, 145, 23);
constexpr QSize ArtworkSize(560, 330);
} // namespace

QPixmap splashArtwork(QSize size) {
    registerSplashPicture();
    QPixmap pixmap(size);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    QSvgRenderer(QStringLiteral(":/splash/splash.svg")).render(&painter);
    return pixmap;
}

SplashWindow::SplashWindow(MainWindow& main, bool loadMain, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::WindowStaysOnTopHint), m_main(main) {
    setObjectName("Form1");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Tallyrock");

    QScreen* screen = QGuiApplication::primaryScreen();
    QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
    m_screenWidthPx = static_cast<int>(area.width() * (screen ? screen->devicePixelRatio() : 1.0));
    if (loadMain) m_main.load(area, m_screenWidthPx);

    m_artwork = new QLabel(this);
    m_artwork->setObjectName("Image1");
    m_artwork->setPixmap(splashArtwork(ArtworkSize));
    m_artwork->setGeometry(0, 0, ArtworkSize.width(), ArtworkSize.height());
    m_artwork->installEventFilter(this);

    auto label = [this](const char* name, const char* caption, int points, QPoint at) {
        auto* l = new QLabel(caption, this);
        l->setObjectName(name);
        QFont font("Liberation Serif");
        font.setPointSize(points);
        font.setBold(true);
        font.setItalic(true);
        l->setFont(font);
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, TitleGreen);
        l->setPalette(palette);
        l->move(at);
        l->adjustSize();
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        return l;
    };
    QLabel* title = label("Label1", "Tallyrock", 40, QPoint(24, 14));
    label("Label2", "v2.3", 14, QPoint(title->geometry().right() + 8, title->geometry().bottom() - 30));

    int stripHeight = static_cast<int>(ArtworkSize.height() * 0.05);
    setFixedSize(ArtworkSize.width(), static_cast<int>(ArtworkSize.height() * 1.05));
    m_stripLabel = new QLabel(this);
    m_stripLabel->setObjectName("Picture2");
    m_stripLabel->setGeometry(0, ArtworkSize.height(), ArtworkSize.width(), height() - ArtworkSize.height());
    m_stripLabel->setAutoFillBackground(true);
    QPalette strip = m_stripLabel->palette();
    strip.setColor(QPalette::Window, Qt::black);
    strip.setColor(QPalette::WindowText, TitleGreen);
    m_stripLabel->setPalette(strip);
    QFont small = m_stripLabel->font();
    small.setPointSize(6);
    m_stripLabel->setFont(small);
    m_stripLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_stripLabel->setContentsMargins(1, 1, 0, 0);
    m_stripLabel->setMinimumHeight(stripHeight);
    m_toggle = false;
    writeStrip(SplashTitleLine);

    int below = static_cast<int>(10 * logicalDpiY() / 72.0);
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2 + below);

    m_stripTimer = new QTimer(this);
    m_stripTimer->setObjectName("Timer1");
    m_stripTimer->setInterval(5000);
    connect(m_stripTimer, &QTimer::timeout, this, &SplashWindow::alternateStrip);
    m_stripTimer->start();
    setFocusPolicy(Qt::StrongFocus);
}

void SplashWindow::writeStrip(const QString& text) {
    m_stripText = text;
    m_stripLabel->setText(text);
}

void SplashWindow::alternateStrip() {
    if (!m_toggle) {
        writeStrip(SplashHelpLine);
        m_toggle = true;
    } else {
        writeStrip(SplashTitleLine);
        m_toggle = false;
    }
}

void SplashWindow::closeSplash() {
    m_stripTimer->stop();
    m_main.setEnabled(true);
    m_main.show();
    m_main.activateWindow();
    hide();
    close();
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    // Every key is taken; only Enter and the space bar close the window.
    event->accept();
    int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) closeSplash();
}

void SplashWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    closeSplash();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_artwork && event->type() == QEvent::MouseButtonPress) {
        closeSplash();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tallyrock
