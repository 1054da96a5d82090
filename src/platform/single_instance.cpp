#include "platform/single_instance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#ifdef _WIN32
#include <windows.h>
#else
#include <pwd.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

QString userName() {
#ifdef _WIN32
    wchar_t name[257] = {};
    DWORD size = 257;
    if (GetUserNameW(name, &size)) return QString::fromWCharArray(name);
    return QStringLiteral("user");
#else
    if (const passwd* entry = getpwuid(geteuid())) return QString::fromLocal8Bit(entry->pw_name);
    return QString::number(geteuid());
#endif
}

} // namespace

QString SingleInstance::defaultServerName() {
    // The settings location tells profiles apart, so one user's separate
    // configurations (and parallel test runs) do not reach each other.
    const auto profile = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation).toUtf8();
    const auto hash = QCryptographicHash::hash(profile, QCryptographicHash::Sha1).toHex().left(8);
    return QStringLiteral("Quillet-") + userName() + QLatin1Char('-') + QString::fromLatin1(hash);
}

SingleInstance::SingleInstance(QString serverName, QObject* parent)
    : QObject(parent), m_serverName(std::move(serverName)) {}

bool SingleInstance::sendToRunning(const QString& request, int timeoutMs) const {
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(timeoutMs)) return false;
    socket.write(request.toUtf8() + '\n');
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(timeoutMs);
    return sent;
}

bool SingleInstance::listen() {
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
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) return;
            const auto line = QString::fromUtf8(socket->readLine()).remove(QLatin1Char('\n'));
            emit requestReceived(line);
        });
    }
}

} // namespace platform
