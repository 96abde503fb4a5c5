#pragma once

#include <QTemporaryDir>

#include <memory>

// The program folder and settings folder a tool runs on: KORVO_HOME and
// XDG_CONFIG_HOME when set, else fresh temporary ones that live as long as
// this object, the program folder holding a copy of the build's conf folder (and of
// its Styles folder when the build has one).
struct RunFolders {
    std::unique_ptr<QTemporaryDir> home;
    std::unique_ptr<QTemporaryDir> config;

    // False when a folder cannot be made.
    bool prepare();
};
