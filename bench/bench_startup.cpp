// Start-up to the login window against a bare Qt window: both measured as whole processes
// (started, libraries loaded, window shown and exposed), the median of several starts each.
#include "BenchRatios.h"

#include "app/Lingua.h"
#include "app/Password.h"
#include "app/Screens.h"
#include "base/ProgramFolder.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The started process: shows its window and says so on fd `ready` once it is exposed.
int showAndSignal(int argc, char **argv, bool login, const char *folder, int ready)
{
    // As the program itself starts.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication app(argc, argv);
    ProgramFolder::setForTests(QString::fromLocal8Bit(folder));
    QWidget *w = nullptr;
    if (login) {
        QApplication::setApplicationName(QStringLiteral("Lunaresca"));
        QApplication::setQuitOnLastWindowClosed(false);
        Lingua::installQtItalian(app);
        Screens::showLogin();
        w = Screens::password();
    } else {
        w = new QWidget;
        w->resize(400, 300);
    }
    w->show();
    while (!w->windowHandle() || !w->windowHandle()->isExposed())
        app.processEvents();
    // Painted once, as the operator sees it; the program builds its other screens after this.
    w->repaint();
    const char c = 1;
    (void)!::write(ready, &c, 1);
    ::_exit(0);
}

double startOnce(const char *self, const char *mode, const char *folder)
{
    int p[2];
    if (::pipe(p) != 0)
        return -1;
    const auto t0 = BenchRatios::Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(p[0]);
        const std::string fd = std::to_string(p[1]);
        ::execl(self, self, "--child", mode, folder, fd.c_str(), static_cast<char *>(nullptr));
        ::_exit(127);
    }
    ::close(p[1]);
    char c = 0;
    const bool ok = ::read(p[0], &c, 1) == 1;
    const double seconds = std::chrono::duration<double>(BenchRatios::Clock::now() - t0).count();
    ::close(p[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return ok ? seconds : -1;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 5 && std::strcmp(argv[1], "--child") == 0)
        return showAndSignal(1, argv, std::strcmp(argv[2], "login") == 0, argv[3], std::atoi(argv[4]));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    const int runs = argc > 1 ? std::max(3, std::atoi(argv[1])) : 9;
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    std::vector<double> bare, login;
    // Alternated, so a busy moment of the machine weighs on both alike.
    for (int i = 0; i < runs; ++i) {
        bare.push_back(startOnce("/proc/self/exe", "bare", folder.constData()));
        login.push_back(startOnce("/proc/self/exe", "login", folder.constData()));
    }
    if (std::count(bare.begin(), bare.end(), -1.0) + std::count(login.begin(), login.end(), -1.0) > 0) {
        std::fprintf(stderr, "a start failed\n");
        return 1;
    }
    const double b = median(bare), l = median(login);
    std::printf("Start-up, median of %d: bare Qt window %.1f ms, login window %.1f ms, ratio %.2f\n", runs, b * 1e3,
                l * 1e3, l / b);
    BenchRatios::record(QStringLiteral("Startup/login_over_bare"), l / b);
    return 0;
}
