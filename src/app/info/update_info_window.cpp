#include "app/info/update_info_window.h"

#include "app/info/notice_print.h"
#include "core/info/notice_file.h"
#include "core/info/update_texts.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

namespace app::info {
namespace texts = core::info::texts;

namespace {

QString qs(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QPushButton* button(QWidget* parent, const char* name, std::string_view caption) {
    auto* b = new QPushButton(qs(caption), parent);
    b->setObjectName(name);
    return b;
}

// A read-only text view would copy only the selection on Ctrl+C; let the
// pop-up menu's Copy, which copies everything, have the key instead.
class CopyKeyToMenu : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            event->ignore();
            return true;
        }
        return false;
    }
};

} // namespace

TForm2::TForm2(const UpdateInfoServices& services, core::ports::Pop3Client& client, const std::string& localVersion,
               QWidget* parent)
    : QDialog(parent), m_services(services) {
    setObjectName("TForm2");
    setWindowTitle(qs(texts::WINDOW_CAPTION));
    setMinimumSize(320, 240);
    setMaximumSize(640, 480);
    resize(480, 360);

    m_richEdit1 = new QPlainTextEdit(this);
    m_richEdit1->setObjectName("RichEdit1");
    m_richEdit1->setReadOnly(true);
    m_richEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_richEdit1->installEventFilter(new CopyKeyToMenu(m_richEdit1));
    m_bitBtn2 = button(this, "BitBtn2", texts::CONNECT);
    m_bitBtn2->setDefault(true);
    m_bitBtn3 = button(this, "BitBtn3", texts::DOWNLOAD);
    m_bitBtn1 = button(this, "BitBtn1", texts::CLOSE);
    m_bitBtn1->setAutoDefault(false);
    m_bitBtn3->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_bitBtn2);
    buttons->addWidget(m_bitBtn3);
    buttons->addStretch();
    buttons->addWidget(m_bitBtn1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_richEdit1, 1);
    layout->addLayout(buttons);
    buildPopupMenu();

    connect(m_bitBtn2, &QPushButton::clicked, this, &TForm2::BitBtn2Click);
    connect(m_bitBtn3, &QPushButton::clicked, this, &TForm2::BitBtn3Click);
    connect(m_bitBtn1, &QPushButton::clicked, this, &TForm2::BitBtn1Click);

    m_session = std::make_unique<core::info::UpdateSession>(
        *this, core::info::UpdateSession::Ports{client, services.prompter, services.shell},
        core::info::readUpdateConfig(services.settings), localVersion);
    m_session->start();
}

TForm2::~TForm2() = default;

void TForm2::buildPopupMenu() {
    auto* menu = new QMenu(this);
    menu->setObjectName("PopupMenu1");
    const struct { const char* name; std::string_view caption; QKeySequence key; void (TForm2::*handler)(); } items[] = {
        {"Save1", texts::SAVE, QKeySequence(Qt::CTRL | Qt::Key_S), &TForm2::Save1Click},
        {"Copy1", texts::COPY, QKeySequence(Qt::CTRL | Qt::Key_C), &TForm2::Copy1Click},
        {"Print1", texts::PRINT, QKeySequence(Qt::CTRL | Qt::Key_P), &TForm2::Print1Click},
    };
    for (const auto& item : items) {
        auto* action = menu->addAction(qs(item.caption));
        action->setObjectName(item.name);
        action->setShortcut(item.key);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action); // so the shortcut works while the menu is closed
        connect(action, &QAction::triggered, this, item.handler);
    }
    m_richEdit1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_richEdit1, &QWidget::customContextMenuRequested, this,
            [this, menu](const QPoint& at) { menu->popup(m_richEdit1->mapToGlobal(at)); });
}

void TForm2::showNotice(const std::vector<std::string>& lines) {
    QStringList text;
    for (const auto& line : lines) text << qs(line);
    // Plain text only: nothing in the notice is taken as markup or a link.
    m_richEdit1->setPlainText(text.join('\n'));
}

void TForm2::setConnectButton(std::string_view caption, bool enabled) {
    m_bitBtn2->setText(qs(caption));
    m_bitBtn2->setEnabled(enabled);
}

void TForm2::setDownloadEnabled(bool enabled) { m_bitBtn3->setEnabled(enabled); }

void TForm2::setCloseButton(std::string_view caption, bool enabled) {
    m_bitBtn1->setText(qs(caption));
    m_bitBtn1->setEnabled(enabled);
}

void TForm2::closeWindow() {
    m_closing = true;
    QDialog::reject();
}

void TForm2::reject() {
    if (m_closing) QDialog::reject();
    else m_session->closeClicked();
}

void TForm2::BitBtn2Click() { m_session->connectClicked(); }

void TForm2::BitBtn3Click() { m_session->downloadClicked(); }

void TForm2::BitBtn1Click() { m_session->closeClicked(); }

void TForm2::Save1Click() { core::info::saveNotice(m_services.files, m_services.prompter, viewLines()); }

void TForm2::Copy1Click() {
    m_richEdit1->selectAll();
    m_richEdit1->copy();
    m_richEdit1->selectAll();
}

void TForm2::Print1Click() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QStringList lines;
    for (const auto& line : viewLines()) lines << qs(line);
    if (!printNotice(printer, qs(texts::PRINT_HEADING), lines, m_richEdit1->font()))
        m_services.prompter.message(core::ports::MessageKind::Error, core::ports::Buttons::Ok,
                                    std::string(texts::PRINT_FAILED));
}

std::vector<std::string> TForm2::viewLines() const {
    std::vector<std::string> lines;
    if (m_richEdit1->document()->isEmpty()) return lines;
    for (const auto& line : m_richEdit1->toPlainText().split('\n')) lines.push_back(line.toStdString());
    return lines;
}

} // namespace app::info
