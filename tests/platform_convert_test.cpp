#include "platform/convert.h"
#include "platform/errors.h"
#include "support/scoped_locale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>
#include <utility>

using namespace rimora;
using rimora::test::ScopedLocale;

TEST(IntegerText, AcceptsExactlyWhatTheConversionAccepts)
{
    struct Row { const char* text; bool ok; int value; };
    const Row rows[] = {
        {" 7", true, 7},   {"+7", true, 7},    {"07", true, 7},    {"$7", true, 7},
        {"x1F", true, 31}, {"0X1f", true, 31}, {"-3", true, -3},   {"  -0x10", true, -16},
        {"2147483647", true, 2147483647},      {"-2147483648", true, -2147483647 - 1},
        {"$FFFFFFFF", true, -1},
        {"7 ", false, 0},  {"abc", false, 0},  {"", false, 0},     {"7.0", false, 0},
        {"2147483648", false, 0},              {"-2147483649", false, 0},
        {"0x", false, 0},  {"$", false, 0},    {"+", false, 0},    {"\t7", false, 0},
        {"$100000000", false, 0},              {"--7", false, 0},  {"- 7", false, 0},
    };
    for (const Row& row : rows) {
        const QString text = QString::fromUtf8(row.text);
        EXPECT_EQ(IsIntegerText(text), row.ok) << row.text;
        if (row.ok) {
            EXPECT_EQ(StrToInt(text), row.value) << row.text;
        } else {
            EXPECT_THROW(StrToInt(text), EConvertError) << row.text;
        }
    }
}

TEST(IntegerText, ErrorMessageNamesTheText)
{
    try {
        StrToInt(QStringLiteral("abc"));
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("'abc' is not a valid integer value"));
    }
}

// The conversions must give the program's region whatever locale the C
// library runs in: each table runs under a point and a comma C locale.
class RegionConversions : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        previous_ = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, GetParam()), nullptr)
            << "the C library has no locale " << GetParam() << " (scripts/install-deps generates it)";
    }
    void TearDown() override { std::setlocale(LC_ALL, previous_.c_str()); }

private:
    std::string previous_;
};

INSTANTIATE_TEST_SUITE_P(CLibraryLocales, RegionConversions, ::testing::Values("C", "de_DE.UTF-8"),
                         [](const auto& info) { return std::string(info.index == 0 ? "Point" : "Comma"); });

TEST_P(RegionConversions, DecimalTextReadsEitherMark)
{
    {
        ScopedLocale region(rimora::test::PointRegion());
        EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("27.5")), 27.5);
        EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("27,5")), 27.5);
        EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral(" -2.5 ")), -2.5);
        EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("590")), 590);
        EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1e3")), 1000);
        EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral(".5")), 0.5);
        EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("+2.5e+1")), 25);
        EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("5.")), 5);
        EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1234,567")), 1234.567);
        EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("1,5900")), 1.59);
        for (const char* bad : {"1,590", "-12,345", "", "abc", "1.2.3", "1,2,3", "1.2,3", "e5", "5e", "0x10", "+-5", "--5",
                                "1e999", "+", ".", ","})
            EXPECT_THROW(StrToFloat(QString::fromLatin1(bad)), EConvertError) << bad;
    }
    {
        ScopedLocale region(rimora::test::CommaRegion());
        EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("27,5")), 27.5);
        EXPECT_DOUBLE_EQ(StrToFloat(QStringLiteral("27.5")), 27.5);
        EXPECT_THROW(StrToFloat(QStringLiteral("1.590")), EConvertError);
    }
}

// A typed number may be grouped the region's way; a file holds one mark at
// most, its decimal mark in every region, and shows in the region's form.
TEST(NumberForms, ReadAsTheRegionAndTheSourceSay)
{
    enum Reads { Value, TwoWays, Refused };
    const bool point = false, comma = true, typed = false, file = true;
    // Read two ways, `value` is the grouped reading and `decimal` the other.
    const struct { const char* text; bool comma, file; Reads reads; double value = 0, decimal = 0; const char* shown = ""; } rows[] = {
        {"1,590.5", point, typed, Value, 1590.5},
        {"12,345,678", point, typed, Value, 12345678},
        {"1,59.5", point, typed, Refused},
        {"1.590,5", point, typed, Refused},
        {"0,590", point, typed, Value, 0.59},
        {"1,590", point, typed, TwoWays, 1590, 1.59},
        {"1.590,5", comma, typed, Value, 1590.5},
        {"1.234.567", comma, typed, Value, 1234567},
        {"1,590.5", comma, typed, Refused},
        {"-1.590", comma, typed, TwoWays, -1590, -1.59},
        {"41,125", point, file, Value, 41.125, 0, "41.125"},
        {"41.125", comma, file, Value, 41.125, 0, "41,125"},
        {"-1.5E-5", comma, file, Value, -1.5e-5, 0, "-1,5E-5"},
        {"1.2.3", comma, file, Refused, 0, 0, "1.2.3"},
        {"59o,5", point, file, Refused, 0, 0, "59o,5"},
    };
    for (const auto& f : rows) {
        ScopedLocale region(f.comma ? rimora::test::CommaRegion() : rimora::test::PointRegion());
        const QString text = f.file ? FileDecimalInRegion(QString::fromUtf8(f.text)) : QString::fromUtf8(f.text);
        EXPECT_EQ(text, QString::fromUtf8(f.file ? f.shown : f.text)) << f.text;
        const DecimalReading r = ReadDecimal(text);
        const Reads reads = r.ok ? Value : r.twoWays ? TwoWays : Refused;
        EXPECT_EQ(reads, f.reads) << f.text << (f.comma ? " in a comma region" : " in a point region");
        EXPECT_EQ(reads == Refused ? std::pair(0.0, 0.0) : std::pair(r.value, r.decimalValue), std::pair(f.value, f.decimal)) << f.text;
    }
}

TEST_P(RegionConversions, LengthsRoundHalfAwayFromZeroAndGroupByRegion)
{
    {
        ScopedLocale region(rimora::test::PointRegion());
        EXPECT_EQ(FormatLength(284.25), QStringLiteral("284.3"));
        EXPECT_EQ(FormatLength(285.3752), QStringLiteral("285.4"));
        EXPECT_EQ(FormatLength(1234.56), QStringLiteral("1,234.6"));
        EXPECT_EQ(FormatLength(1234567.0), QStringLiteral("1,234,567.0"));
        EXPECT_EQ(FormatLength(0.0), QStringLiteral("0.0"));
        EXPECT_EQ(FormatLength(0.04), QStringLiteral("0.0"));
        EXPECT_EQ(FormatLength(-0.25), QStringLiteral("-0.3"));
        EXPECT_EQ(FormatLength(-1234.56), QStringLiteral("-1,234.6"));
        EXPECT_EQ(FormatLength(1e19), QStringLiteral("10,000,000,000,000,000,000.0"));
        EXPECT_EQ(FormatFloat(QStringLiteral(" +#,##0.0mm"), 0.8), QStringLiteral(" +0.8mm"));
        EXPECT_EQ(FormatFloat(QStringLiteral(" +#,##0.0mm"), -0.5), QStringLiteral("- +0.5mm"));
    }
    {
        ScopedLocale region(rimora::test::CommaRegion());
        EXPECT_EQ(FormatLength(1234.56), QStringLiteral("1.234,6"));
        EXPECT_EQ(FormatLength(284.25), QStringLiteral("284,3"));
    }
}

TEST_P(RegionConversions, GeneralFormatHasFifteenDigitsAndTheRegionsMark)
{
    {
        ScopedLocale region(rimora::test::PointRegion());
        EXPECT_EQ(FloatToStr(5.625), QStringLiteral("5.625"));
        EXPECT_EQ(FloatToStr(10.0), QStringLiteral("10"));
        EXPECT_EQ(FloatToStr(360.0 / 28 / 2), QStringLiteral("6.42857142857143"));
        EXPECT_EQ(FloatToStr(0.0), QStringLiteral("0"));
        EXPECT_EQ(FloatToStr(0.00001), QStringLiteral("1E-5"));
        EXPECT_EQ(FloatToStr(1.5e20), QStringLiteral("1.5E20"));
        EXPECT_EQ(FloatToStr(354.0 / 622), QStringLiteral("0.569131832797428"));
    }
    {
        ScopedLocale region(rimora::test::CommaRegion());
        EXPECT_EQ(FloatToStr(5.625), QStringLiteral("5,625"));
        EXPECT_EQ(FloatToStr(1234.5), QStringLiteral("1234,5"));
    }
}

TEST(HoleNumbers, AtLeastTwoDigits)
{
    EXPECT_EQ(FormatHoleNumber(1), QStringLiteral("01"));
    EXPECT_EQ(FormatHoleNumber(36), QStringLiteral("36"));
    EXPECT_EQ(FormatHoleNumber(123), QStringLiteral("123"));
    EXPECT_EQ(FormatHoleNumber(-3), QStringLiteral("-03"));
}
