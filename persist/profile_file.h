#pragma once
// One INI text file held in memory for the length of one store operation.
// Reads single values by section and key; writes change the copy in memory
// only, and Save() puts the whole file on disk at once, through a temporary
// file beside it that replaces the old one, so a write that fails leaves the
// old file exactly as it was.
//
// Section and key names match without regard to letter case; the first of
// several equal sections or keys wins. A value read has the blanks around it
// and one pair of enclosing double quotes removed and is cut at 2047
// characters. A key written for the first time goes to the end of its
// section, a new section to the end of the file; everything else keeps its
// bytes. Lines may end in CR LF, LF or a bare CR (an old Mac editor); the
// file is written back with the line end it starts with, so one that mixes
// them comes out with its first throughout. The encoding stays as found,
// except that a single-byte file becomes UTF-8 when it could no longer be
// read back as written; a new file is UTF-8 with LF.
#include <QString>
#include <QStringList>
#include <optional>

namespace rimora {

class ProfileFile {
public:
    enum class Encoding { Utf8, Utf8Bom, Utf16LE, Utf16BE, Latin1 };
    enum class LineEnd { Lf, CrLf, Cr };

    // The longest value a read gives back.
    static constexpr qsizetype kMaxValueLength = 2047;
    // A settings or profile file is a few kilobytes; anything far larger is
    // not one of ours and is neither parsed nor overwritten.
    static constexpr qint64 kMaxFileSize = 16 * 1024 * 1024;

    // Reads the file; a missing or unreadable file reads as empty.
    explicit ProfileFile(const QString& path);

    const QString& Path() const { return path_; }
    // The file exists but was not read (too large to be one of ours, or not
    // readable); it reads as empty and Save() refuses to replace it.
    bool Unreadable() const { return unreadable_; }
    // Unreadable because it is larger than kMaxFileSize.
    bool TooLarge() const { return unreadable_ && fileSize_ > kMaxFileSize; }
    // The size found on disk; 0 for a missing file.
    qint64 FileSize() const { return fileSize_; }
    bool HasSection(const QString& section) const;
    // The names of the section's keys, in file order, as written there.
    QStringList Keys(const QString& section) const;

    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // Decimal with optional sign, or hexadecimal after "0x", "x" or "$";
    // anything else, or an absent key, gives the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // Any non-zero integer is true.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

    // Writes the file when a write changed it. Throws EFileWriteError
    // (with the full path) when it cannot, leaving the old file untouched.
    void Save();

    Encoding FileEncoding() const { return encoding_; }
    LineEnd LineEnding() const { return lineEnd_; }

private:
    struct Range {
        qsizetype header;  // index of the "[section]" line
        qsizetype end;     // one past the section's last line
    };
    std::optional<Range> FindSection(const QString& section) const;
    std::optional<qsizetype> FindKey(const Range& range, const QString& key) const;
    std::optional<QString> RawValue(const QString& section, const QString& key) const;
    void Decode(const QByteArray& bytes);
    QByteArray Encode() const;

    QString path_;
    QStringList lines_;          // without their line endings
    bool finalLineBreak_ = true; // whether the last line ended with a line break
    LineEnd lineEnd_ = LineEnd::Lf;
    qint64 fileSize_ = 0;
    Encoding encoding_ = Encoding::Utf8;
    bool unreadable_ = false;    // exists but could not be read: never overwrite it
    QString readError_;          // the system's reason, when it could not be read
    bool changed_ = false;
};

}  // namespace rimora
