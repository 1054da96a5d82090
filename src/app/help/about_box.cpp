#include "app/help/about_box.h"

#include "core/info/maker.h"
#include "core/info/support_link.h"
#include "core/version.h"
#include "platform/qt_text.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace app::help {
namespace {

constexpr auto WEBSITE_LINK = "Click here to visit the Marrowfen Software Website";
constexpr auto MAIL_LINK = "Comments? Suggestions? Enquires? Email me";
constexpr auto PICTURE = ":/quillet/icons/quillet-128.png";

QLabel* link(const char* name, const char* text, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("<a href=\"#\">%1</a>").arg(QString::fromUtf8(text)), parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return label;
}

} // namespace

TVersionAwareAbout::TVersionAwareAbout(const std::optional<core::info::VersionRecord>& version,
                                       core::ports::Shell& shell, core::ports::Prompter& prompter, QWidget* parent)
    : QDialog(parent), m_shell(shell), m_prompter(prompter) {
    setObjectName("VersionAwareAbout");
    const auto about = core::info::aboutText(version);
    setWindowTitle(platform::fromUtf8(about.caption));

    auto* picture = new QLabel(this);
    picture->setObjectName("Image1");
    picture->setPixmap(QPixmap(PICTURE));
    const std::string productName = version ? version->productName : core::PRODUCT_NAME;
    auto* product = new QLabel(platform::fromUtf8(productName), this);
    product->setObjectName("ProductName");
    auto font = product->font();
    font.setPointSizeF(font.pointSizeF() * 1.8);
    font.setBold(true);
    product->setFont(font);
    auto* website = link("WebsiteLink", WEBSITE_LINK, this);
    auto* mail = link("EmailLink", MAIL_LINK, this);

    QStringList lines;
    for (const auto& line : about.lines) lines << platform::fromUtf8(line);
    auto* info = new QPlainTextEdit(lines.join('\n'), this);
    info->setObjectName("reVersionInfo");
    info->setReadOnly(true);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);

    auto* heading = new QVBoxLayout;
    heading->addWidget(product);
    heading->addWidget(website);
    heading->addWidget(mail);
    heading->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addLayout(heading, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(info, 1);
    layout->addLayout(buttons);
    resize(460, 360);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(website, &QLabel::linkActivated, this,
            [this] { core::info::openWithShell(m_shell, m_prompter, std::string(core::info::MAKER_WEBSITE)); });
    connect(mail, &QLabel::linkActivated, this, [this, productName] {
        core::info::openWithShell(m_shell, m_prompter, core::info::makerMailLink(productName));
    });
}

void TVersionAwareAbout::showAbout(core::ports::Shell& shell, core::ports::Prompter& prompter, QWidget* parent) {
    TVersionAwareAbout box(core::info::programVersionRecord(), shell, prompter, parent);
    box.exec();
}

} // namespace app::help
