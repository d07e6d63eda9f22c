#include "persist/profile_file.h"

#include "platform/atomic_file.h"
#include "platform/convert.h"
#include "platform/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace rimora {

namespace {

const QByteArray kUtf8Bom("\xEF\xBB\xBF", 3);
const QByteArray kUtf16LEBom("\xFF\xFE", 2);
const QByteArray kUtf16BEBom("\xFE\xFF", 2);

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\v')
           || c == QLatin1Char('\f');
}

// The searches below look at every line for every key read or written, so
// they work on views of the lines and copy nothing.
QStringView TrimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.sliced(begin, end - begin);
}

QString TrimBlanks(const QString& text)
{
    return TrimBlanks(QStringView(text)).toString();
}

bool IsComment(QStringView trimmedLine)
{
    return trimmedLine.startsWith(QLatin1Char(';'));
}

// The section name of a "[name]" line, or nothing for any other line.
std::optional<QStringView> SectionName(QStringView line)
{
    const QStringView trimmed = TrimBlanks(line);
    if (!trimmed.startsWith(QLatin1Char('['))) return std::nullopt;
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    return TrimBlanks(close < 0 ? trimmed.sliced(1) : trimmed.sliced(1, close - 1));
}

bool SameName(QStringView a, QStringView b)
{
    // Case folding maps one UTF-16 unit to one, so names of other lengths differ.
    return a.size() == b.size() && a.compare(b, Qt::CaseInsensitive) == 0;
}

// A value must stay on its own line, or it would end the key and start
// something else.
QString OneLine(const QString& value)
{
    QString out = value;
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

QString FullPath(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

}  // namespace

ProfileFile::ProfileFile(const QString& path) : path_(path)
{
    QFile file(path_);
    if (!file.exists()) return;
    fileSize_ = file.size();
    if (!file.open(QIODevice::ReadOnly) || fileSize_ > kMaxFileSize) {
        unreadable_ = true;
        // The reason in the program's words, not in the C library's language.
        const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_CLOEXEC);
        readError_ = SystemReason(fd < 0 ? errno : QFileInfo(path_).isDir() ? EISDIR : EIO);
        if (fd >= 0) ::close(fd);
        return;
    }
    Decode(file.readAll());
}

void ProfileFile::Decode(const QByteArray& bytes)
{
    QString text;
    if (bytes.startsWith(kUtf8Bom)) {
        encoding_ = Encoding::Utf8Bom;
        text = QString::fromUtf8(bytes.mid(kUtf8Bom.size()));
    } else if (bytes.startsWith(kUtf16LEBom) || bytes.startsWith(kUtf16BEBom)) {
        encoding_ = bytes.startsWith(kUtf16LEBom) ? Encoding::Utf16LE : Encoding::Utf16BE;
        QStringDecoder decoder(encoding_ == Encoding::Utf16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        text = decoder(bytes.mid(2));
    } else {
        QStringDecoder decoder(QStringConverter::Utf8);
        text = decoder(bytes);
        if (decoder.hasError()) {
            // Not UTF-8 (an old file in a single-byte code page): every byte
            // maps to one character, so untouched lines are written back as
            // they were.
            encoding_ = Encoding::Latin1;
            text = QString::fromLatin1(bytes);
        }
    }

    if (text.isEmpty()) return;
    // Every line end counts, whichever kind; the first one found is the
    // file's own and is used for the whole file when it is written.
    bool lineEndSeen = false;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            ++i;
            continue;
        }
        const bool crlf = c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n');
        if (!lineEndSeen) {
            lineEnd_ = crlf ? LineEnd::CrLf : c == QLatin1Char('\r') ? LineEnd::Cr : LineEnd::Lf;
            lineEndSeen = true;
        }
        lines_ << text.mid(start, i - start);
        i += crlf ? 2 : 1;
        start = i;
    }
    finalLineBreak_ = start == text.size();
    if (!finalLineBreak_) lines_ << text.mid(start);
}

QByteArray ProfileFile::Encode() const
{
    const QString eol = lineEnd_ == LineEnd::CrLf ? QStringLiteral("\r\n")
                        : lineEnd_ == LineEnd::Cr ? QStringLiteral("\r")
                                                  : QStringLiteral("\n");
    QString text = lines_.join(eol);
    if (finalLineBreak_ && !lines_.isEmpty()) text += eol;

    switch (encoding_) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Utf8Bom:
        return kUtf8Bom + text.toUtf8();
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
        const bool little = encoding_ == Encoding::Utf16LE;
        QStringEncoder encoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return (little ? kUtf16LEBom : kUtf16BEBom) + QByteArray(encoder(text));
    }
    case Encoding::Latin1:
        break;
    }
    // A value written that a single-byte file cannot hold turns the file into
    // UTF-8 rather than losing the characters.
    for (const QChar c : text)
        if (c.unicode() > 0xFF) return text.toUtf8();
    // So does a file whose single bytes would now read as UTF-8, because the
    // value that made it no UTF-8 has been replaced: the next read would take
    // "Ã©" for "é" in every line not written.
    QByteArray bytes = text.toLatin1();
    QStringDecoder utf8(QStringConverter::Utf8);
    [[maybe_unused]] const QString readAsUtf8 = utf8.decode(bytes);
    return utf8.hasError() ? bytes : text.toUtf8();
}

std::optional<ProfileFile::Range> ProfileFile::FindSection(const QString& section) const
{
    const QStringView wanted = TrimBlanks(QStringView(section));
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const std::optional<QStringView> name = SectionName(lines_[i]);
        if (!name || !SameName(*name, wanted)) continue;
        qsizetype end = i + 1;
        while (end < lines_.size() && !SectionName(lines_[end])) ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<qsizetype> ProfileFile::FindKey(const Range& range, const QString& key) const
{
    const QStringView wanted = TrimBlanks(QStringView(key));
    for (qsizetype i = range.header + 1; i < range.end; ++i) {
        const QString& line = lines_[i];
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        const QStringView name = TrimBlanks(QStringView(line).first(eq));
        if (IsComment(name)) continue;
        if (SameName(name, wanted)) return i;
    }
    return std::nullopt;
}

std::optional<QString> ProfileFile::RawValue(const QString& section, const QString& key) const
{
    const std::optional<Range> range = FindSection(section);
    if (!range) return std::nullopt;
    const std::optional<qsizetype> at = FindKey(*range, key);
    if (!at) return std::nullopt;
    const QString& line = lines_[*at];
    return line.mid(line.indexOf(QLatin1Char('=')) + 1);
}

bool ProfileFile::HasSection(const QString& section) const
{
    return FindSection(section).has_value();
}

QStringList ProfileFile::Keys(const QString& section) const
{
    QStringList keys;
    const std::optional<Range> range = FindSection(section);
    if (!range) return keys;
    for (qsizetype i = range->header + 1; i < range->end; ++i) {
        const qsizetype eq = lines_[i].indexOf(QLatin1Char('='));
        if (eq < 0) continue;
        const QString name = TrimBlanks(lines_[i].left(eq));
        if (!IsComment(name)) keys << name;
    }
    return keys;
}

QString ProfileFile::ReadString(const QString& section, const QString& key, const QString& defaultValue) const
{
    const std::optional<QString> raw = RawValue(section, key);
    if (!raw) return defaultValue;
    QString value = TrimBlanks(*raw);
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2);
    value.truncate(kMaxValueLength);
    return value;
}

int ProfileFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    if (!RawValue(section, key)) return defaultValue;
    int value = 0;
    return TryStrToInt(ReadString(section, key, QString()), value) ? value : defaultValue;
}

bool ProfileFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const
{
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void ProfileFile::WriteString(const QString& section, const QString& key, const QString& value)
{
    const QString text = OneLine(value);
    const std::optional<Range> range = FindSection(section);
    if (!range) {
        lines_ << QLatin1Char('[') + section + QLatin1Char(']') << key + QLatin1Char('=') + text;
        changed_ = true;
        return;
    }
    if (const std::optional<qsizetype> at = FindKey(*range, key)) {
        QString& line = lines_[*at];
        const QString updated = line.left(line.indexOf(QLatin1Char('=')) + 1) + text;
        if (updated != line) {
            line = updated;
            changed_ = true;
        }
        return;
    }
    // After the section's last line that is not blank, so that blank lines
    // separating it from the next section stay where they are.
    qsizetype insertAt = range->header + 1;
    for (qsizetype i = range->header + 1; i < range->end; ++i)
        if (!TrimBlanks(QStringView(lines_[i])).isEmpty()) insertAt = i + 1;
    lines_.insert(insertAt, key + QLatin1Char('=') + text);
    changed_ = true;
}

void ProfileFile::WriteInteger(const QString& section, const QString& key, int value)
{
    WriteString(section, key, QString::number(value));
}

void ProfileFile::WriteBool(const QString& section, const QString& key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void ProfileFile::Save()
{
    if (!changed_) return;
    // A file that could not be read is never replaced by one that lacks
    // what it held.
    if (unreadable_) {
        if (QFileInfo(path_).isDir()) throw EFileWriteError(FullPath(path_), SystemReason(EISDIR));
        const QString reason =
            TooLarge() ? QCoreApplication::translate("Errors", "it is too large to be one of Rimora's files, so it is kept as it is")
                       : QCoreApplication::translate("Errors", "it could not be read (%1), so it is kept as it is").arg(readError_);
        throw EFileWriteError(FullPath(path_), reason);
    }
    WriteFileAtomically(FullPath(path_), Encode());
    changed_ = false;
}

}  // namespace rimora
