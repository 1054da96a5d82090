#include "app/wizard/variables_if_page.h"

#include "app/wizard/browser.h"
#include "app/wizard/wizard_page_texts.h"
#include "app/wizard/wizard_widgets.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

namespace app::wizard {

namespace {

constexpr int GRID_ROWS = 10;

QPushButton* hinted(QPushButton* push, const char* hint) {
    push->setToolTip(hint);
    return push;
}

} // namespace

VariablesIfPage::VariablesIfPage(Browser& browser, QWidget* parent) : QWidget(parent), m_browser(browser) {
    setObjectName("TabSheet8");
    auto* row = compactRow(this);
    row->setContentsMargins(6, 6, 6, 6);
    row->addWidget(buildVariables(), 4);
    auto* ifBox = panel();
    auto* ifColumn = compactColumn(ifBox);
    ifColumn->addLayout(rowOf({checkBox("CheckBox27", "Create an 'IF' statement to:"),
                               checkBox("CheckBox28", "Execute command when result is false")}));
    ifColumn->addWidget(buildCondition());
    ifColumn->addWidget(buildAction());
    ifColumn->addStretch(1);
    row->addWidget(ifBox, 6);
}

QWidget* VariablesIfPage::buildVariables() {
    auto* box = panel();
    auto* grid = new QTableWidget(GRID_ROWS, 2);
    grid->setObjectName("StringGrid1");
    grid->setHorizontalHeaderLabels({"Variable Name", "Value"});
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->setMinimumHeight(grid->horizontalHeader()->sizeHint().height() +
                           GRID_ROWS * grid->verticalHeader()->defaultSectionSize() + 2 * grid->frameWidth());
    for (int r = 0; r < GRID_ROWS; ++r)
        for (int c = 0; c < 2; ++c) grid->setItem(r, c, new QTableWidgetItem);
    auto* column = compactColumn(box);
    column->addWidget(checkBox("CheckBox26", "Set variables to be used in the batch file"));
    column->addWidget(grid);
    column->addStretch(1);
    return box;
}

QWidget* VariablesIfPage::buildCondition() {
    auto* area = new QWidget;
    auto* conditions = exclusiveGroup(area);
    auto* string1 = edit("Edit19");
    auto* string2 = edit("Edit20");
    auto* select1 = hinted(button("Button13", "Select variable"), texts::VARIABLE_HINT);
    auto* select2 = hinted(button("Button14", "Select variable"), texts::VARIABLE_HINT);
    auto* fileName = edit("Edit21");
    auto* browseFile = browseButton("Button15");
    auto* folder = edit("Edit22");
    auto* browseFolder = browseButton("Button16");

    auto* grid = compactGrid(area);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(wrappingRadio("RadioButton37",
                                  "Compare two strings (you can specify a variable name here as long as it has "
                                  "been defined in the batch file)",
                                  conditions),
                    0, 0, 1, 3);
    grid->addWidget(label("String 1:", string1), 1, 0);
    grid->addWidget(string1, 1, 1);
    grid->addWidget(select1, 1, 2);
    grid->addWidget(label("String 2:", string2), 2, 0);
    grid->addWidget(string2, 2, 1);
    grid->addWidget(select2, 2, 2);
    grid->addWidget(radio("RadioButton38", "Check for the existance of a file", conditions), 3, 0, 1, 3);
    grid->addWidget(label("Filename:", fileName), 4, 0);
    grid->addWidget(fileName, 4, 1);
    grid->addWidget(browseFile, 4, 2);
    grid->addWidget(radio("RadioButton41", "Check for the existance of a directory", conditions), 5, 0, 1, 3);
    grid->addWidget(label("Directory Name:", folder), 6, 0);
    grid->addWidget(folder, 6, 1);
    grid->addWidget(browseFolder, 6, 2);

    connect(select1, &QPushButton::clicked, this, [this] { emit variableRequested(1); });
    connect(select2, &QPushButton::clicked, this, [this] { emit variableRequested(2); });
    m_browser.fileInto(browseFile, fileName, PathForm::Short, /*multiSelect=*/false);
    m_browser.folderInto(browseFolder, folder, texts::IF_FOLDER_CAPTION, PathForm::Short);
    return area;
}

QWidget* VariablesIfPage::buildAction() {
    auto* box = groupBox("'IF' true, do the following:");
    auto* actions = exclusiveGroup(box);
    m_command = edit("Edit23");
    m_command->installEventFilter(this);
    auto* label = edit("Edit24");
    auto* labels = hinted(button("Button17", "Labels..."), texts::LABEL_HINT);
    auto* grid = compactGrid(box);
    grid->addWidget(radio("RadioButton39", "Run a command:", actions), 0, 0);
    grid->addWidget(m_command, 0, 1, 1, 2);
    grid->addWidget(wrappingRadio("RadioButton40",
                                  "Go to a different section of the batch file (Specify label name):", actions),
                    1, 0, 1, 3);
    grid->addWidget(label, 2, 1);
    grid->addWidget(labels, 2, 2);
    grid->setColumnStretch(1, 1);
    connect(labels, &QPushButton::clicked, this, &VariablesIfPage::labelsRequested);
    return box;
}

bool VariablesIfPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_command && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
        emit commandFieldFocused(event->type() == QEvent::FocusIn);
    return QWidget::eventFilter(watched, event);
}

} // namespace app::wizard
