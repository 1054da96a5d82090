#pragma once
// main() for GoogleTest binaries that need a QApplication: offscreen unless a
// platform is set, and the settings and data folders in a private temporary
// folder so no test touches the real user's files.
#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#define QUILLET_QT_TEST_MAIN()                                                          \
    int main(int argc, char** argv) {                                                   \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                             \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                    \
        QTemporaryDir home;                                                             \
        qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8());                 \
        qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());                     \
        qputenv("XDG_RUNTIME_DIR", (home.path() + "/runtime").toUtf8());                \
        QApplication application(argc, argv);                                           \
        QApplication::setOrganizationName("Marrowfen Software");                        \
        QApplication::setApplicationName("Quillet");                                    \
        ::testing::InitGoogleTest(&argc, argv);                                         \
        return RUN_ALL_TESTS();                                                         \
    }
