#include "haccpstore.h"

#include "haccplogformat.h"

#include <QDate>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QTime>

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>

namespace {

using Text = std::string_view;

const QString kDescKey = QStringLiteral("desc");
const QString kInfoKey = QStringLiteral("haccpInfo");
const Text kOpen = "----";
// Nesting followed by hand when a store is read; anything deeper is left to
// the framework, whose own limit lies far above any real store.
const int kReadDepth = 256;
// The export hands its lines out in pieces of about this size.
const int kCsvPiece = 64 * 1024;

Text textOf(const QByteArray &bytes)
{
    return Text(bytes.constData(), size_t(bytes.size()));
}

QByteArray bytesOf(Text text)
{
    return QByteArray(text.data(), int(text.size()));
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

const char *skipSpace(const char *p, const char *end)
{
    while (p < end && isSpace(*p))
        ++p;
    return p;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool allDigits(Text text)
{
    for (char c : text) {
        if (!isDigit(c))
            return false;
    }
    return true;
}

int number(Text digits)
{
    int value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// ---------------------------------------------------------------------------
// The texts of an entry as the screen and the export show them

// Strict "yyyy/MM/dd".
QDate storedDate(Text text)
{
    if (text.size() != 10 || text[4] != '/' || text[7] != '/' || !allDigits(text.substr(0, 4))
        || !allDigits(text.substr(5, 2)) || !allDigits(text.substr(8, 2)))
        return QDate();
    return QDate(number(text.substr(0, 4)), number(text.substr(5, 2)), number(text.substr(8, 2)));
}

// "yyyy/MM/dd" -> "MM/dd"; empty when it is not a date.
Text modelDate(Text stored)
{
    return storedDate(stored).isValid() ? stored.substr(5) : Text();
}

// "HH:mm:ss" -> "HH:mm"; empty when it is not a time of day.
Text modelTime(Text stored)
{
    const bool time = stored.size() == 8 && stored[2] == ':' && stored[5] == ':'
        && allDigits(stored.substr(0, 2)) && allDigits(stored.substr(3, 2))
        && allDigits(stored.substr(6, 2))
        && QTime::isValid(number(stored.substr(0, 2)), number(stored.substr(3, 2)),
                          number(stored.substr(6, 2)));
    return time ? stored.substr(0, 5) : Text();
}

// "H...H:mm:ss" with at least two hour digits -> "H...H:mm"; "----" stays.
// Holds of a day or more keep their hours ("123:05"); shorter ones read as a
// time of day would.
Text modelDuration(Text stored)
{
    if (stored == kOpen)
        return kOpen;
    const size_t first = stored.find(':');
    const size_t second = first == Text::npos ? Text::npos : stored.find(':', first + 1);
    if (second == Text::npos || stored.find(':', second + 1) != Text::npos)
        return Text();
    const Text hours = stored.substr(0, first);
    const Text minutes = stored.substr(first + 1, second - first - 1);
    const Text seconds = stored.substr(second + 1);
    if (hours.size() < 2 || minutes.size() != 2 || seconds.size() != 2 || !allDigits(hours)
        || !allDigits(minutes) || !allDigits(seconds) || number(minutes) > 59 || number(seconds) > 59)
        return Text();
    return stored.substr(0, second);
}

void append(QByteArray &out, Text text)
{
    out.append(text.data(), int(text.size()));
}

// A field of the export. A spreadsheet would run a leading = + - @ as a
// formula; a comma, quote or line break needs quotes around the field.
void appendCsvText(QByteArray &out, Text field)
{
    const bool formula = !field.empty()
        && (field[0] == '=' || field[0] == '+' || field[0] == '-' || field[0] == '@');
    const bool quoted = field.find_first_of(",\"\r\n") != Text::npos;
    if (!formula && !quoted) {
        append(out, field);
        return;
    }
    if (quoted)
        out += '"';
    if (formula)
        out += '\'';
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    if (quoted)
        out += '"';
}

// Hands out one shared QString per distinct text: a year of rows holds a few
// thousand different texts, not a few hundred thousand copies.
class TextPool
{
public:
    QString latin1(Text text) { return pooled(text, false); }
    QString utf8(Text text) { return pooled(text, true); }

private:
    QString pooled(Text text, bool utf8)
    {
        // Entries come in runs: the same date or name as the entry before.
        if (m_hasLast && text == m_last)
            return m_lastText;
        auto it = m_texts.constFind(QByteArray::fromRawData(text.data(), int(text.size())));
        if (it == m_texts.constEnd()) {
            const QString made = utf8 ? QString::fromUtf8(text.data(), int(text.size()))
                                      : QString::fromLatin1(text.data(), int(text.size()));
            it = m_texts.insert(bytesOf(text), made);
        }
        m_hasLast = true;
        m_last = text;
        m_lastText = *it;
        return m_lastText;
    }

    QHash<QByteArray, QString> m_texts;
    bool m_hasLast = false;
    Text m_last;
    QString m_lastText;
};

// ---------------------------------------------------------------------------
// Reading JSON by hand where it is plain, and by the framework where it is not

// Past the closing quote of the string at p, or null.
const char *skipString(const char *p, const char *end)
{
    for (++p; p < end; ++p) {
        if (*p == '\\') {
            if (++p == end)
                return nullptr;
        } else if (*p == '"') {
            return p + 1;
        }
    }
    return nullptr;
}

// The end of the JSON value at p, found by its strings and brackets alone
// (whether it is good JSON is the framework's to say), or null.
const char *skipValue(const char *p, const char *end, int maxDepth)
{
    if (p == end)
        return nullptr;
    if (*p == '"')
        return skipString(p, end);
    if (*p != '{' && *p != '[') {
        const char *start = p;
        while (p < end && *p != ',' && *p != ']' && *p != '}' && !isSpace(*p))
            ++p;
        return p == start ? nullptr : p;
    }
    int depth = 0;
    while (p < end) {
        switch (*p) {
        case '"':
            p = skipString(p, end);
            if (!p)
                return nullptr;
            continue;
        case '{':
        case '[':
            if (++depth > maxDepth)
                return nullptr;
            break;
        case '}':
        case ']':
            if (--depth == 0)
                return p + 1;
            break;
        default:
            break;
        }
        ++p;
    }
    return nullptr;
}

// One JSON value read by the framework as it would read it in a document.
bool frameworkValue(Text json, QJsonValue *value)
{
    QByteArray wrapped;
    wrapped.reserve(int(json.size()) + 2);
    wrapped += '[';
    append(wrapped, json);
    wrapped += ']';
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(wrapped, &error);
    if (error.error != QJsonParseError::NoError || document.array().size() != 1)
        return false;
    *value = document.array().at(0);
    return true;
}

// A value as the framework writes it in a compact document.
QByteArray frameworkBytes(const QJsonValue &value)
{
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

// The store's bytes before and after its entries.
struct Frame
{
    QByteArray prefix; // ... "haccpInfo":[
    QByteArray suffix; // ]...}
};

// The root with an empty entry list, as the framework writes it (its order
// of the keys is its own), cut where the entries go.
Frame frameOf(QJsonObject root)
{
    root.insert(kInfoKey, QJsonArray());
    root.insert(kDescKey, QStringLiteral("HACCP Data Log"));
    const QByteArray written = QJsonDocument(root).toJson(QJsonDocument::Compact);
    const QByteArray infoKey = frameworkBytes(kInfoKey);
    const char *const base = written.constData();
    const char *const end = base + written.size();
    // {"key":value,"key":value,...}: the keys are unique, so the member
    // named "haccpInfo" is the one.
    for (const char *p = base + 1; p < end;) {
        const char *keyEnd = skipString(p, end);
        const char *valueEnd = skipValue(keyEnd + 1, end, std::numeric_limits<int>::max());
        if (Text(p, size_t(keyEnd - p)) == textOf(infoKey)) {
            const int cut = int(keyEnd + 2 - base); // just after the "["
            return Frame{written.left(cut), written.mid(cut)};
        }
        p = valueEnd + 1;
    }
    Q_UNREACHABLE();
    return Frame();
}

// Says whether a text with bytes other than printable ASCII is taken as it is:
// only when the framework reads and writes it back unchanged. Null for the
// store's own bytes, which the framework wrote.
using TextCheck = std::function<bool(Text)>;

const char *literal(const char *p, const char *end, Text expected)
{
    if (!p || size_t(end - p) < expected.size() || std::memcmp(p, expected.data(), expected.size()) != 0)
        return nullptr;
    return p + expected.size();
}

// An integer as the framework writes one that fits 32 bits: no leading zero,
// no "-0", at most nine digits.
const char *readInt(const char *p, const char *end, qint32 *value)
{
    if (!p)
        return nullptr;
    const bool negative = p < end && *p == '-';
    if (negative)
        ++p;
    const char *digits = p;
    while (p < end && isDigit(*p) && p - digits < 10)
        ++p;
    const int count = int(p - digits);
    if (count == 0 || count > 9 || (digits[0] == '0' && (count > 1 || negative)))
        return nullptr;
    const int magnitude = number(Text(digits, size_t(count)));
    *value = negative ? -magnitude : magnitude;
    return p;
}

// The text up to the next quote, with no escapes in it.
const char *readText(const char *p, const char *end, Text *text, const TextCheck *check)
{
    if (!p)
        return nullptr;
    const char *start = p;
    bool plain = true;
    for (; p < end && *p != '"'; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c == '\\')
            return nullptr;
        if (c < 0x20 || c > 0x7e)
            plain = false;
    }
    if (p == end)
        return nullptr;
    *text = Text(start, size_t(p - start));
    if (!plain && check && !(*check)(*text))
        return nullptr;
    return p;
}

} // namespace

// ---------------------------------------------------------------------------

struct HaccpStore::Entry
{
    int begin = 0;
    int end = 0;
    // In the common form: the fields below are read. Otherwise objectOf().
    bool common = false;
    qint32 bin = 0;
    bool expired = false;
    Text date;
    Text time;
    Text duration;
    Text name;
};

// An entry's fields whatever its form; texts in UTF-8.
struct HaccpStore::Fields
{
    Text name;
    Text date;
    Text time;
    Text duration;
    bool expired = false;
    qint32 bin = 0;
    // For an entry in another form: the texts the views above point into.
    QString nameText;
    QByteArray own[4];
};

namespace {

// An entry of the common form,
//   {"b":5,"d":"2024/03/01","e":false,"h":"00:45:00","p":"Fries","t":"09:15:00"}
// read at p: its end, or null when it is in another form.
template<typename Entry>
const char *readCommonEntry(const char *p, const char *end, Entry *e, const TextCheck *check)
{
    p = readInt(literal(p, end, "{\"b\":"), end, &e->bin);
    p = readText(literal(p, end, ",\"d\":\""), end, &e->date, check);
    p = literal(p, end, "\",\"e\":");
    if (const char *t = literal(p, end, "true")) {
        e->expired = true;
        p = t;
    } else {
        e->expired = false;
        p = literal(p, end, "false");
    }
    p = readText(literal(p, end, ",\"h\":\""), end, &e->duration, check);
    p = readText(literal(p, end, "\",\"p\":\""), end, &e->name, check);
    p = readText(literal(p, end, "\",\"t\":\""), end, &e->time, check);
    return literal(p, end, "\"}");
}

} // namespace

// The entries of a store being read. While they lie in the source one after
// the other with single commas between them they are only counted; the first
// one that does not makes a copy, from there on.
class HaccpStore::EntryList
{
public:
    EntryList(const QByteArray &source, int begin)
        : m_source(source)
        , m_begin(begin)
        , m_next(begin)
        , m_end(begin)
    {
    }

    void keep(int from, int to)
    {
        if (!m_copied && from == m_next) {
            m_end = to;
            m_next = to + 1;
        } else {
            copy();
            m_bytes.append(m_source.constData() + from, to - from);
        }
        ++m_count;
    }

    void add(const QByteArray &entry)
    {
        copy();
        m_bytes += entry;
        ++m_count;
    }

    int count() const { return m_count; }
    // The entries are the source's bytes from begin() to the given end.
    bool inPlace(int closingBracket) const { return !m_copied && closingBracket == m_end; }
    int begin() const { return m_begin; }
    Text text() const
    {
        return m_copied ? textOf(m_bytes) : Text(m_source.constData() + m_begin, size_t(m_end - m_begin));
    }

private:
    void copy()
    {
        if (!m_copied) {
            append(m_bytes, text());
            m_copied = true;
        }
        if (m_count > 0)
            m_bytes += ',';
    }

    const QByteArray m_source;
    QByteArray m_bytes;
    const int m_begin;
    int m_next;
    int m_end;
    int m_count = 0;
    bool m_copied = false;
};

HaccpStore::HaccpStore()
{
    clear();
}

void HaccpStore::clear()
{
    assemble(QJsonObject(), EntryList(QByteArray(), 0), QByteArray());
}

HaccpStore::Load HaccpStore::load(const QByteArray &source)
{
    if (readFast(source) || readByFramework(source))
        return m_bytes.isSharedWith(source) ? Load::AsIs : Load::Normalised;
    clear();
    return Load::NotALog;
}

// The store as this class writes it, and nearly every store it ever reads:
// entries in the common form are taken as they are; everything else is
// handed to the framework piece by piece. False, with nothing changed, at
// anything it is not sure about: the framework then reads the whole store.
bool HaccpStore::readFast(const QByteArray &source)
{
    const char *const base = source.constData();
    const char *const end = base + source.size();
    // Texts that needed the framework's word, and what it said.
    QHash<QByteArray, bool> checked;
    const TextCheck check = [&checked](Text text) {
        const auto known = checked.constFind(QByteArray::fromRawData(text.data(), int(text.size())));
        if (known != checked.constEnd())
            return *known;
        const QByteArray quoted = '"' + bytesOf(text) + '"';
        QJsonValue value;
        const bool same = frameworkValue(textOf(quoted), &value) && value.isString()
            && frameworkBytes(value) == quoted;
        checked.insert(bytesOf(text), same);
        return same;
    };

    const char *p = skipSpace(base, end);
    if (p == end || *p != '{')
        return false;
    p = skipSpace(p + 1, end);
    // The root's members with an empty entry list, for the framework to read:
    // its order of the keys depends on how an object came to be.
    QByteArray members = "{";
    std::optional<EntryList> entries;
    int closingBracket = 0;
    if (p < end && *p == '}') {
        ++p;
    } else {
        for (;;) {
            if (p == end || *p != '"')
                return false;
            const char *keyEnd = skipString(p, end);
            if (!keyEnd)
                return false;
            QString key;
            const Text keyText(p + 1, size_t(keyEnd - p - 2));
            if (std::all_of(keyText.begin(), keyText.end(),
                            [](char c) { return c >= 0x20 && c <= 0x7e && c != '\\'; })) {
                key = QString::fromLatin1(keyText.data(), int(keyText.size()));
            } else {
                QJsonValue value;
                if (!frameworkValue(Text(p, size_t(keyEnd - p)), &value) || !value.isString())
                    return false;
                key = value.toString();
            }
            const char *keyStart = p;
            p = skipSpace(keyEnd, end);
            if (p == end || *p != ':')
                return false;
            p = skipSpace(p + 1, end);
            if (members.size() > 1)
                members += ',';
            if (key == kInfoKey) {
                // Of two lists the framework keeps the last: let it read
                // such a store.
                if (entries || p == end || *p != '[')
                    return false;
                members.append(keyStart, int(keyEnd - keyStart));
                members += ":[]";
                entries.emplace(source, int(p + 1 - base));
                p = skipSpace(p + 1, end);
                if (p < end && *p == ']') {
                    closingBracket = int(p - base);
                    ++p;
                } else {
                    for (;;) {
                        Entry entry;
                        const char *entryEnd = readCommonEntry(p, end, &entry, &check);
                        if (entryEnd) {
                            entries->keep(int(p - base), int(entryEnd - base));
                        } else {
                            entryEnd = skipValue(p, end, kReadDepth);
                            QJsonValue value;
                            if (!entryEnd || !frameworkValue(Text(p, size_t(entryEnd - p)), &value))
                                return false;
                            const QByteArray own = frameworkBytes(value);
                            if (textOf(own) == Text(p, size_t(entryEnd - p)))
                                entries->keep(int(p - base), int(entryEnd - base));
                            else
                                entries->add(own);
                        }
                        p = skipSpace(entryEnd, end);
                        if (p < end && *p == ',') {
                            p = skipSpace(p + 1, end);
                        } else if (p < end && *p == ']') {
                            closingBracket = int(p - base);
                            ++p;
                            break;
                        } else {
                            return false;
                        }
                    }
                }
            } else {
                const char *valueEnd = skipValue(p, end, kReadDepth);
                if (!valueEnd)
                    return false;
                members.append(keyStart, int(valueEnd - keyStart));
                p = valueEnd;
            }
            p = skipSpace(p, end);
            if (p < end && *p == ',') {
                p = skipSpace(p + 1, end);
            } else if (p < end && *p == '}') {
                ++p;
                break;
            } else {
                return false;
            }
        }
    }
    if (skipSpace(p, end) != end)
        return false;
    members += '}';
    const QJsonDocument document = QJsonDocument::fromJson(members);
    if (!document.isObject())
        return false;
    const QJsonObject root = document.object();
    if (entries && entries->inPlace(closingBracket)) {
        const Frame frame = frameOf(root);
        const int after = closingBracket;
        if (frame.prefix.size() == entries->begin() && source.size() - after == frame.suffix.size()
            && std::memcmp(base, frame.prefix.constData(), size_t(frame.prefix.size())) == 0
            && std::memcmp(base + after, frame.suffix.constData(), size_t(frame.suffix.size())) == 0) {
            m_bytes = source;
            m_begin = entries->begin();
            m_end = closingBracket;
            m_count = entries->count();
            return true;
        }
    }
    assemble(root, entries ? *entries : EntryList(QByteArray(), 0), source);
    return true;
}

// Any store the framework reads, read by it as a whole.
bool HaccpStore::readByFramework(const QByteArray &source)
{
    const QJsonDocument document = QJsonDocument::fromJson(source);
    if (!document.isObject())
        return false;
    const QJsonObject root = document.object();
    EntryList entries(QByteArray(), 0);
    const auto info = root.constFind(kInfoKey);
    if (info != root.constEnd()) {
        if (!info->isArray())
            return false;
        const QJsonArray array = info->toArray();
        for (const QJsonValue &value : array)
            entries.add(frameworkBytes(value));
    }
    assemble(root, entries, source);
    return true;
}

void HaccpStore::assemble(const QJsonObject &root, const EntryList &entries, const QByteArray &source)
{
    const Frame frame = frameOf(root);
    const Text text = entries.text();
    QByteArray bytes;
    bytes.reserve(frame.prefix.size() + int(text.size()) + frame.suffix.size());
    bytes += frame.prefix;
    append(bytes, text);
    bytes += frame.suffix;
    m_bytes = bytes == source ? source : bytes;
    m_begin = frame.prefix.size();
    m_end = m_begin + int(text.size());
    m_count = entries.count();
}

template<typename Visit>
void HaccpStore::forEachEntry(Visit visit) const
{
    const char *const base = m_bytes.constData();
    const char *const end = base + m_end;
    for (const char *p = base + m_begin; p < end;) {
        Entry entry;
        const char *entryEnd = readCommonEntry(p, end, &entry, nullptr);
        entry.common = entryEnd != nullptr;
        if (!entryEnd)
            entryEnd = skipValue(p, end, std::numeric_limits<int>::max());
        entry.begin = int(p - base);
        entry.end = int(entryEnd - base);
        if (!visit(entry))
            return;
        p = entryEnd + 1;
    }
}

QJsonObject HaccpStore::objectOf(const Entry &entry) const
{
    QJsonValue value;
    frameworkValue(Text(m_bytes.constData() + entry.begin, size_t(entry.end - entry.begin)), &value);
    return value.toObject();
}

void HaccpStore::fieldsOf(const Entry &entry, Fields *fields) const
{
    if (entry.common) {
        fields->name = entry.name;
        fields->date = entry.date;
        fields->time = entry.time;
        fields->duration = entry.duration;
        fields->expired = entry.expired;
        fields->bin = entry.bin;
        return;
    }
    // What is missing or of another type reads as "", false or 0.
    const QJsonObject o = objectOf(entry);
    fields->nameText = o.value(QLatin1String("p")).toString();
    fields->own[0] = fields->nameText.toUtf8();
    fields->own[1] = o.value(QLatin1String("d")).toString().toUtf8();
    fields->own[2] = o.value(QLatin1String("t")).toString().toUtf8();
    fields->own[3] = o.value(QLatin1String("h")).toString().toUtf8();
    fields->name = textOf(fields->own[0]);
    fields->date = textOf(fields->own[1]);
    fields->time = textOf(fields->own[2]);
    fields->duration = textOf(fields->own[3]);
    fields->expired = o.value(QLatin1String("e")).toBool(false);
    fields->bin = o.value(QLatin1String("b")).toInt(0);
}

// The entries left between those that go are runs of whole entries already
// joined by commas: each moves down in one piece, with one comma before it.
void HaccpStore::erase(const std::vector<Span> &gone)
{
    if (gone.empty())
        return;
    char *bytes = m_bytes.data();
    int write = gone.front().first > m_begin ? gone.front().first - 1 : m_begin;
    for (size_t i = 0; i < gone.size(); ++i) {
        const int from = gone[i].second + 1;
        const int to = i + 1 < gone.size() ? gone[i + 1].first - 1 : m_end;
        if (to <= from)
            continue;
        if (write > m_begin)
            bytes[write++] = ',';
        std::memmove(bytes + write, bytes + from, size_t(to - from));
        write += to - from;
    }
    m_bytes.remove(write, m_end - write);
    m_end = write;
    m_count -= int(gone.size());
}

void HaccpStore::add(const HaccpData &e)
{
    QJsonObject o;
    o.insert(QStringLiteral("p"), e.name);
    o.insert(QStringLiteral("d"), e.date);
    o.insert(QStringLiteral("t"), e.time);
    o.insert(QStringLiteral("h"), e.duration);
    o.insert(QStringLiteral("e"), e.expired);
    o.insert(QStringLiteral("b"), int(e.binNumber));
    QByteArray entry = frameworkBytes(o);
    if (m_count > 0)
        entry += ',';
    m_bytes.insert(m_begin, entry);
    m_end += entry.size();
    ++m_count;
}

bool HaccpStore::removeStartRecord(int binNumber)
{
    std::vector<Span> gone;
    forEachEntry([&](const Entry &e) {
        bool complete = true;
        qint32 bin = e.bin;
        bool open = e.duration == kOpen;
        if (!e.common) {
            const QJsonObject o = objectOf(e);
            complete = o.contains(QLatin1String("d")) && o.contains(QLatin1String("t"))
                && o.contains(QLatin1String("b"));
            bin = o.value(QLatin1String("b")).toInt();
            open = o.value(QLatin1String("h")).toString() == HaccpLogFormat::openDuration;
        }
        if (!complete || (bin == binNumber && open))
            gone.emplace_back(e.begin, e.end);
        return !complete || !(bin == binNumber && open);
    });
    erase(gone);
    return !gone.empty();
}

int HaccpStore::purgeBefore(const QString &cutoffDate)
{
    const QByteArray cutoffText = cutoffDate.toUtf8();
    // An unreadable cut-off is earlier than every real date: it removes
    // nothing good.
    const QDate cutoff = storedDate(textOf(cutoffText));
    std::vector<Span> gone;
    // Entries come day by day: most have the date of the one before.
    Text lastText;
    QDate lastDate;
    forEachEntry([&](const Entry &e) {
        QDate date;
        bool dated = true;
        if (e.common) {
            if (e.date != lastText) {
                lastText = e.date;
                lastDate = storedDate(e.date);
            }
            date = lastDate;
        } else {
            const QJsonValue d = objectOf(e).value(QLatin1String("d"));
            dated = !d.isUndefined();
            date = storedDate(textOf(d.toString().toUtf8()));
        }
        // A date that does not parse is earlier than every date.
        if (!dated || !date.isValid() || (cutoff.isValid() && date < cutoff))
            gone.emplace_back(e.begin, e.end);
        return true;
    });
    erase(gone);
    return int(gone.size());
}

HaccpDataList HaccpStore::modelRows(int limit) const
{
    HaccpDataList rows;
    rows.reserve(limit < 0 ? m_count : qMin(limit, m_count));
    TextPool names;
    TextPool dates;
    TextPool times;
    TextPool durations;
    forEachEntry([&](const Entry &e) {
        if (limit >= 0 && rows.size() >= limit)
            return false;
        HaccpData row;
        if (e.common) {
            row.name = names.utf8(e.name);
            row.date = dates.latin1(modelDate(e.date));
            row.time = times.latin1(modelTime(e.time));
            row.duration = durations.latin1(modelDuration(e.duration));
            row.expired = e.expired;
            row.binNumber = e.bin;
        } else {
            Fields f;
            fieldsOf(e, &f);
            row.name = f.nameText;
            const Text date = modelDate(f.date);
            const Text time = modelTime(f.time);
            const Text duration = modelDuration(f.duration);
            row.date = QString::fromLatin1(date.data(), int(date.size()));
            row.time = QString::fromLatin1(time.data(), int(time.size()));
            row.duration = QString::fromLatin1(duration.data(), int(duration.size()));
            row.expired = f.expired;
            row.binNumber = f.bin;
        }
        rows.append(row);
        return true;
    });
    return rows;
}

bool HaccpStore::csvLines(int traysPerZone, int zonesPerRow,
                          const std::function<bool(const QByteArray &)> &sink) const
{
    const qint64 binsPerShelf = qint64(traysPerZone) * zonesPerRow;
    QByteArray piece;
    // Reserved, so that emptying it keeps its room.
    piece.reserve(kCsvPiece + 4096);
    bool accepted = true;
    forEachEntry([&](const Entry &e) {
        Fields f;
        fieldsOf(e, &f);
        const bool open = f.duration == kOpen;
        appendCsvText(piece, f.name);
        piece += ',';
        // Without a shelf layout there is no shelf to name: leave it empty.
        if (binsPerShelf > 0)
            piece += QByteArray::number(f.bin / binsPerShelf + 1);
        piece += ',';
        append(piece, modelDate(f.date));
        piece += ' ';
        append(piece, modelTime(f.time));
        piece += ',';
        piece += open ? "----" : (f.expired ? "Yes" : "No");
        piece += ',';
        append(piece, open ? kOpen : modelDuration(f.duration));
        piece += ",\n";
        if (piece.size() >= kCsvPiece) {
            accepted = sink(piece);
            piece.resize(0);
        }
        return accepted;
    });
    if (accepted && !piece.isEmpty())
        accepted = sink(piece);
    return accepted;
}
