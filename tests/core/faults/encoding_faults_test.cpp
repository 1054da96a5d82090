// Files whose bytes are not what their encoding promises: opened and saved,
// each byte comes back as it was, or the file is refused with the reason.
#include "core/documents/document_set_fixture.h"
#include "support/case_file.h"

#include <gtest/gtest.h>

namespace {

class EncodingFaults : public documents_test::DocumentSetTest {};

TEST_F(EncodingFaults, SavingAFileAsOpenedGivesBackItsBytesOrItIsRefused) {
    const auto cases = testing_support::readCases(FAULTS_TEST_DATA "/round_trips.txt", {"outcome"});
    EXPECT_EQ(cases.size(), 5u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        const std::string bytes = c[""].at(0);
        const auto path = file("round.bat", bytes);
        prompter.shown.clear();
        std::string outcome;
        if (set.openFile(path) && set.save()) {
            outcome = core::text::readFile(path).bytes == bytes ? "same bytes" : "changed";
        } else {
            outcome = prompter.texts().empty() ? "refused silently" : prompter.texts().back();
            if (core::text::readFile(path).bytes != bytes) outcome += " (and changed)";
        }
        std::string expected = c["outcome"].at(0);
        if (const auto at = expected.find("{path}"); at != std::string::npos) expected.replace(at, 6, path);
        EXPECT_EQ(outcome, expected);
        set.closeAll();
    }
}

} // namespace
