#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// A small reader for initialisation files: "[Section]" lines open sections, "Key = Value"
// lines give values, lines starting with ";" are comments.

// Only this much of a file is read: a calibration file is a few lines long, and a huge or
// endless file (a device, say) must not stall or exhaust the program.
inline constexpr qint64 MaxIniBytes = 64 * 1024;
inline constexpr int MaxIniValueLength = 40;

// The file's first MaxIniBytes bytes; empty when it is missing, unreadable or not a regular
// file.
QByteArray readIniText(const QString& path);

// The value of `key` in `section`: names are matched without regard to case and with the
// blanks around them trimmed; the first matching section and, in it, the first matching key
// count. The value is trimmed, loses one pair of matching outer quotes and is cut to
// MaxIniValueLength characters. "False" when the section or the key is missing.
QString iniValue(QByteArrayView text, QStringView section, QStringView key);

// The decimal number at the start of `text`, independent of the locale: blanks are skipped,
// then an optional sign, digits with a "." and an exponent; reading stops at the first other
// character. Text without a leading number, and a number beyond double's range, count as 0.
double leadingNumber(QStringView text);
