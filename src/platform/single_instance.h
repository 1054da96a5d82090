#pragma once
// The channel through which a second launch hands its open request to the
// running window: a local socket in a folder only the user can enter, whose
// name holds the settings profile. Both ends check that the other runs as the
// same user, and a request is at most MAX_REQUEST bytes.
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace platform {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    static constexpr qint64 MAX_REQUEST = qint64{64} * 1024;

    //! The channel name for the current user and settings profile; empty when
    //! no folder only the user can enter is at hand (then there is no channel).
    static QString defaultServerName();
    //! runtimeFolder when it is the user's own and closed to others, else a
    //! folder "quillet-UID" made in fallbackParent and checked the same way;
    //! empty when neither is safe (someone else made it, or opened it up).
    static QString privateFolder(const QString& runtimeFolder, const QString& fallbackParent);

    explicit SingleInstance(QString serverName = defaultServerName(), QObject* parent = nullptr);

    //! Hands the request to a running instance of the same user; false when none answers.
    bool sendToRunning(const QString& request, int timeoutMs = 2000) const;
    //! Starts serving requests (a stale socket left by a crash is removed first).
    bool listen();

signals:
    //! One request, as sent (the first line only). Delivered from the event
    //! loop after the connection has been read, so a handler may show a box.
    void requestReceived(const QString& request);

private:
    void acceptConnections();
    void readRequest(QLocalSocket* socket);

    QString m_serverName;
    QLocalServer* m_server = nullptr;
};

} // namespace platform
