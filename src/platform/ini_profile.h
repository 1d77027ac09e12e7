#pragma once
// INI files read and written the way the system's profile functions do it. QSettings cannot be
// used: it reorders the file and rewrites lines it does not own.
//
// Section and key names compare without regard to letter case; the first matching section and
// key count. A value is the text after the first "=", with blanks around it removed and one pair
// of matching enclosing quotes dropped. Writing a key replaces its line where it stands or adds
// it after the last line of its section (the section is added at the end of the file when
// missing); every other line stays exactly as it was. Files are Windows-1251 text with CR LF.
#include <QString>
#include <QStringList>
#include <optional>

// The value of key in section among the lines of a file, or nothing when it is absent.
std::optional<QString> IniValue(const QStringList& lines, const QString& section, const QString& key);

// Sets key in section to value among the lines of a file.
void SetIniValue(QStringList& lines, const QString& section, const QString& key, const QString& value);

// A whole decimal number (optional sign, blanks around it allowed), or nothing for any other text.
std::optional<int> IniInteger(const QString& text);

// One INI file. Every call reads the file afresh and every write stands on its own, so keys
// written before a failed write stay written.
class IniProfile {
public:
    explicit IniProfile(const QString& path) : path_(path) {}

    const QString& FileName() const { return path_; }

    // A file that is missing or cannot be read reads as empty: the default is returned.
    QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
    // A value that is not a whole number counts as missing.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;

    // Raise EInOutError "Unable to write to <path>" when the file cannot be written.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);

private:
    QString path_;
};
