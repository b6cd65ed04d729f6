// The yardstick of the start-up benchmark: a bare Qt main window of the workstation's size,
// linked with Qt Widgets alone. Prints "painted" once it has been painted for the first time.
#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstdio>

namespace {

class FirstPaint final : public QObject {
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            std::printf("painted\n");
            std::fflush(stdout);
            QTimer::singleShot(0, [] { std::exit(0); });
        }
        return false;
    }

private:
    bool m_seen = false;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(800, 600);
    FirstPaint paint;
    window.installEventFilter(&paint);
    window.show();
    return QApplication::exec();
}
