#include "SplashWindow.h"

#include "MainWindow.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>
#include <QTimer>

namespace tallyrock {

namespace {
const QColor TitleGreen(23, 145, 23);
constexpr QSize ArtworkSize(560, 330);
} // namespace

QPixmap splashArtwork(QSize size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    double w = size.width(), h = size.height();

    QLinearGradient sky(0, 0, 0, h * 0.6);
    sky.setColorAt(0, QColor(40, 70, 140));
    sky.setColorAt(0.6, QColor(250, 170, 90));
    sky.setColorAt(1, QColor(255, 225, 150));
    p.fillRect(QRectF(0, 0, w, h), sky);

    QRadialGradient sun(w * 0.78, h * 0.5, h * 0.22);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(0.35, QColor(255, 220, 120));
    sun.setColorAt(1, QColor(255, 200, 100, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(w * 0.78, h * 0.5), h * 0.22, h * 0.22);

    // Far hills, then the rough, then the fairway winding up to the green.
    QPainterPath hills;
    hills.moveTo(0, h * 0.55);
    hills.cubicTo(w * 0.2, h * 0.42, w * 0.35, h * 0.6, w * 0.55, h * 0.5);
    hills.cubicTo(w * 0.7, h * 0.44, w * 0.85, h * 0.56, w, h * 0.5);
    hills.lineTo(w, h);
    hills.lineTo(0, h);
    p.setBrush(QColor(40, 95, 60));
    p.drawPath(hills);

    QPainterPath rough;
    rough.moveTo(0, h * 0.66);
    rough.cubicTo(w * 0.3, h * 0.58, w * 0.6, h * 0.7, w, h * 0.6);
    rough.lineTo(w, h);
    rough.lineTo(0, h);
    p.setBrush(QColor(30, 120, 40));
    p.drawPath(rough);

    QPainterPath fairway;
    fairway.moveTo(w * 0.05, h);
    fairway.cubicTo(w * 0.25, h * 0.85, w * 0.2, h * 0.72, w * 0.45, h * 0.66);
    fairway.lineTo(w * 0.62, h * 0.66);
    fairway.cubicTo(w * 0.5, h * 0.74, w * 0.55, h * 0.88, w * 0.7, h);
    fairway.closeSubpath();
    QLinearGradient mown(0, h * 0.66, 0, h);
    mown.setColorAt(0, QColor(90, 180, 70));
    mown.setColorAt(1, QColor(60, 160, 50));
    p.setBrush(mown);
    p.drawPath(fairway);

    // Bunker and green with the flag.
    p.setBrush(QColor(235, 215, 160));
    p.drawEllipse(QPointF(w * 0.4, h * 0.72), w * 0.05, h * 0.018);
    p.setBrush(QColor(120, 205, 90));
    p.drawEllipse(QPointF(w * 0.54, h * 0.665), w * 0.08, h * 0.025);
    p.setBrush(QColor(20, 40, 20));
    p.drawEllipse(QPointF(w * 0.55, h * 0.665), 3, 1.5);
    p.setPen(QPen(QColor(240, 240, 240), 2));
    p.drawLine(QPointF(w * 0.55, h * 0.665), QPointF(w * 0.55, h * 0.50));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 30));
    QPolygonF flag;
    flag << QPointF(w * 0.55, h * 0.50) << QPointF(w * 0.59, h * 0.52) << QPointF(w * 0.55, h * 0.54);
    p.drawPolygon(flag);

    // A ball on its tee in the foreground.
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QPointF(w * 0.2, h * 0.93), 16, 4);
    p.setBrush(QColor(230, 200, 150));
    p.drawRect(QRectF(w * 0.2 - 2, h * 0.86, 4, h * 0.07));
    QRadialGradient ball(w * 0.2 - 4, h * 0.84 - 4, 14);
    ball.setColorAt(0, Qt::white);
    ball.setColorAt(1, QColor(200, 200, 210));
    p.setBrush(ball);
    p.drawEllipse(QPointF(w * 0.2, h * 0.84), 10, 10);
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

    m_Image1 = new QLabel(this);
    m_Image1->setObjectName("Image1");
    m_Image1->setPixmap(splashArtwork(ArtworkSize));
    m_Image1->setGeometry(0, 0, ArtworkSize.width(), ArtworkSize.height());
    m_Image1->installEventFilter(this);

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
    m_Picture2 = new QLabel(this);
    m_Picture2->setObjectName("Picture2");
    m_Picture2->setGeometry(0, ArtworkSize.height(), ArtworkSize.width(), height() - ArtworkSize.height());
    m_Picture2->setAutoFillBackground(true);
    QPalette strip = m_Picture2->palette();
    strip.setColor(QPalette::Window, Qt::black);
    strip.setColor(QPalette::WindowText, TitleGreen);
    m_Picture2->setPalette(strip);
    QFont small = m_Picture2->font();
    small.setPointSize(6);
    m_Picture2->setFont(small);
    m_Picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_Picture2->setContentsMargins(1, 1, 0, 0);
    m_Picture2->setMinimumHeight(stripHeight);
    m_toggle = false;
    writeStrip(SplashTitleLine);

    int below = static_cast<int>(10 * logicalDpiY() / 72.0);
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2 + below);

    m_Timer1 = new QTimer(this);
    m_Timer1->setObjectName("Timer1");
    m_Timer1->setInterval(5000);
    connect(m_Timer1, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
    m_Timer1->start();
    setFocusPolicy(Qt::StrongFocus);
}

void SplashWindow::writeStrip(const QString& text) {
    m_stripText = text;
    m_Picture2->setText(text);
}

void SplashWindow::Timer1_Timer() {
    if (!m_toggle) {
        writeStrip(SplashHelpLine);
        m_toggle = true;
    } else {
        writeStrip(SplashTitleLine);
        m_toggle = false;
    }
}

void SplashWindow::closeSplash() {
    m_Timer1->stop();
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
    if (watched == m_Image1 && event->type() == QEvent::MouseButtonPress) {
        closeSplash();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tallyrock
