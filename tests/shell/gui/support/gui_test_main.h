// The main function of a desktop program test: offscreen, in a fresh
// application folder of its own.
#pragma once

#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

/// Runs the Qt Test object `TestClass` with the offscreen platform and
/// VELLIX_HOME pointing at a temporary folder that is removed afterwards,
/// so nothing the program does can reach the user's own settings.
#define VX_GUI_TEST_MAIN(TestClass)                       \
  int main(int argc, char** argv) {                       \
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) { \
      qputenv("QT_QPA_PLATFORM", "offscreen");            \
    }                                                     \
    QTemporaryDir home;                                   \
    qputenv("VELLIX_HOME", home.path().toUtf8());         \
    QApplication app(argc, argv);                         \
    TestClass test;                                       \
    return QTest::qExec(&test, argc, argv);               \
  }
