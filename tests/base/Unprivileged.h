#pragma once
// Tests run as root, who opens a read-only file for writing anyway: what a workstation user
// without write access sees is tried in a child process that has given up root.
#include <QFile>
#include <QString>

#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace Unprivileged {

constexpr uid_t kNobody = 65534;

// Runs `fn` as an ordinary user (in a child process when the test runs as root) and gives
// its answer; false when the child could not run or crashed.
inline bool run(const std::function<bool()> &fn)
{
    if (::geteuid() != 0)
        return fn();
    const pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(3);
        ::_exit(fn() ? 0 : 1);
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {}
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

inline bool chmod(const QString &path, mode_t mode) { return ::chmod(QFile::encodeName(path).constData(), mode) == 0; }

inline mode_t modeOf(const QString &path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

} // namespace Unprivileged
