#pragma once
// A whole table for tests: the main window with scripted dialogs, its own
// empty settings folder, a pinned random generator and a fresh play state.
// The window is built but not loaded; call main->Form_Load() to start a game.

#include <memory>

#include "Dialogs.h"
#include "InstallFolder.h"
#include "Main.h"
#include "PlayState.h"
#include "Rng.h"
#include "TempSettings.h"

struct TestTable {
    TempSettings settings;
    forms::ScriptedDialogs dialogs;
    std::unique_ptr<Main> main;

    explicit TestTable(std::uint64_t seed = 42) {
        SetRandomSeedForTests(seed);
        ResetPlayState();
        main = std::make_unique<Main>(dialogs);
        main->gbInstallPath = DefaultInstallFolder();
    }
    ~TestTable() {
        main.reset();
        ClearRandomTestSettings();
    }
    Main& m() { return *main; }
    // Runs the game's timers for a while of virtual time.
    void advance(std::int64_t ms) { main->scheduler.Advance(ms); }
};
