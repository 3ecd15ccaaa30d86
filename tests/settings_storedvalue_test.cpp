// Reading the stored settings' texts as numbers.

#include <gtest/gtest.h>

#include <cmath>

#include "storedvalue.h"

using storedvalue::textToNumber;
using storedvalue::toInt32;

TEST(StoredValue, ReadsTheNumberAtTheStartOfTheText)
{
    EXPECT_EQ(textToNumber("30"), 30);
    EXPECT_EQ(textToNumber("16777215"), 16777215);
    EXPECT_EQ(textToNumber("-5"), -5);
    EXPECT_EQ(textToNumber("+7"), 7);
    EXPECT_EQ(textToNumber("2abc"), 2);
    EXPECT_EQ(textToNumber("4.5"), 4.5);
    EXPECT_EQ(textToNumber(".5"), 0.5);
    EXPECT_EQ(textToNumber("3."), 3);
    EXPECT_EQ(textToNumber("1e3"), 1000);
    EXPECT_EQ(textToNumber("2.5E-1x"), 0.25);
    EXPECT_EQ(textToNumber("12e"), 12);   // an exponent needs digits
    EXPECT_EQ(textToNumber("12e+"), 12);
    EXPECT_EQ(textToNumber("1.2.3"), 1.2);
    EXPECT_EQ(textToNumber("--1"), 0);
}

TEST(StoredValue, BlanksAnywhereAreIgnored)
{
    EXPECT_EQ(textToNumber("  42"), 42);
    EXPECT_EQ(textToNumber("1 2 3"), 123);
    EXPECT_EQ(textToNumber("- 4\t5"), -45);
}

TEST(StoredValue, NoNumberReadsAsZero)
{
    EXPECT_EQ(textToNumber(""), 0);
    EXPECT_EQ(textToNumber("abc"), 0);
    EXPECT_EQ(textToNumber("."), 0);
    EXPECT_EQ(textToNumber("-"), 0);
    EXPECT_EQ(textToNumber("e5"), 0);
    EXPECT_EQ(textToNumber("nan"), 0);
    EXPECT_EQ(textToNumber("inf"), 0);
}

TEST(StoredValue, OutOfRangeNumbersBecomeInfinityOrZero)
{
    EXPECT_TRUE(std::isinf(textToNumber("1e999")));
    EXPECT_LT(textToNumber("-1e999"), 0);
    EXPECT_TRUE(std::isinf(textToNumber(std::string(400, '9'))));
    EXPECT_EQ(textToNumber("1e-999"), 0);
    // Whether a number is too large or too small is its size, not its exponent's sign.
    EXPECT_EQ(textToNumber("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(textToNumber("-0." + std::string(400, '0') + "1"), 0);
    EXPECT_TRUE(std::isinf(textToNumber(std::string(400, '9') + "e-50")));
    EXPECT_EQ(textToNumber("1" + std::string(400, '0') + "e-800"), 0);
    EXPECT_TRUE(std::isinf(textToNumber("0." + std::string(50, '0') + "1e400")));
    EXPECT_LT(textToNumber("-" + std::string(400, '9') + "e-50"), 0);
}

TEST(StoredValue, ConversionsRoundHalvesToEvenAndRefuseWhatDoesNotFit)
{
    EXPECT_EQ(toInt32(2.5), 2);
    EXPECT_EQ(toInt32(3.5), 4);
    EXPECT_EQ(toInt32(-0.5), 0);
    EXPECT_EQ(toInt32(2147483647.4), INT32_MAX);
    EXPECT_FALSE(toInt32(2147483647.5)); // rounds to 2147483648
    EXPECT_EQ(toInt32(16777215), 16777215);
    EXPECT_EQ(toInt32(-2147483648.0), INT32_MIN);
    EXPECT_FALSE(toInt32(2147483648.0));
    EXPECT_FALSE(toInt32(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(toInt32(std::nan("")));
}
