#include "app/wizard/for_attributes_page.h"

#include "app/wizard/browser.h"
#include "app/wizard/wizard_page_texts.h"
#include "app/wizard/wizard_widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace app::wizard {

namespace {

const QStringList FOR_COMMANDS{"COPY", "XCOPY", "MOVE", "RENAME", "TYPE", "DEL", "START",
                               "ATTRIB", "IF", "IF NOT", "IF EXIST", "IF NOT EXIST"};

QStringList driveLetters() {
    QStringList letters;
    for (char letter = 'D'; letter <= 'Z'; ++letter) letters << QString(QChar(letter));
    return letters;
}

} // namespace

ForAttributesPage::ForAttributesPage(Browser& browser, QWidget* parent) : QWidget(parent), m_browser(browser) {
    setObjectName("TabSheet9");
    auto* grid = compactGrid(this);
    grid->addWidget(buildForGroup(), 0, 0, 2, 1);
    grid->addWidget(buildAttributesGroup(), 0, 1);
    grid->addWidget(buildSubstGroup(), 1, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

QWidget* ForAttributesPage::buildForGroup() {
    auto* box = panel();
    auto* files = memo("Memo5");
    auto* browse = browseButton("Button18");
    auto* command = dropDown("ComboBox1", FOR_COMMANDS);
    command->setEditable(true);
    command->setCurrentText("");
    auto* arguments = edit("Edit26");

    auto* marker = new QFrame;
    marker->setFrameShape(QFrame::StyledPanel);
    auto* markerGrid = compactGrid(marker);
    markerGrid->setContentsMargins(4, 2, 4, 2);
    markerGrid->setVerticalSpacing(0);
    markerGrid->addWidget(new QLabel(texts::FILE_IS_INSERTED_1), 0, 0);
    markerGrid->addWidget(new QLabel(texts::FILE_IS_INSERTED_2), 1, 0);
    markerGrid->addWidget(checkBox("CheckBox43", "Cancel"), 0, 1, 2, 1);
    markerGrid->setColumnStretch(0, 1);

    auto* hint = new QLabel(texts::FOR_ARGUMENTS_HINT);
    hint->setEnabled(false);

    auto* grid = compactGrid(box);
    grid->addWidget(checkBox("CheckBox29", "Create a FOR statement"), 0, 0, 1, 2);
    grid->addWidget(label("For each of these files:", files), 1, 0, 1, 2);
    grid->addWidget(files, 2, 0);
    grid->addWidget(browse, 2, 1, Qt::AlignTop);
    grid->addWidget(label("Execute the following command:", command), 3, 0, 1, 2);
    grid->addWidget(command, 4, 0, 1, 2);
    grid->addWidget(marker, 5, 0, 1, 2);
    grid->addWidget(label("Other Arguments:", arguments), 6, 0, 1, 2);
    grid->addWidget(arguments, 7, 0, 1, 2);
    grid->addWidget(hint, 8, 0, 1, 2);
    grid->setRowStretch(2, 1);
    m_browser.filesInto(browse, files);
    return box;
}

QWidget* ForAttributesPage::buildAttributesGroup() {
    auto* box = panel();
    auto* files = memo("Memo9");
    auto* browse = browseButton("Button23");
    auto* properties = groupBox("Apply these properties:");
    auto* propertyGrid = compactGrid(properties);
    propertyGrid->addWidget(checkBox("CheckBox38", "Read Only"), 0, 0);
    propertyGrid->addWidget(checkBox("CheckBox39", "Archive"), 0, 1);
    propertyGrid->addWidget(checkBox("CheckBox40", "Hidden"), 1, 0);
    propertyGrid->addWidget(checkBox("CheckBox41", "System"), 1, 1);

    auto* grid = compactGrid(box);
    grid->addWidget(checkBox("CheckBox36", "Modify file attributes"), 0, 0, 1, 2);
    grid->addWidget(label("&File(s) to modify:", files), 1, 0, 1, 2);
    grid->addWidget(files, 2, 0);
    grid->addWidget(browse, 2, 1, Qt::AlignTop);
    grid->addWidget(properties, 3, 0, 1, 2);
    grid->setRowStretch(2, 1);
    m_browser.filesInto(browse, files);
    return box;
}

QWidget* ForAttributesPage::buildSubstGroup() {
    auto* box = panel();
    auto* path = edit("Edit33");
    auto* browse = browseButton("Button22");
    auto* letter = dropDown("ComboBox5", driveLetters());
    auto* grid = compactGrid(box);
    grid->addWidget(wrappingCheckBox("CheckBox37", "Substitute a drive letter for a local directory path"), 0, 0, 1, 3);
    grid->addWidget(label("&Local directory path:", path), 1, 0, 1, 3);
    grid->addWidget(path, 2, 0, 1, 2);
    grid->addWidget(browse, 2, 2);
    grid->addWidget(label("Drive letter to subst.:", letter), 3, 0);
    grid->addWidget(letter, 3, 1, Qt::AlignLeft);
    grid->setColumnStretch(1, 1);
    m_browser.folderInto(browse, path, texts::SUBST_FOLDER_CAPTION, PathForm::Short);
    return box;
}

} // namespace app::wizard
