// The main function of a desktop program test: offscreen, in a fresh
// application folder of its own.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include "options/options.h"

/// Runs the Qt Test object `TestClass` with the offscreen platform and
/// VELLIX_HOME pointing at a temporary folder that is removed afterwards,
/// so the program's settings, option set and logs are the test's own.
#define VX_GUI_TEST_MAIN(TestClass)                       \
  int main(int argc, char** argv) {                       \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) { \
      qputenv("QT_QPA_PLATFORM", "offscreen");            \
    }                                                     \
    QTemporaryDir home;                                   \
    qputenv("VELLIX_HOME", home.path().toUtf8());         \
    int status = 0;                                       \
    {                                                     \
      QApplication app(argc, argv);                       \
      TestClass test;                                     \
      status = QTest::qExec(&test, argc, argv);           \
    }                                                     \
    vellix::DestroyCurrentOptions();                      \
    return status;                                        \
  }
