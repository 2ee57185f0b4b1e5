#pragma once
// Gives a test its own empty settings folder for as long as it lives.

#include <QTemporaryDir>

#include <cstdlib>
#include <string>

class TempSettings {
public:
    TempSettings() {
        const char* old = std::getenv("LUMRA_SETTINGS_DIR");
        saved_ = old ? old : "";
        hadOld_ = old != nullptr;
        setenv("LUMRA_SETTINGS_DIR", dir_.path().toStdString().c_str(), 1);
    }
    ~TempSettings() {
        if (hadOld_)
            setenv("LUMRA_SETTINGS_DIR", saved_.c_str(), 1);
        else
            unsetenv("LUMRA_SETTINGS_DIR");
    }
    std::string path() const { return dir_.path().toStdString(); }

private:
    QTemporaryDir dir_;
    std::string saved_;
    bool hadOld_ = false;
};
