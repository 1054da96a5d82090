// Every field of core's page records has its widget, of the right kind, in
// the right radio group, with the record's limits; values travel both ways.
#include "easy_harness.h"

#include "support/field_values.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLocale>
#include <QSpinBox>
#include <QTableWidget>

#include <map>
#include <set>

namespace {

using easy_test::Easy;

QString nameOf(std::string_view name) { return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); }

// Checks each field against its widget and collects the radio groups.
class WidgetCheck : public core::wizard::FieldVisitor {
public:
    explicit WidgetCheck(QWidget& root) : m_root(root) {}
    std::vector<std::string> faults;
    std::map<std::string, std::set<QButtonGroup*>> groups;

    void check(std::string_view n, bool&) override {
        expect<QAbstractButton>(n);
    }
    void radio(std::string_view n, std::string_view group, bool&) override {
        if (auto* button = expect<QAbstractButton>(n)) groups[std::string(group)].insert(button->group());
    }
    void text(std::string_view n, std::string&) override {
        auto* widget = m_root.findChild<QWidget*>(nameOf(n));
        if (!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QComboBox*>(widget) && !qobject_cast<QDateEdit*>(widget))
            faults.push_back(std::string(n) + " is no text field");
    }
    void memo(std::string_view n, std::vector<std::string>&) override { expect<QPlainTextEdit>(n); }
    void number(std::string_view n, int&, int minimum, int maximum) override {
        if (auto* spin = expect<QSpinBox>(n); spin && (spin->minimum() != minimum || spin->maximum() != maximum))
            faults.push_back(std::string(n) + " has another range");
    }
    void choice(std::string_view n, std::optional<std::string>&, const std::vector<std::string>& items) override {
        auto* combo = expect<QComboBox>(n);
        if (combo == nullptr || combo->isEditable()) return faults.push_back(std::string(n) + " is no drop-down list");
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
        QStringList wanted;
        for (const auto& item : items) wanted << QString::fromStdString(item);
        if (shown != wanted) faults.push_back(std::string(n) + " has other items");
    }
    void grid(std::string_view n, core::wizard::GridRows&, std::size_t maxRows) override {
        if (auto* table = expect<QTableWidget>(n); table && table->rowCount() != static_cast<int>(maxRows))
            faults.push_back(std::string(n) + " has another row count");
    }

private:
    template <typename T> T* expect(std::string_view n) {
        auto* widget = m_root.findChild<T*>(nameOf(n));
        if (widget == nullptr) faults.push_back(std::string(n) + " is missing or of another kind");
        return widget;
    }
    QWidget& m_root;
};

} // namespace

TEST(EasyFields, EveryFieldHasItsWidgetAndEveryRadioGroupIsOneButtonGroup) {
    Easy w;
    WidgetCheck check(w.easy);
    core::wizard::WizardPages pages;
    pages.visitFields(check);
    EXPECT_EQ(check.faults, std::vector<std::string>{});
    std::set<QButtonGroup*> seen;
    for (const auto& [group, buttonGroups] : check.groups) {
        SCOPED_TRACE(group);
        ASSERT_EQ(buttonGroups.size(), 1u);
        EXPECT_NE(*buttonGroups.begin(), nullptr);
        EXPECT_TRUE(seen.insert(*buttonGroups.begin()).second) << "shared with another group";
    }
}

TEST(EasyFields, TheWidgetsStartWithTheRecordsStartValues) {
    Easy w;
    core::wizard::WizardPages fresh;
    // A date field always shows a date: today's, in the short date format.
    fresh.server.DateTimePicker1 = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    EXPECT_EQ(testing_support::fieldValues(w.easy.readPages()), testing_support::fieldValues(fresh));
}

TEST(EasyFields, ValuesTravelFromWidgetsToRecordsAndBack) {
    Easy w;
    w.type("Edit4", "D:\\Backup \u00A7");
    w.click("RadioButton24");
    w.setMemo("Memo1", {"C:\\A.TXT", "", "C:\\B.TXT"});
    w.find<QTableWidget>("StringGrid1")->item(2, 0)->setText("NAME");
    w.find<QComboBox>("ComboBox5")->setCurrentIndex(7);
    w.find<QComboBox>("ComboBox4")->setCurrentText("SCHEDULE"); // an editable list
    w.find<QSpinBox>("CSpinEdit1")->setValue(12);
    w.click("CheckBox8");
    w.type("MaskEdit4", "7"); // two digit positions, blank until typed: read with its blanks
    auto& pages = w.easy.readPages();
    EXPECT_EQ(pages.fileOperations.Edit4, "D:\\Backup \xA7");
    EXPECT_EQ(pages.fileOperations.Memo1, (easy_test::Lines{"C:\\A.TXT", "", "C:\\B.TXT"}));
    EXPECT_TRUE(pages.fileOperations.RadioButton24);
    EXPECT_EQ(pages.forAttributes.ComboBox5, "K");
    EXPECT_EQ(pages.networkServices.ComboBox4, "SCHEDULE");
    EXPECT_EQ(pages.networkSharing.CSpinEdit1, 12);
    EXPECT_EQ(pages.userInteraction.MaskEdit4, "7 ");
    const auto before = testing_support::fieldValues(pages);

    Easy other;
    other.easy.readPages() = pages;
    other.easy.showPages();
    EXPECT_EQ(testing_support::fieldValues(other.easy.readPages()), before);
}

TEST(EasyFields, AMemoEndingInALineBreakHasNoExtraLine) {
    Easy w;
    w.setMemo("Memo2", {"C:\\A", ""});
    EXPECT_EQ(w.easy.readPages().fileOperations.Memo2, easy_test::Lines{"C:\\A"});
    w.find<QPlainTextEdit>("Memo2")->setPlainText("\n");
    EXPECT_EQ(w.easy.readPages().fileOperations.Memo2, easy_test::Lines{""});
}
