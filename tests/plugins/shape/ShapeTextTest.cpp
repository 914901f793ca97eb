// Text of the shapefile plug-in: the shortcut for 7-bit text gives exactly what the general
// conversion gives, in a UTF-8 and in an 8-bit process code page.
#include <gtest/gtest.h>

#include <string>

#include "IEUtils.h"
#include "ShapeText.h"
#include "support/TestSupport.h"

namespace {

TEST(ShapeText, TextToAnsiAgreesWithTheGeneralConversion) {
  const CQelString texts[] = {CQelString(),
                              CQelString(u"P1"),
                              CQelString(u"exactly10c"),
                              CQelString(u"longer than ten"),
                              CQelString(u"Stra\u00dfe \u00e4\u00e4\u00e4\u00e4\u00e4"),
                              CQelString(reinterpret_cast<const unsigned short*>(u"ab\0cd"), 5)};
  for (const char* codePage : {"UTF-8", "CP1252"}) {
    AnsiCodePageScope scope(codePage);
    ASSERT_TRUE(scope.Ok());
    for (const CQelString& text : texts) {
      for (int maxBytes : {0, 3, 10, 127}) {
        SCOPED_TRACE(std::string(codePage) + " " + std::to_string(maxBytes));
        std::string expected(static_cast<size_t>(maxBytes) + 1, '\0');
        expected.resize(IEUtils::tcs2mbs(&expected[0], text, static_cast<size_t>(maxBytes)));
        std::string got = "stale";
        TextToAnsi(text, maxBytes, got);
        EXPECT_EQ(expected, got);
      }
    }
  }
}

}  // namespace
