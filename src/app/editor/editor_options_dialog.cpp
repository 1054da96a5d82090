#include "app/editor/editor_options_dialog.h"

#include "app/editor/editor_options.h"
#include "platform/qt_colour.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace app::editor {
namespace {

struct Row {
    const char* label;
    const char* swatch;
    const char* button;
};

constexpr std::array<Row, 5> ROWS = {{
    {"Background colour:", "Edit1", "BitBtn4"},
    {"Text colour:", "Edit2", "BitBtn5"},
    {"Command colour:", "Edit3", "BitBtn6"},
    {"Label colour:", "Edit4", "BitBtn7"},
    {"Comment colour:", "Edit5", "BitBtn8"},
}};

QPushButton* button(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(name);
    return b;
}

} // namespace

TForm7::TForm7(core::ports::SettingsStore& store, core::ports::Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_store(store), m_prompter(prompter) {
    setObjectName("TForm7");
    setWindowTitle(QStringLiteral("Editor Options"));
    m_font = {core::settings::readText(store, core::settings::Setting::FontName),
              core::settings::readInteger(store, core::settings::Setting::FontSize)};

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Here you can set options for the editor (Advanced View):")));
    auto* grid = new QGridLayout;
    for (std::size_t row = 0; row < ROWS.size(); ++row) {
        const int r = static_cast<int>(row);
        m_colours[row] = readColour(store, COLOUR_OPTIONS[row]);
        m_swatches[row] = new QLineEdit;
        m_swatches[row]->setObjectName(ROWS[row].swatch);
        m_swatches[row]->setReadOnly(true);
        m_swatches[row]->setFocusPolicy(Qt::NoFocus);
        paintSwatch(row);
        auto* choose = button(ROWS[row].button, QStringLiteral("Choose..."));
        connect(choose, &QPushButton::clicked, this, [this, row] { chooseColour(row); });
        grid->addWidget(new QLabel(QString::fromUtf8(ROWS[row].label)), r, 0);
        grid->addWidget(m_swatches[row], r, 1);
        grid->addWidget(choose, r, 2);
    }
    layout->addLayout(grid);

    auto* checking = new QGroupBox(QStringLiteral("Checking and saving"));
    checking->setObjectName("GroupBoxChecking");
    auto* form = new QFormLayout(checking);
    m_problemReport = new QComboBox;
    m_problemReport->setObjectName("ComboProblemReport");
    // In the order of the stored value.
    m_problemReport->addItems({QStringLiteral("As suits the rules (boxes for the classic rules)"),
                               QStringLiteral("One message box each"), QStringLiteral("In the Problems list only")});
    m_problemReport->setCurrentIndex(core::settings::readInteger(store, core::settings::Setting::ProblemReport));
    form->addRow(QStringLiteral("Report problems:"), m_problemReport);
    m_saveAsLine = new QCheckBox(QStringLiteral("Save As adds the line \"ECHO This Batch file was created with ...\""));
    m_saveAsLine->setObjectName("CheckSaveAsLine");
    m_saveAsLine->setChecked(core::settings::readBool(store, core::settings::Setting::SaveAsLine));
    form->addRow(m_saveAsLine);
    layout->addWidget(checking);

    auto* font = button("BitBtn3", QStringLiteral("Select Font..."));
    auto* ok = button("BitBtn2", QStringLiteral("OK"));
    auto* cancel = button("BitBtn1", QStringLiteral("Cancel"));
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(font);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(font, &QPushButton::clicked, this, &TForm7::chooseFont);
    connect(ok, &QPushButton::clicked, this, [this] {
        writeOptions();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TForm7::paintSwatch(std::size_t row) {
    QPalette palette = m_swatches[row]->palette();
    palette.setColor(QPalette::Base, platform::toQColor(m_colours[row]));
    m_swatches[row]->setPalette(palette);
}

void TForm7::chooseColour(std::size_t row) {
    const auto chosen = m_prompter.chooseColour(m_lastChosen);
    if (!chosen) return;
    m_lastChosen = *chosen;
    m_colours[row] = *chosen;
    paintSwatch(row);
}

void TForm7::chooseFont() {
    if (auto chosen = m_prompter.chooseFont(m_font)) {
        m_font = *chosen;
        m_fontChosen = true;
    }
}

void TForm7::writeOptions() {
    using core::settings::Setting;
    if (m_fontChosen) {
        core::settings::writeText(m_store, Setting::FontName, m_font.name);
        core::settings::writeInteger(m_store, Setting::FontSize, m_font.size);
    }
    for (std::size_t row = 0; row < ROWS.size(); ++row)
        core::settings::writeText(m_store, COLOUR_OPTIONS[row], core::settings::colourName(m_colours[row]));
    core::settings::writeInteger(m_store, Setting::ProblemReport, m_problemReport->currentIndex());
    core::settings::writeBool(m_store, Setting::SaveAsLine, m_saveAsLine->isChecked());
}

} // namespace app::editor
