#include "platform/OpenURL.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace {
std::function<void(const QString &)> &hook()
{
    static std::function<void(const QString &)> h;
    return h;
}
} // namespace

void TMisc::Open(const QString &target)
{
    if (hook()) {
        hook()(target);
        return;
    }
    QString t = target;
    if (t.size() >= 2 && t.startsWith(u'"') && t.endsWith(u'"'))
        t = t.mid(1, t.size() - 2);
    const QUrl url = QUrl::fromUserInput(t);
    const bool isAddress = t.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)
                           || t.contains(QLatin1String("://"))
                           || (!QFileInfo::exists(t) && url.isValid() && !url.isLocalFile());
    if (isAddress)
        QDesktopServices::openUrl(
            t.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive) ? QUrl(t, QUrl::TolerantMode) : url);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(t));
}

void TMisc::setHook(std::function<void(const QString &)> h) { hook() = std::move(h); }
