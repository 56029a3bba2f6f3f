#include "files/IniReader.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

namespace {

// Lines end at "\n", "\r\n" or a lone "\r"; calls `onLine` for each until it returns true.
template <typename F>
void forEachLine(QByteArrayView text, F onLine) {
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = start;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
    if (onLine(text.sliced(start, end - start).trimmed())) return;
    start = end + 1;
  }
}

bool sameName(QByteArrayView name, QStringView wanted) {
  return QString::fromUtf8(name.trimmed()).compare(wanted, Qt::CaseInsensitive) == 0;
}

// "[Name]" gives "Name"; a missing "]" closes the name at the end of the line.
QByteArrayView sectionName(QByteArrayView line) {
  QByteArrayView inner = line.sliced(1);
  const qsizetype close = inner.indexOf(']');
  return close < 0 ? inner : inner.first(close);
}

QString cleanValue(QByteArrayView raw) {
  QByteArrayView value = raw.trimmed();
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    value = value.sliced(1, value.size() - 2);
  QString text = QString::fromUtf8(value);
  qsizetype length = std::min<qsizetype>(text.size(), MaxIniValueLength);
  // Never keep half of a character outside the basic plane.
  if (length > 0 && length < text.size() && text[length - 1].isHighSurrogate()) --length;
  return text.first(length);
}

}  // namespace

QByteArray readIniText(const QString& path) {
  // A pipe would block the program; a device is no calibration.
  if (!QFileInfo(path).isFile()) return {};
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.read(MaxIniBytes);
}

QString iniValue(QByteArrayView text, QStringView section, QStringView key) {
  if (text.startsWith("\xEF\xBB\xBF")) text = text.sliced(3);
  enum { Before, Inside, After } where = Before;
  std::optional<QString> found;
  forEachLine(text, [&](QByteArrayView line) {
    if (line.isEmpty() || line.front() == ';') return false;
    if (line.front() == '[') {
      if (where == Inside)
        where = After;
      else if (where == Before && sameName(sectionName(line), section))
        where = Inside;
      return where == After;
    }
    const qsizetype equals = line.indexOf('=');
    if (where != Inside || equals < 0 || !sameName(line.first(equals), key)) return false;
    found = cleanValue(line.sliced(equals + 1));
    return true;
  });
  return found.value_or(QStringLiteral("False"));
}

double leadingNumber(QStringView text) {
  // Only ASCII can belong to a number.
  std::string number;
  for (const QChar c : text) {
    if (c == u' ' || c == u'\t') continue;
    if (c.unicode() > 127) break;
    number.push_back(char(c.unicode()));
  }
  const char* first = number.data();
  const char* last = first + number.size();
  bool negative = false;
  if (first != last && (*first == '+' || *first == '-')) negative = *first++ == '-';
  // Only digits or a point may start the number: the parser would also take "inf" and "nan".
  if (first == last || !(std::isdigit(static_cast<unsigned char>(*first)) || *first == '.'))
    return 0;
  double value = 0;
  const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
  if (error != std::errc() || !std::isfinite(value)) return 0;
  return negative ? -value : value;
}
