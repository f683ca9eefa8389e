#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/size_text.h"
#include "platform/fake/fake_services.h"

namespace {

TEST(SizeTextTest, ShortFormAndExactCountAsExplorerShowsThem) {
    struct Case {
        std::uint64_t bytes;
        const wchar_t* text;
    };
    const Case cases[] = {
        {0, L"0 bytes"},
        {1, L"1 bytes"},
        {512, L"512 bytes"},
        {1023, L"1,023 bytes"},
        {1024, L"1.00 KB (1,024 bytes)"},
        {1536, L"1.50 KB (1,536 bytes)"},
        {10239, L"9.99 KB (10,239 bytes)"},
        {102400, L"100 KB (102,400 bytes)"},
        {1048575, L"0.99 MB (1,048,575 bytes)"},
        {1278945280, L"1.19 GB (1,278,945,280 bytes)"},
        {(std::uint64_t{1} << 40) + (std::uint64_t{1} << 39), L"1.50 TB (1,649,267,441,664 bytes)"},
        {UINT64_MAX, L"15.9 EB (18,446,744,073,709,551,615 bytes)"},
    };
    platform::fake::FakeLocale locale;
    for (const Case& c : cases)
        EXPECT_EQ(engine::SizeText(locale, c.bytes), c.text) << c.bytes;
}

} // namespace
