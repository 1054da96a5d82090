#include "support/qt_test_main.h"

QUILLET_QT_TEST_MAIN()
