#include <gtest/gtest.h>

#include <clocale>

#include "VbText.h"

TEST(VbText, NumberForms) {
    EXPECT_EQ(StrNum(0), " 0");
    EXPECT_EQ(StrNum(17), " 17");
    EXPECT_EQ(StrNum(-1), "-1");
    EXPECT_EQ(PlainNum(7), "7");
    EXPECT_EQ(PlainNum(-12), "-12");
}

TEST(VbText, SinglePrecisionText) {
    const struct {
        float v;
        const char* text;
    } cases[] = {{0.5f, "0.5"}, {3.1f, "3.1"}, {-28.0f, "-28"}, {0.0f, "0"}, {1e-05f, "1E-05"},
                 {0.0001f, "0.0001"}, {1234567.0f, "1234567"}, {12345678.0f, "1.234568E+07"},
                 {1.0f / 3.0f, "0.3333333"}};
    for (const auto& c : cases) EXPECT_EQ(CStrSingle(c.v), c.text) << c.text;
}

TEST(VbText, ValReadsTheLeadingNumber) {
    const struct {
        const char* text;
        double v;
    } cases[] = {{"12", 12},  {" 16", 16}, {"3.5x", 3.5}, {"-4", -4}, {"abc", 0}, {"", 0},
                 {".5", 0.5}, {"7 8", 7},  {"+2", 2},     {"-", 0},   {" -0.25", -0.25}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.v) << c.text;
}

TEST(VbText, ConversionsIgnoreTheCLocale) {
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    bool commaLocale = false;
    for (const char* name : {"sv_SE.UTF-8", "de_DE.UTF-8", "sv_SE", "de_DE", "fr_FR.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name)) {
            commaLocale = true;
            break;
        }
    if (commaLocale) {
        EXPECT_EQ(CStrSingle(0.5f), "0.5");
        EXPECT_EQ(CStrDouble(-2.25), "-2.25");
        EXPECT_DOUBLE_EQ(Val("2.5"), 2.5);
        EXPECT_DOUBLE_EQ(Val("2,5"), 2.0);
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
    if (!commaLocale) GTEST_SKIP() << "no locale with a decimal comma is installed";
}

TEST(VbText, RoundingHalvesToEven) {
    const struct {
        double x;
        long long r;
    } cases[] = {{35.5, 36}, {106.5, 106}, {2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.49, 0}, {-0.6, -1}};
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.x), c.r) << c.x;
}

TEST(VbText, IntegerDivisionRoundsItsOperandsFirst) {
    EXPECT_EQ(IntDiv(7.6, 2.4), 4);   // 8 \ 2
    EXPECT_EQ(IntDiv(35.5, 36.0), 1);  // 36 \ 36
    EXPECT_EQ(IntDiv(-7, 2), -3);
    EXPECT_EQ(IntDiv(5, 0.4), 0);      // divisor rounds to 0
}
