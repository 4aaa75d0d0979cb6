#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Replaces one file, synchronously, so that neither a power cut nor a full
// disk can cost its previous content. The new content goes to "<name>.New";
// only when every write, the flush and the fsync of that file succeeded is it
// renamed over the name, and the directory is synced so that the rename
// itself survives a power cut. On any failure "<name>.New" is removed and the
// file keeps its previous content.
//
// Small files are written in one call, replace(); a large one can be streamed:
//     DurableFile out(path);
//     if (out.open()) { QTextStream s(out.device()); ...; s.flush(); }
//     if (out.commit() != DurableFile::Replaced) ... out.errorString() ...
// Whatever goes wrong while streaming is remembered and makes commit() fail,
// so the writer need not check each step.
class DurableFile
{
public:
    enum Result {
        Replaced,     // the new content is in place
        OpenFailed,   // "<name>.New" could not be created; nothing changed
        WriteFailed,  // a write, the flush or the fsync failed (a full disk); nothing changed
        RenameFailed, // the new file could not take the name; nothing changed
    };

    explicit DurableFile(const QString &path);
    // A file that was opened but not committed is discarded.
    ~DurableFile();
    DurableFile(const DurableFile &) = delete;
    DurableFile &operator=(const DurableFile &) = delete;

    QString path() const { return m_path; }
    QString newPath() const { return m_path + QStringLiteral(".New"); }

    bool open();
    // The new file, for a writer that streams into it. Valid after open().
    QIODevice *device() { return &m_file; }
    bool write(const QByteArray &bytes);
    Result commit();
    void discard();
    // Why the last open() or commit() failed.
    QString errorString() const { return m_error; }

    // One-call form: open, write content, commit.
    static Result replace(const QString &path, const QByteArray &content,
                          QString *errorString = nullptr);

private:
    QString m_path;
    QFile m_file;
    bool m_writeFailed = false;
    QString m_error;
};
