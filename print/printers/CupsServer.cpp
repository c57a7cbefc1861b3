#include "CupsServer.h"

#include <QCoreApplication>

#include <cups/cups.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace cups {
namespace {

using Clock = std::chrono::steady_clock;

// What a check found, kept free of Qt: the checking thread may outlive the
// application.
struct Finding
{
    enum Kind
    {
        Answers,
        Unreachable,
        Silent
    } kind = Unreachable;
    std::string server; // a socket path, or host and port
    std::string reason; // CUPS's, when unreachable
};

// Keeps waiting for the server's answer until the deadline passes.
int waitUntilDeadline(http_t*, void* deadline)
{
    return Clock::now() < *static_cast<const Clock::time_point*>(deadline) ? 1 : 0;
}

Finding askServer()
{
    Finding finding;
    const std::string host = cupsServer();
    finding.server = host.empty() || host[0] == '/' ? host : host + ':' + std::to_string(ippPort());
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(kAnswerSeconds);
    http_t* http = httpConnect2(host.c_str(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                kAnswerSeconds * 1000, nullptr);
    if (!http) {
        finding.reason = cupsLastErrorString();
        return finding;
    }
    Clock::time_point wait = deadline;
    httpSetTimeout(http, 0.5, waitUntilDeadline, &wait);
    // Any answer will do, "no default printer" included.
    ipp_t* response = cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
    finding.reason = cupsLastErrorString();
    httpClose(http);
    if (response) {
        ippDelete(response);
        finding.kind = Finding::Answers;
    } else if (Clock::now() >= deadline) {
        finding.kind = Finding::Silent;
    }
    return finding;
}

ServerAnswer answerOf(const Finding& finding)
{
    const QString server = QString::fromStdString(finding.server);
    switch (finding.kind) {
    case Finding::Answers:
        return {true, QString()};
    case Finding::Silent:
        return {false, QCoreApplication::translate("CupsServer",
                                                   "The print server %1 did not answer within %2 seconds.")
                           .arg(server)
                           .arg(kAnswerSeconds)};
    case Finding::Unreachable:
        break;
    }
    return {false, QCoreApplication::translate("CupsServer", "The print server %1 cannot be reached (%2).")
                       .arg(server, QString::fromStdString(finding.reason))};
}

// One check at a time; its thread keeps the state alive should the program
// end while it waits.
struct CheckState
{
    std::mutex mutex;
    std::condition_variable done;
    bool running = false;
    bool checked = false;
    Finding finding;
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
        const Finding finding = askServer();
        const std::lock_guard<std::mutex> lock(s->mutex);
        s->finding = finding;
        s->checked = true;
        s->running = false;
        s->done.notify_all();
    }).detach();
}

ServerAnswer waitLocked(const std::shared_ptr<CheckState>& s, std::unique_lock<std::mutex>& lock)
{
    s->done.wait(lock, [&s] { return !s->running; });
    return answerOf(s->finding);
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
