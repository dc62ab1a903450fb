// The window's suites run inside the program's own application object, as
// the program does: errors reach its box and Qt's settings stay private.
#pragma once

#include "app/application.h"

#include <QTest>

#define VANTREL_APP_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char** argv) {                                                              \
        vantrel::TApplication app(argc, argv);                                                     \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
