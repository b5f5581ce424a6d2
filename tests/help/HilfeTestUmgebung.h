#pragma once
// One widget application for all help tests (the viewer is a widget).
#include <QApplication>

inline QApplication& TestAnwendung() {
    static int argc = 1;
    static char name[] = "test_help";
    static char* argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
