#include "platform/qt_text.h"

#include "support/case_file.h"

#include <QTextDocumentFragment>

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

namespace {

// What a tooltip shows: Qt renders text that looks like markup as rich text.
QString shownAsToolTip(const QString& tip) {
    return Qt::mightBeRichText(tip) ? QTextDocumentFragment::fromHtml(tip).toPlainText() : tip;
}

} // namespace

TEST(QtText, PlainToolTipsShowOutsideTextAsItIs) {
    const auto cases = testing_support::readCases(PLATFORM_TEST_DATA "/plain_tooltips.txt", {});
    EXPECT_EQ(cases.size(), 6u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const auto text = QString::fromStdString(c[""].at(0));
        EXPECT_EQ(shownAsToolTip(platform::plainToolTip(text)), text);
    }
}
