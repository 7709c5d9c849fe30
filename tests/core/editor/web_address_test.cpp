#include "core/editor/web_address.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(WebAddress, FoundByTheFirstBeginningInOrder)
{
    const struct
    {
        const char* label;
        const char* line;
        const char* text;
        const char* url;
    } kCases[] = {
        {"http at the start", "http://example.de/a?b=1", "http://example.de/a?b=1",
         "http://example.de/a?b=1"},
        {"up to the next blank", "Konzert www.halle.de/karten ab 19 Uhr", "www.halle.de/karten",
         "http://www.halle.de/karten"},
        {"https directly followed by www", "Info: https://www.amt.de/ferien", "www.amt.de/ferien",
         "http://www.amt.de/ferien"},
        {"http before www although later", "www.a.de und http://b.de", "http://b.de", "http://b.de"},
        {"ftp", "Daten ftp://server/pub x", "ftp://server/pub", "ftp://server/pub"},
        {"https alone", "https://bank.de/login", "https://bank.de/login", "https://bank.de/login"},
        {"letter case kept, found in any case", "Siehe HTTP://Example.DE/Pfad", "HTTP://Example.DE/Pfad",
         "HTTP://Example.DE/Pfad"},
        {"upper-case WWW is handed over with http", "WWW.Verein.de", "WWW.Verein.de", "http://WWW.Verein.de"},
        {"trailing quotation mark", "Link \"http://x.de/seite\"", "http://x.de/seite", "http://x.de/seite"},
        {"quotation mark only at the end is removed", "http://x.de/\"a\" b", "http://x.de/\"a",
         "http://x.de/\"a"},
    };

    for (const auto& c : kCases) {
        SCOPED_TRACE(c.label);
        const auto address = webAddressOfLine(c.line);
        ASSERT_TRUE(address);
        EXPECT_EQ(address->text, c.text);
        EXPECT_EQ(address->url, c.url);
    }
}

TEST(WebAddress, NoneWithoutABeginning)
{
    for (const char* line : {"", "Zahnarzt um 10 Uhr", "mailto:a@b.de", "file:///etc/passwd",
                             "javascript:alert(1)", "ww.x.de", "http:/x.de"}) {
        SCOPED_TRACE(line);
        EXPECT_FALSE(webAddressOfLine(line));
    }
}

TEST(WebAddress, OnlyTheFourSchemesAreEverHandedOver)
{
    // Whatever precedes the beginning, the url starts with one of the four schemes.
    for (const char* line : {"file://www.x.de", "javascript:www.x.de", "\"www.x.de\"", "smb://http://x"}) {
        SCOPED_TRACE(line);
        const auto address = webAddressOfLine(line);
        ASSERT_TRUE(address);
        const std::string& url = address->url;
        EXPECT_TRUE(url.starts_with("http://") || url.starts_with("https://") || url.starts_with("ftp://"))
            << url;
    }
}

} // namespace
} // namespace notavi
