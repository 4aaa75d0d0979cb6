#include "damagedfiles.h"

#include "kivclock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <utility>

namespace {

const QString kMarker = QStringLiteral(".corrupt-");
const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss");

// "20250301-103000" sorts by time as text; a taken second adds "-2", "-3"...
// which must sort as numbers.
std::pair<QString, int> ageKey(const QString &fileName, int stampStart)
{
    const QString rest = fileName.mid(stampStart);
    const QString stamp = rest.left(kStampFormat.size());
    const int count = rest.size() > stamp.size() ? rest.mid(stamp.size() + 1).toInt() : 1;
    return {stamp, count};
}

} // namespace

QString DamagedFiles::moveAside(const QString &path)
{
    const QString target = freeName(path);
    if (!QFile::rename(path, target))
        return QString();
    dropOldest(path);
    return target;
}

QStringList DamagedFiles::keptCopies(const QString &path)
{
    const QFileInfo info(path);
    const QString prefix = info.fileName() + kMarker;
    QStringList names = info.dir().entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
    const int stampStart = prefix.size();
    std::sort(names.begin(), names.end(), [stampStart](const QString &a, const QString &b) {
        return ageKey(a, stampStart) < ageKey(b, stampStart);
    });
    QStringList paths;
    for (const QString &name : qAsConst(names))
        paths << info.dir().filePath(name);
    return paths;
}

QString DamagedFiles::freeName(const QString &path)
{
    // Within one second the count goes on from the highest one kept, never
    // back to a freed one: a newer copy must sort after the older ones.
    const QString base = path + kMarker + KivClock::now().toString(kStampFormat);
    const int stampStart = QFileInfo(path).fileName().size() + kMarker.size();
    int highest = 0;
    for (const QString &kept : keptCopies(path)) {
        if (kept.startsWith(base))
            highest = qMax(highest, ageKey(QFileInfo(kept).fileName(), stampStart).second);
    }
    return highest == 0 ? base : base + QLatin1Char('-') + QString::number(highest + 1);
}

void DamagedFiles::dropOldest(const QString &path)
{
    QStringList kept = keptCopies(path);
    while (kept.size() > KeptPerFile)
        QFile::remove(kept.takeFirst());
}
