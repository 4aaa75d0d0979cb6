#pragma once

#include "statemachine/tarnstatemachine.h"

#include <QList>
#include <QPointer>
#include <QSslError>
#include <QString>
#include <QUrl>

class QAuthenticator;
class QFile;
class QNetworkAccessManager;
class QNetworkReply;

// Downloads one software-update archive over HTTP or HTTPS into the
// network-update folder and, when the download succeeds, starts the install
// script on it. The script runs as root, so the download is strict: a
// certificate that does not verify, too many redirects or a cancel ends it
// without a file and without a start.
//
// A state machine only for its properties: a caller sets them and calls
// downloadFile().
class NetworkUpdater : public TarnStateMachine
{
    Q_OBJECT
    Q_PROPERTY(QString sourceUrl READ get_sourceUrl WRITE set_sourceUrl NOTIFY sourceUrlChanged)
    Q_PROPERTY(QString destPath READ get_destPath WRITE set_destPath NOTIFY destPathChanged)
    Q_PROPERTY(bool updateAvailableFlag READ get_updateAvailableFlag WRITE set_updateAvailableFlag NOTIFY updateAvailableFlagChanged)
    Q_PROPERTY(int fileTotalBytes READ get_fileTotalBytes WRITE set_fileTotalBytes NOTIFY fileTotalBytesChanged)
    Q_PROPERTY(int fileReadBytes READ get_fileReadBytes WRITE set_fileReadBytes NOTIFY fileReadBytesChanged)
    Q_PROPERTY(QString userName READ get_userName WRITE set_userName NOTIFY userNameChanged)
    Q_PROPERTY(QString userPassword READ get_userPassword WRITE set_userPassword NOTIFY userPasswordChanged)

public:
    // Redirects followed for one download; the next one fails it.
    static constexpr int kMaxRedirects = 10;

    explicit NetworkUpdater(QObject *parent = nullptr);
    ~NetworkUpdater() override;

    QString get_sourceUrl() const { return m_sourceUrl; }
    QString get_destPath() const { return m_destPath; }
    bool get_updateAvailableFlag() const { return m_updateAvailableFlag; }
    int get_fileTotalBytes() const { return m_fileTotalBytes; }
    int get_fileReadBytes() const { return m_fileReadBytes; }
    QString get_userName() const { return m_userName; }
    QString get_userPassword() const { return m_userPassword; }

    // The script every finished download is handed to (a platform path).
    static QString installScriptPath();

signals:
    void sourceUrlChanged(QString value);
    void destPathChanged(QString value);
    void updateAvailableFlagChanged(bool value);
    void fileTotalBytesChanged(int value);
    void fileReadBytesChanged(int value);
    void userNameChanged(QString value);
    void userPasswordChanged(QString value);

public slots:
    void set_sourceUrl(const QString &value);
    void set_destPath(const QString &value);
    void set_updateAvailableFlag(bool value);
    void set_fileTotalBytes(int value);
    void set_fileReadBytes(int value);
    void set_userName(const QString &value);
    void set_userPassword(const QString &value);

    void downloadFile();
    void cancelDownload();
    void startRequest(QUrl url);
    void httpFinished();
    void httpReadyRead();
    void updateDataReadProgress(qint64 bytesRead, qint64 totalBytes);
    void slotAuthenticationRequired(QNetworkReply *reply, QAuthenticator *authenticator);
    void sslErrors(QNetworkReply *reply, const QList<QSslError> &errors);

private:
    void releaseFile(bool remove);
    void releaseReply();

    QString m_sourceUrl;
    QString m_destPath;
    bool m_updateAvailableFlag = false;
    int m_fileTotalBytes = 0;
    int m_fileReadBytes = 0;
    QString m_userName;
    QString m_userPassword;

    QNetworkAccessManager *m_manager;
    QUrl m_url;
    QPointer<QNetworkReply> m_reply;
    QFile *m_file = nullptr;
    QString m_fileName;
    int m_redirects = 0;
    bool m_aborted = false;
};
