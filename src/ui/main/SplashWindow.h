#pragma once
// The splash window (Form1): shown at start-up while the main window loads
// behind it, and again by "About Tallyrock". It stays until the user clicks
// it or presses Enter or the space bar; then the main window is shown.

#include <QWidget>

class QLabel;
class QTimer;

namespace tallyrock {

class MainWindow;

inline constexpr const char* SplashTitleLine = "  Tallyrock v2.3  -  golf league scores and handicaps  -  "
                                               "press Enter or click to begin";
inline constexpr const char* SplashHelpLine =
    "        Please check Help Menu for General program information.";

class SplashWindow : public QWidget {
    Q_OBJECT
  public:
    // With `loadMain` the main window's load runs inside the splash window's.
    SplashWindow(MainWindow& main, bool loadMain, QWidget* parent = nullptr);

    // The text the message strip shows now.
    QString stripText() const { return m_stripText; }
    // The horizontal resolution of the screen, in pixels.
    int screenWidthPx() const { return m_screenWidthPx; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void alternateStrip();
    void writeStrip(const QString& text);
    void closeSplash();

    MainWindow& m_main;
    QLabel* m_artwork = nullptr;
    QLabel* m_stripLabel = nullptr;
    QTimer* m_stripTimer = nullptr;
    QString m_stripText;
    bool m_toggle = false;
    int m_screenWidthPx = 0;
};

// The splash artwork: a fairway running up to a flagged green under an evening sky.
QPixmap splashArtwork(QSize size);

} // namespace tallyrock
