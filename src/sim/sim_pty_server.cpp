#include "sim/sim_pty_server.h"

#include "link/frame.h"
#include "sim/sim_timing.h"

#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {

// How often to look whether a client has opened the slave again after the last one closed it: a
// pseudo-terminal without a client reports a hang-up at every poll.
constexpr auto ClientAwayNap = simMs(2);

timespec toTimespec(SimLineClock::duration d) {
    const auto ns = std::max<long long>(0, std::chrono::duration_cast<std::chrono::nanoseconds>(d).count());
    return timespec{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
}

QString systemError(const QString& what) {
    return what + ": " + QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

SimPtyServer::SimPtyServer(SimBus& bus, const SimOptions& options) : bus_(bus), options_(options) {}

SimPtyServer::~SimPtyServer() {
    if (linkMade_) {
        // Leave alone a link that someone else has made at the path since.
        if (QFileInfo(options_.linkPath).symLinkTarget() == QFileInfo(slavePath_).canonicalFilePath())
            ::unlink(QFile::encodeName(options_.linkPath).constData());
    }
    if (master_ >= 0)
        ::close(master_);
}

bool SimPtyServer::start(QString* error) {
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        *error = systemError("pseudo-terminal");
        return false;
    }
    slavePath_ = QString::fromLocal8Bit(::ptsname(master_));
    termios raw{};
    if (::tcgetattr(master_, &raw) != 0) {
        *error = systemError("pseudo-terminal settings");
        return false;
    }
    ::cfmakeraw(&raw);
    ::tcsetattr(master_, TCSANOW, &raw);

    if (!options_.logPath.isEmpty()) {
        log_.setFileName(options_.logPath);
        if (!log_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
            *error = options_.logPath + ": " + log_.errorString();
            return false;
        }
    }

    const QByteArray link = QFile::encodeName(options_.linkPath);
    const QFileInfo existing(options_.linkPath);
    if (existing.isSymLink()) {
        ::unlink(link.constData());
    } else if (existing.exists()) {
        *error = options_.linkPath + " exists and is not a symbolic link";
        return false;
    }
    if (::symlink(QFile::encodeName(slavePath_).constData(), link.constData()) != 0) {
        *error = systemError(options_.linkPath);
        return false;
    }
    linkMade_ = true;
    return true;
}

void SimPtyServer::run(const volatile std::sig_atomic_t& stop) {
    while (!stop) {
        auto wake = splitter_.deadline();
        if (const auto due = pacer_.nextDue(); due && (!wake || *due < *wake))
            wake = due;
        pollfd fd{master_, POLLIN, 0};
        const timespec timeout = toTimespec(wake ? *wake - SimLineClock::now() : SimLineClock::duration{});
        const int ready = ::ppoll(&fd, 1, wake ? &timeout : nullptr, nullptr);
        if (ready < 0 && errno == EINTR)
            continue;
        const bool hangUp = fd.revents & POLLHUP;
        if (!hangUp)
            clientAway_ = false;
        if (fd.revents & POLLIN)
            readAvailable(SimLineClock::now());
        if (hangUp) {
            if (!clientAway_)
                clientGone();
            const timespec nap = toTimespec(ClientAwayNap);
            ::ppoll(nullptr, 0, &nap, nullptr);
        }
        if (const auto frame = splitter_.expire(SimLineClock::now()))
            takeFrame(*frame, SimLineClock::now());
        writeDue(SimLineClock::now());
    }
}

void SimPtyServer::readAvailable(SimLineClock::time_point now) {
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            return;
        splitter_.setIdleGap(SimFrameSplitter::idleGap(charMs(true)));
        if (const auto frame = splitter_.feed(QByteArray(buffer, n), now))
            takeFrame(*frame, now);
    }
}

void SimPtyServer::takeFrame(const QByteArray& frame, SimLineClock::time_point now) {
    if (log_.isOpen()) {
        log_.write(SpacedText(frame).trimmed().toLatin1() + '\n');
        log_.flush();
    }
    const double perChar = charMs(options_.pace);
    const auto replies = bus_.submit(frame);
    if (clientAway_)
        return;
    for (const SimReply& reply : replies)
        pacer_.schedule(reply, now, perChar);
}

void SimPtyServer::writeDue(SimLineClock::time_point now) {
    if (clientAway_)
        return;
    const QByteArray due = pacer_.takeDue(now);
    if (due.isEmpty())
        return;
    const ssize_t n = ::write(master_, due.constData(), due.size());
    if (n < 0 && errno == EAGAIN)
        pacer_.putBack(due, now);
    else if (n >= 0 && n < due.size())
        pacer_.putBack(due.mid(n), now);
}

// Bytes the client did not read before it closed the slave would reach the next client, which a
// serial line never does: answers still on their way are lost with the closed port.
void SimPtyServer::clientGone() {
    clientAway_ = true;
    pacer_.clear();
    ::tcflush(master_, TCIOFLUSH);
}

// The client's character format (it sets it on the slave) at the simulator's line speed.
double SimPtyServer::charMs(bool paced) const {
    if (!paced)
        return 0;
    termios t{};
    double bits = 10;
    if (::tcgetattr(master_, &t) == 0) {
        const tcflag_t size = t.c_cflag & CSIZE;
        const int data = size == CS5 ? 5 : size == CS6 ? 6 : size == CS7 ? 7 : 8;
        bits = 1 + data + ((t.c_cflag & PARENB) ? 1 : 0) + ((t.c_cflag & CSTOPB) ? 2 : 1);
    }
    return simCharMs(bits, options_.baud);
}
