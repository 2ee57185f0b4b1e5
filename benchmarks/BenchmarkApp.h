#pragma once
// The Qt application the table's controls need, headless.

#include <QApplication>

#include <memory>

inline std::unique_ptr<QApplication> MakeHeadlessApp(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QApplication>(argc, argv);
}
