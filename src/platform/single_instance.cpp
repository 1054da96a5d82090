#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QStringList>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

#ifdef _WIN32
// Named pipes live in one namespace: the user's name keeps users apart, and
// the server grants access to its own user only.
QString userPart() {
    wchar_t name[257] = {};
    DWORD size = 257;
    if (GetUserNameW(name, &size)) return QString::fromWCharArray(name) + QLatin1Char('-');
    return QStringLiteral("user-");
}

bool peerIsSameUser(const QLocalSocket&) { return true; }
#else
// The socket's path holds the private folder.
QString userPart() {
    const auto folder = SingleInstance::privateFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath());
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/');
}

// The other end runs as this user (a root-owned or shared endpoint could be anyone's).
bool peerIsSameUser(const QLocalSocket& socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    const auto fd = static_cast<int>(socket.socketDescriptor());
    return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == geteuid();
}

// A folder only this user can enter: a real folder (not a link), its owner, no access for others.
bool isPrivate(const QString& folder) {
    struct stat info {};
    return !folder.isEmpty() && QDir::isAbsolutePath(folder) && lstat(QFile::encodeName(folder).constData(), &info) == 0 &&
           S_ISDIR(info.st_mode) && info.st_uid == geteuid() && (info.st_mode & 077) == 0;
}
#endif

} // namespace

QString SingleInstance::privateFolder(const QString& runtimeFolder, const QString& fallbackParent) {
#ifdef _WIN32
    Q_UNUSED(runtimeFolder);
    Q_UNUSED(fallbackParent);
    return {};
#else
    if (isPrivate(runtimeFolder)) return runtimeFolder;
    const auto folder = fallbackParent + QStringLiteral("/quillet-") + QString::number(geteuid());
    mkdir(QFile::encodeName(folder).constData(), 0700); // may exist already: checked below
    return isPrivate(folder) ? folder : QString();
#endif
}

QString SingleInstance::defaultServerName() {
    // The settings location tells profiles apart, so one user's separate
    // configurations (and parallel test runs) do not reach each other.
    const auto profile = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toUtf8();
    const auto hash = QCryptographicHash::hash(profile, QCryptographicHash::Sha1).toHex().left(8);
    const auto place = userPart();
    return place.isEmpty() ? QString() : place + QStringLiteral("Quillet-") + QString::fromLatin1(hash);
}

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_serverName(std::move(serverName)) {}

bool SingleInstance::sendToRunning(const QString& request, int timeoutMs) const {
    if (m_serverName.isEmpty()) return false;
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs) || !peerIsSameUser(socket)) return false;
    // A Windows pipe may take the bytes at once, leaving nothing to wait for:
    // wait only while some are still pending.
    const QByteArray line = request.toUtf8() + '\n';
    bool sent = socket.write(line) == line.size();
    while (sent && socket.bytesToWrite() > 0) sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(timeoutMs);
    return sent;
}

bool SingleInstance::listen() {
    if (m_serverName.isEmpty()) return false;
    QLocalServer::removeServer(m_serverName);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName)) return false;
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return true;
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!peerIsSameUser(*socket)) {
            socket->abort();
            continue;
        }
        socket->setReadBufferSize(MAX_REQUEST + 1);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { readRequest(socket); });
    }
}

// A request longer than the bound drops the connection instead of growing
// without end. The requests are taken off the socket first and handed on once
// this reader has returned: a handler that shows a message box runs a nested
// event loop, in which the sender may hang up and its socket be deleted.
void SingleInstance::readRequest(QLocalSocket* socket) {
    QStringList requests;
    while (socket->canReadLine()) {
        const auto line = socket->readLine(MAX_REQUEST + 1);
        if (!line.endsWith('\n')) {
            socket->abort();
            break;
        }
        requests << QString::fromUtf8(line).remove(QLatin1Char('\n'));
    }
    if (socket->state() != QLocalSocket::UnconnectedState && socket->bytesAvailable() > MAX_REQUEST) socket->abort();
    for (const auto& request : requests)
        QMetaObject::invokeMethod(this, [this, request] { emit requestReceived(request); }, Qt::QueuedConnection);
}

} // namespace platform
