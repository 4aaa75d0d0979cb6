#include "haccpstore.h"

#include "haccplogformat.h"

#include <QDate>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QtAlgorithms>

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

// Two digits as a number, or -1.
int twoDigits(const char *p)
{
    return isDigit(p[0]) && isDigit(p[1]) ? (p[0] - '0') * 10 + (p[1] - '0') : -1;
}

// Strict "yyyy/MM/dd".
QDate storedDate(Text text)
{
    if (text.size() != 10 || text[4] != '/' || text[7] != '/')
        return QDate();
    const char *p = text.data();
    const int century = twoDigits(p);
    const int year = twoDigits(p + 2);
    const int month = twoDigits(p + 5);
    const int day = twoDigits(p + 8);
    if (century < 0 || year < 0 || month < 0 || day < 0)
        return QDate();
    return QDate(century * 100 + year, month, day);
}

// "yyyy/MM/dd" -> "MM/dd"; empty when it is not a date.
Text modelDate(Text stored)
{
    return storedDate(stored).isValid() ? Text(stored.data() + 5, 5) : Text();
}

// "HH:mm:ss" -> "HH:mm"; empty when it is not a time of day.
Text modelTime(Text stored)
{
    if (stored.size() != 8 || stored[2] != ':' || stored[5] != ':')
        return Text();
    const char *p = stored.data();
    const int hours = twoDigits(p);
    const int minutes = twoDigits(p + 3);
    const int seconds = twoDigits(p + 6);
    return hours >= 0 && hours < 24 && minutes >= 0 && minutes < 60 && seconds >= 0 && seconds < 60
        ? Text(p, 5)
        : Text();
}

// "H...H:mm:ss" with at least two hour digits -> "H...H:mm"; "----" stays.
// Holds of a day or more keep their hours ("123:05"); shorter ones read as a
// time of day would.
Text modelDuration(Text stored)
{
    if (stored == kOpen)
        return kOpen;
    const size_t n = stored.size();
    if (n < 8 || stored[n - 6] != ':' || stored[n - 3] != ':')
        return Text();
    const char *p = stored.data();
    const int minutes = twoDigits(p + n - 5);
    const int seconds = twoDigits(p + n - 2);
    if (minutes < 0 || minutes > 59 || seconds < 0 || seconds > 59 || !allDigits(Text(p, n - 6)))
        return Text();
    return Text(p, n - 3);
}

void append(QByteArray &out, Text text)
{
    out.append(text.data(), int(text.size()));
}

// The export's lines, written straight into a piece of memory that is
// handed to the sink whenever it is full: no call per field.
class CsvWriter
{
public:
    explicit CsvWriter(const std::function<bool(const QByteArray &)> &sink)
        : m_sink(sink)
    {
        m_piece.resize(kCsvPiece);
        m_at = m_piece.data();
    }

    // Makes room for a line. Quoting at most doubles the name; a duration
    // keeps its hours, as many as there are; the rest takes a few dozen
    // bytes.
    bool startLine(const Text &name, const Text &duration)
    {
        const qint64 most = qint64(2 * name.size() + duration.size()) + 96;
        if ((m_at - m_piece.constData()) + most > m_piece.size()) {
            if (!flush())
                return false;
            if (most > m_piece.size()) {
                m_piece.resize(int(most));
                m_at = m_piece.data();
            }
        }
        return true;
    }

    void put(char c) { *m_at++ = c; }
    void put(Text text)
    {
        if (text.empty()) // its data may be null
            return;
        std::memcpy(m_at, text.data(), text.size());
        m_at += text.size();
    }

    // A spreadsheet would run a leading = + - @ as a formula; a comma,
    // quote or line break needs quotes around the field.
    void field(Text text)
    {
        const bool formula = !text.empty()
            && (text[0] == '=' || text[0] == '+' || text[0] == '-' || text[0] == '@');
        const bool quoted = std::any_of(text.begin(), text.end(), [](char c) {
            return c == ',' || c == '"' || c == '\r' || c == '\n';
        });
        if (!formula && !quoted) {
            put(text);
            return;
        }
        if (quoted)
            put('"');
        if (formula)
            put('\'');
        for (char c : text) {
            if (c == '"')
                put('"');
            put(c);
        }
        if (quoted)
            put('"');
    }

    void number(qint64 value)
    {
        char digits[24];
        char *p = digits + sizeof digits;
        const bool negative = value < 0;
        quint64 magnitude = negative ? 0 - quint64(value) : quint64(value);
        do {
            *--p = char('0' + magnitude % 10);
            magnitude /= 10;
        } while (magnitude > 0);
        if (negative)
            *--p = '-';
        put(Text(p, size_t(digits + sizeof digits - p)));
    }

    // Hands what is written to the sink.
    bool flush()
    {
        const int used = int(m_at - m_piece.constData());
        bool accepted = true;
        if (used > 0) {
            const int size = m_piece.size();
            m_piece.resize(used);
            accepted = m_sink(m_piece);
            m_piece.resize(size);
        }
        m_at = m_piece.data();
        return accepted;
    }

private:
    const std::function<bool(const QByteArray &)> &m_sink;
    QByteArray m_piece;
    char *m_at = nullptr;
};

// Entries come day by day: most have the date of the one before, which is
// then not worked out again. Remembers the text it was last given: it must
// outlive the next call.
class DateMemo
{
public:
    QDate date(Text stored)
    {
        if (!m_known || stored != m_text) {
            m_known = true;
            m_text = stored;
            m_date = storedDate(stored);
        }
        return m_date;
    }
    Text modelDate(Text stored) { return date(stored).isValid() ? Text(stored.data() + 5, 5) : Text(); }

private:
    bool m_known = false;
    Text m_text;
    QDate m_date;
};

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

// Of a known length, so that the comparison is compiled in line.
template<size_t N>
const char *literal(const char *p, const char *end, const char (&expected)[N])
{
    if (!p || size_t(end - p) < N - 1 || std::memcmp(p, expected, N - 1) != 0)
        return nullptr;
    return p + N - 1;
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

// The first quote or backslash from p on, or end; eight bytes at a time
// where the machine's byte order allows.
Q_ALWAYS_INLINE const char *quoteOrEscape(const char *p, const char *end)
{
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    constexpr quint64 ones = 0x0101010101010101ULL;
    constexpr quint64 highs = 0x8080808080808080ULL;
    for (; end - p >= 8; p += 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        const quint64 quotes = word ^ (ones * '"');
        const quint64 escapes = word ^ (ones * '\\');
        // A high bit for each byte that is zero in either; the lowest one
        // is always right.
        const quint64 found = ((quotes - ones) & ~quotes & highs) | ((escapes - ones) & ~escapes & highs);
        if (found)
            return p + qCountTrailingZeroBits(found) / 8;
    }
#endif
    while (p < end && *p != '"' && *p != '\\')
        ++p;
    return p;
}

// The text up to the next quote, with no escapes in it. In line: four
// of these read every entry.
Q_ALWAYS_INLINE const char *readText(const char *p, const char *end, Text *text, const TextCheck *check)
{
    if (!p)
        return nullptr;
    const char *quote = quoteOrEscape(p, end);
    if (quote == end || *quote != '"')
        return nullptr;
    *text = Text(p, size_t(quote - p));
    if (check && !std::all_of(p, quote, [](char c) { return c >= 0x20 && c <= 0x7e; })
        && !(*check)(*text))
        return nullptr;
    return quote;
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

// The fields of an entry in another form, as the framework reads them; the
// entry's texts point into the texts here.
struct HaccpStore::OddFields
{
    Entry entry;
    QString name;
    QByteArray texts[4];
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

const HaccpStore::Entry &HaccpStore::fieldsOf(const Entry &entry, OddFields *odd) const
{
    if (entry.common)
        return entry;
    // What is missing or of another type reads as "", false or 0.
    const QJsonObject o = objectOf(entry);
    odd->name = o.value(QLatin1String("p")).toString();
    odd->texts[0] = odd->name.toUtf8();
    odd->texts[1] = o.value(QLatin1String("d")).toString().toUtf8();
    odd->texts[2] = o.value(QLatin1String("t")).toString().toUtf8();
    odd->texts[3] = o.value(QLatin1String("h")).toString().toUtf8();
    odd->entry = entry;
    odd->entry.name = textOf(odd->texts[0]);
    odd->entry.date = textOf(odd->texts[1]);
    odd->entry.time = textOf(odd->texts[2]);
    odd->entry.duration = textOf(odd->texts[3]);
    odd->entry.expired = o.value(QLatin1String("e")).toBool(false);
    odd->entry.bin = o.value(QLatin1String("b")).toInt(0);
    return odd->entry;
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
    DateMemo memo;
    forEachEntry([&](const Entry &e) {
        QDate date;
        bool dated = true;
        if (e.common) {
            date = memo.date(e.date);
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
    DateMemo memo;
    forEachEntry([&](const Entry &e) {
        if (limit >= 0 && rows.size() >= limit)
            return false;
        HaccpData row;
        if (e.common) {
            row.name = names.utf8(e.name);
            row.date = dates.latin1(memo.modelDate(e.date));
            row.time = times.latin1(modelTime(e.time));
            row.duration = durations.latin1(modelDuration(e.duration));
            row.expired = e.expired;
            row.binNumber = e.bin;
        } else {
            // Its own texts, not pooled: the views die with it.
            OddFields odd;
            const Entry &f = fieldsOf(e, &odd);
            const Text date = modelDate(f.date);
            const Text time = modelTime(f.time);
            const Text duration = modelDuration(f.duration);
            row.name = odd.name;
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
    CsvWriter out(sink);
    DateMemo memo;
    OddFields odd;
    bool accepted = true;
    forEachEntry([&](const Entry &e) {
        const Entry &f = fieldsOf(e, &odd);
        if (!out.startLine(f.name, f.duration)) {
            accepted = false;
            return false;
        }
        const bool open = f.duration == kOpen;
        out.field(f.name);
        out.put(',');
        // Without a shelf layout there is no shelf to name: leave it empty.
        if (binsPerShelf > 0)
            out.number(f.bin / binsPerShelf + 1);
        out.put(',');
        // Only texts in the store's own bytes live long enough to remember.
        out.put(e.common ? memo.modelDate(f.date) : modelDate(f.date));
        out.put(' ');
        out.put(modelTime(f.time));
        out.put(',');
        out.put(open ? kOpen : (f.expired ? Text("Yes") : Text("No")));
        out.put(',');
        out.put(open ? kOpen : modelDuration(f.duration));
        out.put(',');
        out.put('\n');
        return true;
    });
    return accepted && out.flush();
}
