#include "networkupdater.h"

#include "platform/kivroot.h"
#include "platform/toolrunner.h"
#include "property/assignifchanged.h"

#include <QAuthenticator>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace {

QString fileNameOf(const QUrl &url)
{
    const QString name = QFileInfo(url.path()).fileName();
    return name.isEmpty() ? QStringLiteral("index.html") : name;
}

} // namespace

NetworkUpdater::NetworkUpdater(QObject *parent)
    : TarnStateMachine(parent)
    , m_destPath(QStringLiteral("/root/") + QStringLiteral("networkUpdates/"))
    , m_manager(new QNetworkAccessManager(this))
{
    // Redirects are followed here, one by one, so that they can be counted.
    m_manager->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
    connect(m_manager, &QNetworkAccessManager::authenticationRequired, this,
            &NetworkUpdater::slotAuthenticationRequired);
    connect(m_manager, &QNetworkAccessManager::sslErrors, this, &NetworkUpdater::sslErrors);
}

NetworkUpdater::~NetworkUpdater()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
    releaseFile(true);
}

QString NetworkUpdater::installScriptPath()
{
    return QStringLiteral("/root/") + QStringLiteral("networkUpdates/installUpdate.sh");
}

void NetworkUpdater::set_sourceUrl(const QString &value)
{
    if (assignIfChanged(m_sourceUrl, value))
        emit sourceUrlChanged(m_sourceUrl);
}

void NetworkUpdater::set_destPath(const QString &value)
{
    if (assignIfChanged(m_destPath, value))
        emit destPathChanged(m_destPath);
}

void NetworkUpdater::set_updateAvailableFlag(bool value)
{
    if (assignIfChanged(m_updateAvailableFlag, value))
        emit updateAvailableFlagChanged(m_updateAvailableFlag);
}

void NetworkUpdater::set_fileTotalBytes(int value)
{
    if (assignIfChanged(m_fileTotalBytes, value))
        emit fileTotalBytesChanged(m_fileTotalBytes);
}

void NetworkUpdater::set_fileReadBytes(int value)
{
    if (assignIfChanged(m_fileReadBytes, value))
        emit fileReadBytesChanged(m_fileReadBytes);
}

void NetworkUpdater::set_userName(const QString &value)
{
    if (assignIfChanged(m_userName, value))
        emit userNameChanged(m_userName);
}

void NetworkUpdater::set_userPassword(const QString &value)
{
    if (assignIfChanged(m_userPassword, value))
        emit userPasswordChanged(m_userPassword);
}

void NetworkUpdater::downloadFile()
{
    if (m_reply) {
        qDebug().noquote() << "A download is already running; not started again.";
        return;
    }
    m_url = QUrl(m_sourceUrl);
    const QString fileName = fileNameOf(m_url);
    // The name goes to the install script as its argument: a hidden or
    // relative name must not reach it.
    if (fileName.startsWith(QLatin1Char('.'))) {
        qDebug().noquote() << QStringLiteral("Refusing to download to the file name %1.").arg(fileName);
        return;
    }
    m_fileName = fileName;

    const QString dir = KivRoot::path(m_destPath);
    if (!QFileInfo::exists(dir))
        QDir().mkdir(dir);
    const QString path = QDir(dir).filePath(fileName);
    if (QFile::exists(path))
        QFile::remove(path);

    m_file = new QFile(path);
    if (!m_file->open(QIODevice::WriteOnly)) {
        qDebug().noquote() << QStringLiteral("Unable to save the file %1: %2.")
                                  .arg(path, m_file->errorString());
        releaseFile(false);
        return;
    }

    qDebug().noquote() << QStringLiteral("Downloading %1.").arg(path);
    m_aborted = false;
    m_redirects = 0;
    m_url.setUserName(m_userName);
    m_url.setPassword(m_userPassword);
    startRequest(m_url);
}

void NetworkUpdater::cancelDownload()
{
    qDebug().noquote() << "Download canceled.";
    m_aborted = true;
    if (m_reply)
        m_reply->abort();
}

void NetworkUpdater::startRequest(QUrl url)
{
    m_reply = m_manager->get(QNetworkRequest(url));
    connect(m_reply, &QNetworkReply::finished, this, &NetworkUpdater::httpFinished);
    connect(m_reply, &QIODevice::readyRead, this, &NetworkUpdater::httpReadyRead);
    connect(m_reply, &QNetworkReply::downloadProgress, this,
            &NetworkUpdater::updateDataReadProgress);
}

void NetworkUpdater::httpFinished()
{
    if (m_aborted) {
        releaseFile(true);
        releaseReply();
        return;
    }

    m_file->flush();
    m_file->close();
    const QVariant target = m_reply->attribute(QNetworkRequest::RedirectionTargetAttribute);

    if (m_reply->error() != QNetworkReply::NoError) {
        releaseFile(true);
        qDebug().noquote() << QStringLiteral("Download failed: %1.").arg(m_reply->errorString());
        releaseReply();
        return;
    }

    if (!target.isNull()) {
        if (++m_redirects > kMaxRedirects) {
            releaseFile(true);
            qDebug().noquote() << QStringLiteral("Download failed: %1.")
                                      .arg(QStringLiteral("more than %1 redirects").arg(kMaxRedirects));
            releaseReply();
            return;
        }
        const QUrl newUrl = m_url.resolved(target.toUrl());
        qDebug().noquote() << QStringLiteral("Redirecting to %1 ?").arg(newUrl.toString(QUrl::RemoveUserInfo));
        m_url = newUrl;
        releaseReply();
        // The data of the new address lands under the first name.
        if (!m_file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            qDebug().noquote() << QStringLiteral("Unable to save the file %1: %2.")
                                      .arg(m_file->fileName(), m_file->errorString());
            releaseFile(true);
            return;
        }
        startRequest(m_url);
        return;
    }

    qDebug().noquote() << QStringLiteral("Downloaded %1 to %2.").arg(m_fileName, m_destPath);
    // One argument, whatever the name holds; the script is not waited for.
    ToolRunner::startDetached(installScriptPath(), {m_fileName});
    releaseReply();
    releaseFile(false);
}

void NetworkUpdater::httpReadyRead()
{
    if (m_file && m_file->isOpen() && m_reply)
        m_file->write(m_reply->readAll());
}

void NetworkUpdater::updateDataReadProgress(qint64 bytesRead, qint64 totalBytes)
{
    if (m_aborted)
        return;
    set_fileTotalBytes(int(totalBytes));
    set_fileReadBytes(int(bytesRead));
}

void NetworkUpdater::slotAuthenticationRequired(QNetworkReply *, QAuthenticator *authenticator)
{
    // The password stays out of the log.
    qDebug().noquote() << QStringLiteral("Authenticator: setting user to %1").arg(m_url.userName());
    authenticator->setUser(m_url.userName());
    authenticator->setPassword(m_url.password());
}

void NetworkUpdater::sslErrors(QNetworkReply *, const QList<QSslError> &errors)
{
    QStringList texts;
    for (const QSslError &error : errors)
        texts << error.errorString();
    qDebug().noquote() << QStringLiteral("One or more SSL errors has occurred: %1")
                              .arg(texts.join(QStringLiteral(", ")));
    // What arrives over an unverified connection is never installed: the
    // reply ends with an error and httpFinished() deletes the file.
    if (m_reply)
        m_reply->abort();
}

void NetworkUpdater::releaseFile(bool remove)
{
    if (!m_file)
        return;
    m_file->close();
    if (remove)
        m_file->remove();
    delete m_file;
    m_file = nullptr;
}

void NetworkUpdater::releaseReply()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->deleteLater();
    }
    m_reply = nullptr;
}
