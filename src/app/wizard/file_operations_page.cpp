#include "app/wizard/file_operations_page.h"

#include "app/wizard/browser.h"
#include "app/wizard/wizard_page_texts.h"
#include "app/wizard/wizard_widgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace app::wizard {

FileOperationsPage::FileOperationsPage(Browser& browser, QWidget* parent) : QWidget(parent), m_browser(browser) {
    setObjectName("TabSheet3");
    auto* grid = compactGrid(this);
    grid->addWidget(buildCopyGroup(), 0, 0, 2, 1);
    grid->addWidget(buildDeleteGroup(), 0, 1);
    grid->addWidget(buildRenameGroup(), 1, 1);
    grid->setColumnStretch(0, 11);
    grid->setColumnStretch(1, 9);
}

QWidget* FileOperationsPage::buildCopyGroup() {
    auto* box = panel();
    auto* actions = exclusiveGroup(box);
    auto* copyFiles = radio("CheckBox4", "Copy File(s)", actions);
    auto* moveFiles = radio("CheckBox5", "Move File(s)", actions);
    m_copyDirectory = radio("RadioButton24", "Copy Directory", actions);
    m_memo1 = memo("Memo1");
    m_edit4 = edit("Edit4");
    auto* sources = browseButton("Button1");
    auto* destination = browseButton("Button6");
    auto* confirmGroup = exclusiveGroup(box);
    auto* overwrite = radio("RadioButton2", "Overwrite", confirmGroup);
    overwrite->setChecked(true);
    auto* confirm = radio("RadioButton1", "Confirm", confirmGroup);
    auto* verify = checkBox("CheckBox1", "Verify");

    auto* subFolders = groupBox("Sub Folders and Files");
    subFolders->setObjectName("SubFoldersBox");
    auto* modes = exclusiveGroup(subFolders);
    auto* modeGrid = compactGrid(subFolders);
    modeGrid->addWidget(radio("RadioButton21", "Copy all subfolders and files", modes), 0, 0);
    modeGrid->addWidget(radio("RadioButton22", "Do not copy empty subfolders", modes), 0, 1);
    modeGrid->addWidget(radio("RadioButton23", "Copy all subfolders but no files", modes), 1, 0);
    auto* noFolders = radio("RadioButton25", "Do not copy any subfolders", modes);
    noFolders->setChecked(true);
    modeGrid->addWidget(noFolders, 1, 1);

    QWidget* const folderOptions[] = {
        checkBox("CheckBox20", "Prompt before copying"), checkBox("CheckBox16", "Include system and hidden files"),
        checkBox("CheckBox19", "Prompt before creating destination files"),
        wrappingCheckBox("CheckBox18", "Do not display any information when copying files"),
        wrappingCheckBox("CheckBox17", "Copy all files, only overwriting those files with an older date")};

    auto* grid = compactGrid(box);
    grid->addLayout(rowOf({copyFiles, moveFiles, m_copyDirectory}), 0, 0, 1, 3);
    grid->addWidget(label("From:", m_memo1), 1, 0, Qt::AlignTop);
    grid->addWidget(m_memo1, 1, 1);
    grid->addWidget(sources, 1, 2, Qt::AlignTop);
    grid->addWidget(label("To:", m_edit4), 2, 0);
    grid->addWidget(m_edit4, 2, 1);
    grid->addWidget(destination, 2, 2);
    grid->addLayout(rowOf({overwrite, confirm, verify}), 3, 0, 1, 3);
    grid->addWidget(subFolders, 4, 0, 1, 3);
    int row = 5;
    for (auto* option : folderOptions) grid->addWidget(option, row++, 0, 1, 3);
    grid->setRowStretch(1, 1);

    connect(m_copyDirectory, &QAbstractButton::clicked, m_memo1, &QPlainTextEdit::clear);
    m_browser.filesOrFolderInto(sources, m_memo1, [this] { return m_copyDirectory->isChecked(); },
                                texts::COPY_FOLDER_CAPTION);
    m_browser.directoryInto(destination, m_edit4, PathForm::Long);
    return box;
}

QWidget* FileOperationsPage::buildDeleteGroup() {
    auto* box = panel();
    auto* actions = exclusiveGroup(box);
    auto* deleteFiles = radio("CheckBox2", "Delete File(s)", actions);
    m_deleteDirectory = radio("CheckBox15", "Delete Directory", actions);
    m_memo2 = memo("Memo2");
    auto* targets = browseButton("Button2");
    auto* grid = compactGrid(box);
    grid->addLayout(rowOf({deleteFiles, m_deleteDirectory}), 0, 0, 1, 2);
    grid->addWidget(m_memo2, 1, 0);
    grid->addWidget(targets, 1, 1, Qt::AlignTop);
    grid->addWidget(checkBox("CheckBox3", "&Prompt before deletion"), 2, 0, 1, 2);
    grid->addWidget(checkBox("CheckBox45", "Windows\u00AE XP or 2003 Server"), 3, 0, 1, 2);
    grid->setRowStretch(1, 1);
    m_browser.filesOrFolderInto(targets, m_memo2, [this] { return m_deleteDirectory->isChecked(); },
                                texts::REMOVE_FOLDER_CAPTION);
    return box;
}

QWidget* FileOperationsPage::buildRenameGroup() {
    auto* box = panel();
    auto* actions = exclusiveGroup(box);
    auto* renameFile = radio("CheckBox13", "Rename file", actions);
    auto* renameDirectory = radio("RadioButton57", "Rename directory", actions);
    auto* createDirectory = radio("RadioButton42", "Create new directory:", actions);
    auto* from = edit("Edit12");
    auto* browse = browseButton("Button9");
    auto* edit13 = edit("Edit13", 30);
    auto* extension = edit("Edit14", 8);
    extension->setMaximumWidth(extension->fontMetrics().horizontalAdvance("MMMMMMM"));

    auto* grid = compactGrid(box);
    grid->addLayout(rowOf({renameFile, renameDirectory}), 0, 0, 1, 3);
    grid->addWidget(createDirectory, 1, 0, 1, 3);
    grid->addWidget(label("From:", from), 2, 0);
    grid->addWidget(from, 2, 1);
    grid->addWidget(browse, 2, 2);
    grid->addWidget(label("To:", edit13), 3, 0);
    grid->addLayout(rowOf({edit13, new QLabel("."), extension}, false), 3, 1, 1, 2);
    m_browser.fileInto(browse, from);
    return box;
}

} // namespace app::wizard
