#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <random>
#include <vector>

#include "files/IniReader.h"

namespace {

QString valueIn(const char* text, const char* section, const char* key) {
  return iniValue(QByteArrayView(text), QString::fromLatin1(section), QString::fromLatin1(key));
}

}  // namespace

TEST(IniLookup, NamesMatchWithoutCaseOrBlanksAndTheFirstSectionAndKeyWin) {
  const char* ini =
      "\xEF\xBB\xBF[Parms]\r\n"
      "  paper_WIDTH  =   8.5 inches  \r\n"
      ";Printed_Height=1\n"
      "  ; Paper_Height=2\n"
      "\tPrinted_Height\t=\t10\r\n"
      "PRINTED_HEIGHT=4\n"
      "[parms]\n"
      "Paper_Height=6\n";
  EXPECT_EQ(valueIn(ini, "PARMS", "Paper_Width"), "8.5 inches");
  EXPECT_EQ(valueIn(ini, "parms", "printed_height"), "10");
  EXPECT_EQ(valueIn(ini, "Parms", "Paper_Height"), "False");
  EXPECT_EQ(valueIn("[Parms\rA=1\r[B]\rA=2", "Parms", "A"), "1");  // a lone CR ends lines too
  EXPECT_EQ(valueIn("[ Parms ]\nA = x = y\n", "Parms", "A"), "x = y");
  // Missing file, section or key; a key before any section belongs to none.
  EXPECT_EQ(valueIn("", "Parms", "A"), "False");
  EXPECT_EQ(valueIn("[Other]\nA=8\n", "Parms", "A"), "False");
  EXPECT_EQ(valueIn("A=8\n[Parms]\nA\n", "Parms", "A"), "False");
}

TEST(IniLookup, ValuesLoseOnePairOfMatchingQuotesAndStopAtFortyCharacters) {
  EXPECT_EQ(valueIn("[S]\nA=\"8.5\"\n", "S", "A"), "8.5");
  EXPECT_EQ(valueIn("[S]\nA='\"8.5\"'\n", "S", "A"), "\"8.5\"");
  EXPECT_EQ(valueIn("[S]\nA=\"8.5'\n", "S", "A"), "\"8.5'");
  EXPECT_EQ(valueIn("[S]\nA=\"\n", "S", "A"), "\"");
  EXPECT_EQ(valueIn("[S]\nA=\n", "S", "A"), "");
  const QByteArray ini = "[S]\nA=" + QByteArray(45, '7') + "\n";
  EXPECT_EQ(iniValue(ini, u"S", u"A"), QString(40, u'7'));
}

TEST(IniNumbers, LeadingDecimalNumberOrZero) {
  EXPECT_DOUBLE_EQ(leadingNumber(u"8.5 inches"), 8.5);
  EXPECT_DOUBLE_EQ(leadingNumber(u"  -0.25"), -0.25);
  EXPECT_DOUBLE_EQ(leadingNumber(u"+1e1x"), 10);
  EXPECT_DOUBLE_EQ(leadingNumber(u"1 0 . 5"), 10.5);
  EXPECT_DOUBLE_EQ(leadingNumber(u".5"), 0.5);
  EXPECT_DOUBLE_EQ(leadingNumber(u"2e"), 2);
  EXPECT_DOUBLE_EQ(leadingNumber(u"8,5"), 8);  // a comma is never a decimal point
  for (const char16_t* none :
       {u"False", u"", u"-", u".", u"inf", u"nan", u"-inf", u"1e999", u"\u0661", u"0x10"})
    EXPECT_DOUBLE_EQ(leadingNumber(none), 0) << QString::fromUtf16(none).toStdString();
}

TEST(IniFile, ReadsOnlyTheFirst64KiBAndNothingWhenMissing) {
  QTemporaryDir dir;
  EXPECT_TRUE(readIniText(dir.filePath("missing.ini")).isEmpty());
  EXPECT_TRUE(readIniText(dir.path()).isEmpty());
  QFile big(dir.filePath("big.ini"));
  ASSERT_TRUE(big.open(QIODevice::WriteOnly));
  big.write("[Parms]\nPaper_Width=8\n" + QByteArray(200 * 1024, ' ') + "\nPaper_Height=11\n");
  big.close();
  const QByteArray text = readIniText(big.fileName());
  EXPECT_EQ(text.size(), MaxIniBytes);
  EXPECT_EQ(iniValue(text, u"Parms", u"Paper_Width"), "8");
  EXPECT_EQ(iniValue(text, u"Parms", u"Paper_Height"), "False");
}

// Random bytes, and random text built from the characters the reader looks at, each in a
// buffer of exactly its size, so that the sanitizer sees any read past the end.
TEST(IniFuzz, RandomTextNeverCrashesOrReadsPastTheEnd) {
  std::mt19937 random(20240611);
  const char alphabet[] = "[]=;\"' \t\r\nAaPpSs01.e+-\xEF\xBB\xBF\x80\xFF";
  for (int round = 0; round < 3000; ++round) {
    std::vector<char> bytes(random() % 300);
    for (char& b : bytes)
      b = round % 2 ? char(random()) : alphabet[random() % (sizeof alphabet - 1)];
    const QByteArrayView text(bytes.data(), qsizetype(bytes.size()));
    const QString value = iniValue(text, u"s", u"a");
    EXPECT_LE(value.size(), MaxIniValueLength);
    EXPECT_TRUE(std::isfinite(leadingNumber(value)));
    EXPECT_TRUE(std::isfinite(leadingNumber(QString::fromLatin1(text))));
  }
}
