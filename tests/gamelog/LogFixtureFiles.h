#pragma once
// Log files for tests, written into a folder of their own.

#include <QFile>
#include <QTemporaryDir>

#include <string>

struct LogFixtureFiles {
    QTemporaryDir dir;
    std::string write(const std::string& name, const std::string& text) {
        const std::string path = dir.path().toStdString() + "/" + name;
        QFile f(QString::fromStdString(path));
        if (f.open(QIODevice::WriteOnly)) f.write(text.data(), static_cast<qint64>(text.size()));
        return path;
    }
    std::string missing() const { return dir.path().toStdString() + "/gone.txt"; }
};
