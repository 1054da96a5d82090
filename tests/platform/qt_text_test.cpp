#include "platform/qt_text.h"

#include <gtest/gtest.h>

TEST(QtText, AllBytesRoundTripThroughQString) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const QString text = platform::fromCp1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(text.at(0x80), QChar(0x20AC));
    EXPECT_EQ(text.at(0xA7), QChar(0x00A7));
    EXPECT_EQ(platform::toCp1252(text), all);
}
