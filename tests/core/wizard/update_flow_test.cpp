#include "core/wizard/update_flow.h"

#include "core/wizard/section_table.h"
#include "generator_harness.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

using namespace core::wizard;
using wizard_testing::Lines;

namespace {

// Open documents as tabs: captions carry "*" while a document is modified.
class TabbedDocuments : public DocumentTargets {
public:
    struct Document {
        std::string name;
        std::string caption;
        std::unique_ptr<core::documents::MemoryEditorView> view;
    };
    std::vector<Document> documents;
    std::size_t current = 0;
    std::vector<std::string> switches; //!< captions switched to, in order

    void add(std::string name, std::string caption, Lines lines) {
        documents.push_back({std::move(name), std::move(caption),
                             std::make_unique<core::documents::MemoryEditorView>(std::move(lines))});
    }
    std::vector<std::string> openDocumentNames() const override {
        std::vector<std::string> names;
        for (const auto& d : documents) names.push_back(d.name);
        return names;
    }
    std::vector<std::string> tabCaptions() const override {
        std::vector<std::string> captions;
        for (const auto& d : documents) captions.push_back(d.caption);
        return captions;
    }
    std::string currentDocumentName() const override { return documents[current].name; }
    void selectTab(std::size_t index) override { m_selected = index; }
    bool switchToDocument(const std::string& caption, bool keepCurrent) override {
        switches.push_back(caption);
        if (!keepCurrent || documents[m_selected].caption != caption) return false;
        current = m_selected;
        return true;
    }
    core::ports::EditorView& currentView() override { return *documents[current].view; }
    Lines linesOf(std::size_t index) const { return documents[index].view->lines(); }

private:
    std::size_t m_selected = 0;
};

struct Recorder : UpdateProgress {
    std::vector<std::string> events;
    void start(std::size_t maximum) override { events.push_back("start " + std::to_string(maximum)); }
    void setMaximum(std::size_t maximum) override { events.push_back("max " + std::to_string(maximum)); }
    void advance() override { events.push_back("advance"); }
    void finish() override { events.push_back("finish"); }
};

struct Fixture {
    TabbedDocuments documents;
    testing_support::ScriptedPrompter prompter;
    wizard_testing::ShortPathFileSystem files{"/nonexistent/"};
    core::documents::PickLists lists;
    Recorder progress;
    WizardPages pages;

    Fixture() {
        documents.add("Untitled.bat", "Untitled.bat", {"@ECHO OFF", ":START"});
        documents.add("C:\\JOBS\\BACKUP.BAT", "BACKUP.BAT*", {"@ECHO OFF", "REM keep"});
        pages.fileOperations.CheckBox4 = pages.miscellaneous.CheckBox23 = pages.miscellaneous.RadioButton32 = true;
        pages.fileOperations.Memo1 = {"C:\\DATA\\A.TXT"};
        pages.fileOperations.Edit4 = "D:\\SAVE";
    }
    bool update(UpdateList& list, const std::string& target = "C:\\JOBS\\BACKUP.BAT") {
        return runUpdate(pages, list, target, {documents, prompter, files, lists, &progress});
    }
};

std::vector<std::string> textsOf(const UpdateList& list) {
    std::vector<std::string> texts;
    for (const auto& entry : list.entries()) texts.push_back(entry.text);
    return texts;
}

} // namespace

TEST(SectionTable, EverySwitchExists) {
    WizardPages pages;
    for (const auto& row : sectionTable()) {
        EXPECT_NE(findSwitch(pages, row.switchName), nullptr) << row.switchName;
        EXPECT_EQ(findSection(row.entryText), &row);
    }
}

TEST(UpdateList, BuiltFromSwitchesInTableOrderAndRearranged) {
    WizardPages pages;
    EXPECT_TRUE(UpdateList::fromPages(pages).empty());
    pages.miscellaneous.CheckBox44 = pages.fileOperations.RadioButton42 = pages.userInteraction.CheckBox6 = true;
    auto list = UpdateList::fromPages(pages);
    EXPECT_EQ(list.entries(), (std::vector<UpdateEntry>{{"Create New Directory", 8, true}, {"Create a Choice", 9, true},
                                                         {"Combine Binary Files", 14, true}}));
    EXPECT_FALSE(list.moveUp(0));
    EXPECT_FALSE(list.moveDown(2));
    EXPECT_FALSE(list.toggle(3));
    EXPECT_TRUE(list.toggle(2));
    EXPECT_TRUE(list.moveUp(2)); // keeps its mark when moved
    EXPECT_TRUE(list.moveDown(0));
    EXPECT_EQ(list.entries(), (std::vector<UpdateEntry>{{"Combine Binary Files", 14, false}, {"Create New Directory", 8, true},
                                                         {"Create a Choice", 9, true}}));
}

TEST(UpdateTarget, ChoicesAndDisplayNames) {
    TabbedDocuments documents;
    documents.add("C:\\b\\zeta.bat", "zeta.bat", {});
    documents.add("Untitled1.bat", "Untitled1.bat", {});
    documents.add("C:\\a\\Alpha.bat", "Alpha.bat", {});
    const auto choices = targetChoices(documents);
    EXPECT_EQ(choices, (Lines{"C:\\a\\Alpha.bat", "C:\\b\\zeta.bat", "Untitled1.bat"}));
    EXPECT_EQ(initialTargetIndex(choices, "Untitled1.bat"), 2u);
    EXPECT_EQ(initialTargetIndex(choices, "C:\\gone.bat"), 0u);
    EXPECT_EQ(displayNameOf("C:\\JOBS\\BACKUP.BAT"), "BACKUP.BAT");
    EXPECT_EQ(displayNameOf("Untitled2.bat"), "Untitled2.bat");
    EXPECT_EQ(displayNameOf("C:\\x\\Untitled.bat"), "Untitled.bat");
}

TEST(UpdateFlow, EmptyListSwitchesAndLeavesDocumentAlone) {
    Fixture f;
    UpdateList list;
    EXPECT_TRUE(f.update(list));
    EXPECT_EQ(f.documents.current, 1u);
    EXPECT_EQ(f.documents.linesOf(1), (Lines{"@ECHO OFF", "REM keep"}));
    EXPECT_EQ(f.progress.events, (Lines{"start 0", "finish"}));
}

TEST(UpdateFlow, UnsavedTargetFoundByItsStarredCaption) {
    Fixture f;
    auto list = UpdateList::fromPages(f.pages);
    f.documents.documents[1].view->setCaret(0); // lines land at the end, never at the caret
    EXPECT_TRUE(f.update(list));
    EXPECT_EQ(f.documents.switches, Lines{"BACKUP.BAT*"});
    EXPECT_EQ(f.documents.linesOf(1),
              (Lines{"@ECHO OFF", "REM keep", "COPY C:\\DATA\\A.TXT \"D:\\SAVE\" /Y", "COPY CON LPT1"}));
    EXPECT_EQ(f.documents.linesOf(0), (Lines{"@ECHO OFF", ":START"}));
    EXPECT_EQ(f.progress.events, (Lines{"start 2", "advance", "advance", "finish"}));
}

TEST(UpdateFlow, TargetNotOpenOrWithoutTabGeneratesNothing) {
    Fixture f;
    auto list = UpdateList::fromPages(f.pages);
    list.toggle(0);
    EXPECT_FALSE(f.update(list, "C:\\JOBS\\OTHER.BAT"));
    f.documents.documents[1].caption = "Renamed.bat";
    EXPECT_FALSE(f.update(list));
    EXPECT_TRUE(f.pages.fileOperations.CheckBox4); // the walk never started
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(f.documents.linesOf(1), (Lines{"@ECHO OFF", "REM keep"}));
    EXPECT_TRUE(f.progress.events.empty());
}

TEST(UpdateFlow, ReorderedEntriesGenerateInListOrder) {
    Fixture f;
    auto list = UpdateList::fromPages(f.pages);
    list.moveUp(1);
    EXPECT_TRUE(f.update(list, "Untitled.bat"));
    EXPECT_EQ(f.documents.switches, Lines{"Untitled.bat"});
    EXPECT_EQ(f.documents.linesOf(0),
              (Lines{"@ECHO OFF", ":START", "COPY CON LPT1", "COPY C:\\DATA\\A.TXT \"D:\\SAVE\" /Y"}));
}

TEST(UpdateFlow, ExcludedEntryTurnsItsSwitchOffAndLeavesTheList) {
    Fixture f;
    auto& choice = f.pages.userInteraction;
    std::tie(choice.CheckBox6, choice.Edit5, choice.MaskEdit1, choice.MaskEdit2, choice.CheckBox14) =
        std::tuple(true, "Go?", "Y", "N", false);
    auto list = UpdateList::fromPages(f.pages);
    ASSERT_EQ(textsOf(list), (Lines{"Copy File(s)", "Create a Choice", "Grab Keyboard Input"}));
    list.toggle(0);
    EXPECT_TRUE(f.update(list));
    EXPECT_FALSE(f.pages.fileOperations.CheckBox4);
    EXPECT_TRUE(f.pages.userInteraction.CheckBox6);
    EXPECT_EQ(textsOf(list), (Lines{"Create a Choice", "Grab Keyboard Input"}));
    // The choice ran first among the entries left, so its labels end in A.
    const auto lines = f.documents.linesOf(1);
    EXPECT_EQ(lines.at(2), "CHOICE /CYN Go?");
    EXPECT_EQ(lines.at(lines.size() - 2), ":ENDA");
    EXPECT_EQ(lines.back(), "COPY CON LPT1");
    EXPECT_EQ(f.progress.events, (Lines{"start 3", "max 2", "advance", "advance", "finish"}));
}

TEST(UpdateFlow, IncompleteSectionsStopTheWholeUpdateBeforeAnyLine) {
    Fixture f;
    f.pages.fileOperations.Edit4.clear();
    auto& choice = f.pages.userInteraction;
    std::tie(choice.CheckBox6, choice.Edit5, choice.MaskEdit1, choice.MaskEdit2, choice.MaskEdit3) =
        std::tuple(true, "Go?", "Y", "N", " "); // the third key is in use but empty
    f.pages.programs.CheckBox9 = true; // excluded below: its switch stays on
    f.pages.programs.Edit2 = "C:\\E.EXE";
    auto list = UpdateList::fromPages(f.pages);
    list.toggle(list.indexOf("Run a Program"));
    EXPECT_TRUE(f.update(list));
    EXPECT_EQ(f.prompter.texts(),
              Lines{"Nothing was written to the batch file: these sections are not complete yet.\n\n"
                    "\"Copy File(s)\":\nOops! You forgot to enter the destination directory!\n\n"
                    "\"Create a Choice\":\nOops! You forgot to enter the key to represent the third choice!"});
    EXPECT_EQ(f.documents.linesOf(1), (Lines{"@ECHO OFF", "REM keep"}));
    EXPECT_EQ(list.size(), 4u);
    EXPECT_TRUE(f.pages.programs.CheckBox9);
    EXPECT_TRUE(f.lists.variables.empty());
}

TEST(UpdateFlow, CheckingFirstAsksNothingAndListsNoVariable) {
    Fixture f;
    f.pages.variables.CheckBox26 = true;
    f.pages.variables.StringGrid1[0] = {"NAME", "Bob"};
    f.documents.documents[1].view->appendLine("COPY C:\\DATA\\A.TXT \"D:\\SAVE\" /Y");
    f.prompter.answers = {core::ports::Answer::Yes}; // the duplicate COPY question, asked once
    auto list = UpdateList::fromPages(f.pages);
    EXPECT_TRUE(f.update(list));
    EXPECT_EQ(f.prompter.texts().size(), 1u);
    EXPECT_EQ(f.lists.variables, Lines{"NAME"});
    EXPECT_EQ(f.documents.linesOf(1).size(), 6u);
}

TEST(UpdateFlow, SectionsOutsideTheTableDoNothing) {
    wizard_testing::GeneratorHarness h({"@ECHO OFF"});
    WizardPages pages;
    std::tie(pages.fileOperations.Memo1, pages.fileOperations.Edit4, pages.fileOperations.CheckBox20) =
        std::tuple(Lines{"A.TXT"}, "B", true);
    for (int code : {-1, 0, 19, 22, 32}) generateSection(code, pages, h.context);
    EXPECT_EQ(h.document.lines(), Lines{"@ECHO OFF"});
    generateSection(1, pages, h.context);
    EXPECT_EQ(h.context.xcopyMask, 1u);
    EXPECT_EQ(h.document.lines(), (Lines{"@ECHO OFF", "COPY A.TXT \"B\" /Y"}));
}
