// What printing and the density command make of the texts label.ini holds.
#include "printing/print_settings.h"

#include <gtest/gtest.h>

namespace {

TEST(PrintSettings, DensityIsTheLeadingNumberAndNeverDividesByZero)
{
    const struct {
        const char* rule;
        QByteArray stored;
        int density;
    } cases[] = {
        {"the default", "203", 203},
        {"typed with its unit", "300dpi", 300},
        {"full-width digits", "\xA3\xB3\xA3\xB0\xA3\xB0", 300}, // "３００"
        {"leading white space", "  600", 600},
        {"no digits: printed with 203", "abc", 203},
        {"zero: printed with 203", "0", 203},
        {"negative: printed with 203", "-5", 203},
        {"empty: printed with 203", "", 203},
    };
    for (const auto& c : cases)
        EXPECT_EQ(printSettingsOf("p", c.stored, "1").dotDensity, c.density) << c.rule;
}

TEST(PrintSettings, OnlyOneIsLandscapeAndTheNameIsReadFromGbk)
{
    EXPECT_EQ(printSettingsOf("p", "203", "1").orientation, 1);
    EXPECT_EQ(printSettingsOf("p", "203", "0").orientation, 0);
    // Anything else is portrait, as 0 is; "1x" still reads as 1.
    EXPECT_NE(printSettingsOf("p", "203", "2").orientation, 1);
    EXPECT_NE(printSettingsOf("p", "203", "abc").orientation, 1);
    EXPECT_EQ(printSettingsOf("p", "203", "1x").orientation, 1);
    // "标签机" in GBK.
    EXPECT_EQ(printSettingsOf("\xB1\xEA\xC7\xA9\xBB\xFA", "203", "1").printerName, QStringLiteral("标签机"));
}

TEST(PrintSettings, DensityCommandStoresTheTypedTextUnlessItsNumberIsNegative)
{
    const struct {
        QByteArray typed;
        QByteArray stored;
    } cases[] = {
        {"-5", "203"},
        {"300dpi", "300dpi"},
        {"abc", "abc"},
        {"0", "0"},
        {"", ""},
        {" -1", "203"},
        {"\xA3\xAD\xA3\xB5", "203"}, // "－５": full-width minus and five
        {"+300", "+300"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(storedDotDensity(c.typed), c.stored) << c.typed.constData();
}

TEST(PrintSettings, BarcodesAndQrCodesAreToldByTheirTagsAndLetters)
{
    EXPECT_EQ(codeSymbolOfTag(300001), CodeSymbol::Barcode);
    EXPECT_EQ(codeSymbolOfTag(400001), CodeSymbol::QrCode);
    EXPECT_EQ(codeSymbolOfTag(200001), CodeSymbol::None);
    EXPECT_EQ(codeSymbolOfTag(100001), CodeSymbol::None);
    EXPECT_EQ(codeSymbolOfTag(0), CodeSymbol::None);
    EXPECT_EQ(codeSymbolOfKindLetter('B'), CodeSymbol::Barcode);
    EXPECT_EQ(codeSymbolOfKindLetter('D'), CodeSymbol::QrCode);
    EXPECT_EQ(codeSymbolOfKindLetter('P'), CodeSymbol::None);
}

} // namespace
