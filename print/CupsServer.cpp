#include "CupsServer.h"

#include <QCoreApplication>

#include <cups/cups.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace cups {
namespace {

using Clock = std::chrono::steady_clock;

QString tr(const char* text)
{
    return QCoreApplication::translate("CupsServer", text);
}

// The server as the user knows it: a socket path, or host and port.
QString serverName()
{
    const QString host = QString::fromUtf8(cupsServer());
    return host.startsWith(QLatin1Char('/')) ? host : QStringLiteral("%1:%2").arg(host).arg(ippPort());
}

// Keeps waiting for the server's answer until the deadline passes.
int waitUntilDeadline(http_t*, void* deadline)
{
    return Clock::now() < *static_cast<const Clock::time_point*>(deadline) ? 1 : 0;
}

ServerAnswer askServer()
{
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(kAnswerSeconds);
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                kAnswerSeconds * 1000, nullptr);
    if (!http)
        return {false, tr("The print server %1 cannot be reached (%2).")
                           .arg(serverName(), QString::fromUtf8(cupsLastErrorString()))};
    Clock::time_point wait = deadline;
    httpSetTimeout(http, 0.5, waitUntilDeadline, &wait);
    // Any answer will do, "no default printer" included.
    ipp_t* response = cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
    const QString reason = QString::fromUtf8(cupsLastErrorString());
    httpClose(http);
    if (response) {
        ippDelete(response);
        return {true, QString()};
    }
    if (Clock::now() >= deadline)
        return {false, tr("The print server %1 did not answer within %2 seconds.")
                           .arg(serverName())
                           .arg(kAnswerSeconds)};
    return {false, tr("The print server %1 cannot be reached (%2).").arg(serverName(), reason)};
}

// One check at a time; its thread keeps the state alive should the program
// end while it waits.
struct CheckState
{
    std::mutex mutex;
    std::condition_variable done;
    bool running = false;
    bool checked = false;
    ServerAnswer answer;
};

const std::shared_ptr<CheckState>& state()
{
    static const std::shared_ptr<CheckState> s = std::make_shared<CheckState>();
    return s;
}

// With the lock held: starts a check unless one runs.
void startLocked(const std::shared_ptr<CheckState>& s)
{
    if (s->running)
        return;
    s->running = true;
    std::thread([s] {
        const ServerAnswer answer = askServer();
        const std::lock_guard<std::mutex> lock(s->mutex);
        s->answer = answer;
        s->checked = true;
        s->running = false;
        s->done.notify_all();
    }).detach();
}

ServerAnswer waitLocked(const std::shared_ptr<CheckState>& s, std::unique_lock<std::mutex>& lock)
{
    s->done.wait(lock, [&s] { return !s->running; });
    return s->answer;
}

} // namespace

void StartServerCheck()
{
    const std::shared_ptr<CheckState>& s = state();
    const std::lock_guard<std::mutex> lock(s->mutex);
    startLocked(s);
}

bool ServerCheckRunning()
{
    const std::shared_ptr<CheckState>& s = state();
    const std::lock_guard<std::mutex> lock(s->mutex);
    return s->running;
}

ServerAnswer LastServerAnswer()
{
    const std::shared_ptr<CheckState>& s = state();
    std::unique_lock<std::mutex> lock(s->mutex);
    if (!s->checked)
        startLocked(s);
    return waitLocked(s, lock);
}

ServerAnswer CheckServer()
{
    const std::shared_ptr<CheckState>& s = state();
    std::unique_lock<std::mutex> lock(s->mutex);
    startLocked(s);
    return waitLocked(s, lock);
}

QString DefaultDestination()
{
    if (!LastServerAnswer().answers)
        return QString();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!dest)
        return QString();
    QString name = QString::fromUtf8(dest->name);
    if (dest->instance)
        name += QLatin1Char('/') + QString::fromUtf8(dest->instance);
    cupsFreeDests(1, dest);
    return name;
}

} // namespace cups
