#pragma once

#include "haccpdata.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include <functional>
#include <utility>
#include <vector>

// The HACCP store, "haccpLog.json", held as the bytes of its file: one
// compact JSON object with its keys in ascending order and the newest entry
// first,
//   {"desc":"HACCP Data Log","haccpInfo":[{"b":5,"d":"2024/03/01","e":false,
//     "h":"00:45:00","p":"Fries","t":"09:15:00"}, ...]}
// and any other members of the root kept. A store is read once; each change
// then edits the bytes in place, the file is written from them in one piece,
// and no document tree of the whole log is ever built: a year of holds costs
// about its own size in memory, not ten times that.
//
// An entry in the form above is read straight from the bytes. Any other one
// (other keys or types, escaped texts) goes through the JSON framework on its
// own, as does every member of the root but the entries, so that a store
// reads, changes and writes exactly as a framework document of it would.
class HaccpStore
{
public:
    enum class Load {
        NotALog,    // not JSON, not an object, or "haccpInfo" is not an array
        AsIs,       // bytes() are the bytes given
        Normalised, // bytes() hold the same log in the store's own layout
    };

    HaccpStore(); // an empty log

    // Takes the bytes of a store; one that is not a log leaves it empty.
    Load load(const QByteArray &bytes);
    void clear();

    // The file as it is to be written.
    const QByteArray &bytes() const { return m_bytes; }
    int count() const { return m_count; }

    void add(const HaccpData &entry);
    // Removes the newest start record of the bin, known by its bin and its
    // "----" duration alone, and the entries without "d", "t" or "b" passed
    // on the way. True when anything went.
    bool removeStartRecord(int binNumber);
    // Removes the entries dated before the cut-off ("yyyy/MM/dd") and those
    // without a readable date. Returns how many went.
    int purgeBefore(const QString &cutoffDate);

    // Rows for the screen, newest first; limit < 0 means all.
    HaccpDataList modelRows(int limit) const;
    // The export's lines (without the header), handed to the sink a piece
    // at a time; false as soon as the sink returns false.
    bool csvLines(int traysPerZone, int zonesPerRow,
                  const std::function<bool(const QByteArray &)> &sink) const;

private:
    struct Entry;
    struct OddFields;
    class EntryList;
    using Span = std::pair<int, int>; // an entry's first byte and the byte after it

    bool readFast(const QByteArray &source);
    bool readByFramework(const QByteArray &source);
    void assemble(const QJsonObject &root, const EntryList &entries, const QByteArray &source);
    template<typename Visit>
    void forEachEntry(Visit visit) const;
    QJsonObject objectOf(const Entry &entry) const;
    const Entry &fieldsOf(const Entry &entry, OddFields *odd) const;
    void erase(const std::vector<Span> &gone);

    QByteArray m_bytes;
    int m_begin = 0; // the newest entry's first byte
    int m_end = 0;   // the "]" that closes "haccpInfo"
    int m_count = 0;
};
