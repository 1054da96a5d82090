// Every page of the layout fits the window's smallest and largest size.
#include "app/window_fixture.h"

#include "app/wizard/easy_layout.h"
#include "app/wizard/install_easy_layout.h"

#include <QAbstractButton>
#include <QApplication>

namespace {

class EasyLayoutLook : public testing_support::WindowTest {
protected:
    app::wizard::EasyLayout* easy = nullptr;
    void install(app::TForm1& form) override { easy = &app::wizard::installEasyLayout(form, prompter, files, settings); }
};

// True when no widget of the page is cut by its parent's edge or shrunk below
// what it needs.
std::vector<std::string> clippedWidgets(QWidget* page) {
    std::vector<std::string> clipped;
    for (auto* child : page->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(page) || child->objectName().isEmpty() || child->objectName().startsWith("qt_") || child->isWindow()) continue;
        const QRect inParent = child->geometry();
        const QRect parentArea = child->parentWidget()->rect();
        const QSize needed = child->minimumSize().expandedTo(child->minimumSizeHint()).boundedTo(child->maximumSize());
        const bool cut = !parentArea.contains(inParent);
        // A wrapping caption needs the height of its lines at its width.
        int neededHeight = needed.height();
        if (child->layout() == nullptr && child->hasHeightForWidth() && qobject_cast<QAbstractButton*>(child))
            neededHeight = child->heightForWidth(child->width());
        const bool squeezed = child->width() < needed.width() || child->height() < neededHeight;
        if (cut || squeezed) clipped.push_back(child->objectName().toStdString());
    }
    return clipped;
}

} // namespace

TEST_F(EasyLayoutLook, EveryPageFitsTheSmallestAndLargestWindow) {
    settings.writeBool("PreviousExec", "Hidden", false);
    settings.writeInteger("PreviousExec", "Active", 2);
    for (const QSize client : {QSize(800, 565), QSize(1152, 864)}) {
        start();
        window->resize(client);
        QApplication::processEvents();
        // At the smallest size the window must not have grown to make room.
        EXPECT_EQ(window->size(), client);
        for (int page = 1; page <= 7; ++page) {
            easy->setWizardPage(page);
            for (int net = 1; net <= (page == 7 ? 4 : 1); ++net) {
                easy->setNetworkPage(net);
                QApplication::processEvents();
                SCOPED_TRACE(testing::Message() << client.width() << "x" << client.height() << " page " << page
                                                << "." << net);
                EXPECT_EQ(clippedWidgets(easy), std::vector<std::string>{});
                EXPECT_LE(easy->minimumSizeHint().height(), easy->height());
                EXPECT_LE(easy->minimumSizeHint().width(), easy->width());
            }
        }
    }
}
