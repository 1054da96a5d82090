#pragma once
// The channel through which a second launch hands its open request to the
// running window: a local socket whose name holds the user's name (and the
// settings profile), listening with user-only access.
#include <QObject>
#include <QString>

class QLocalServer;

namespace platform {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    //! The channel name for the current user and settings profile.
    static QString defaultServerName();

    explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);

    //! Hands the request to a running instance; false when none answers.
    bool sendToRunning(const QString& request, int timeoutMs = 2000) const;
    //! Starts serving requests (a stale socket left by a crash is removed first).
    bool listen();

signals:
    //! One request, as sent (the first line only).
    void requestReceived(const QString& request);

private:
    void acceptConnections();

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};

} // namespace platform
