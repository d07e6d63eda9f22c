// The floor that start_bench measures the program against: a bare Qt window
// that does only what any window must. It does not link the program, so its
// start, exit and memory are those of Qt, the platform plugin and one window.
//
//   start_floor start W H        shows a W x H window that paints itself once
//                                (a fill and its title), then closes it
//   start_floor key W H N        a W x H window of one line edit over a
//                                surface repainted whole at every change of
//                                the text; types N keys into the edit
//
// It prints on stdout, as start_bench's child of the program does:
//   frame <ns>        CLOCK_MONOTONIC when the first frame was handed to the
//                     window system and the server had taken it
//   close <ns>        just before the window is closed; the parent times the
//                     exit from here to the moment the process is gone
//   keys <ms> ...     each key's time from the key to the settled frame
#include <QApplication>
#include <QLineEdit>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

long long MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

class Surface : public QWidget {
public:
    int paints = 0;
    QString text;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(166, 202, 240));
        painter.drawText(rect(), Qt::AlignCenter, text);
        ++paints;
    }
};

// Delivers what is pending, lets the window system take the frame, and again
// until a round paints nothing more.
void Settle(const Surface& surface)
{
    int before = 0;
    do {
        before = surface.paints;
        QGuiApplication::sync();
    } while (surface.paints != before);
}

int Start(int width, int height)
{
    Surface window;
    window.text = QStringLiteral("Rimora Ver0.02");
    window.setWindowTitle(window.text);
    window.resize(width, height);
    window.show();
    while (window.paints == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QGuiApplication::sync();
    std::printf("frame %lld\n", MonotonicNanoseconds());
    QTimer::singleShot(0, &window, [&window] {
        std::printf("close %lld\n", MonotonicNanoseconds());
        std::fflush(stdout);
        window.close();  // the last window: the event loop ends
    });
    return QApplication::exec();
}

int Keys(int width, int height, int count)
{
    QWidget window;
    auto* edit = new QLineEdit(QStringLiteral("590"), &window);
    auto* surface = new Surface;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(surface, 1);
    QObject::connect(edit, &QLineEdit::textChanged, surface, [surface](const QString& text) {
        surface->text = text;
        surface->update();
    });
    window.resize(width, height);
    window.show();
    edit->setFocus();
    edit->end(false);
    Settle(*surface);
    std::printf("keys");
    for (int i = 0; i < count; ++i) {
        const bool back = i % 2 == 0;
        const QString digit = QString::number(1 + i / 2 % 9);
        const int key = back ? int(Qt::Key_Backspace) : int(Qt::Key_0) + digit.toInt();
        const long long start = MonotonicNanoseconds();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, back ? QString() : digit);
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, back ? QString() : digit);
        QApplication::sendEvent(edit, &release);
        Settle(*surface);
        std::printf(" %.3f", (MonotonicNanoseconds() - start) / 1e6);
    }
    std::printf("\n");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() == 4 && args[1] == QLatin1String("start")) return Start(args[2].toInt(), args[3].toInt());
    if (args.size() == 5 && args[1] == QLatin1String("key"))
        return Keys(args[2].toInt(), args[3].toInt(), args[4].toInt());
    std::fprintf(stderr, "usage: start_floor start W H | key W H N\n");
    return 2;
}
