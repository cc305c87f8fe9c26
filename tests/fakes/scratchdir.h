#pragma once
// A fresh, empty working directory for as long as the object lives; the old one comes
// back afterwards. For tests whose game reads or writes files in its folder.
#include <QDir>
#include <QTemporaryDir>

#include <stdexcept>

namespace porimogu::testing {

class ScratchDir {
public:
    ScratchDir() : previous_(QDir::currentPath())
    {
        if (!dir_.isValid() || !QDir::setCurrent(dir_.path()))
            throw std::runtime_error("cannot enter a scratch directory");
    }
    ~ScratchDir() { QDir::setCurrent(previous_); }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    bool IsValid() const { return dir_.isValid(); }
    QString Path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace porimogu::testing
