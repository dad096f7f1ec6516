#pragma once

#include "core/reader/ReaderState.h"
#include "core/testing/TestCatalogue.h"
#include "core/testing/TestingState.h"

#include <QString>

#include <array>

// The program-wide record every window reads and writes. A plain record on
// purpose: the rules that change it live in the subsystem functions.
struct AppState {
    static constexpr int kScoreSlots = 20;

    QString programFolder;
    QString skinFolder; // programFolder + "/data/jpg/skin"

    // The signed-in user.
    QString userFirstName;
    QString userSurname;
    QString userPassword;
    std::array<QString, kScoreSlots + 1> userScores; // slots 1..20; "" or "0" = no mark
    QString userBookmark;

    bool soundOn = true;
    bool switchingUser = false;
    bool confirmAnswer = false;
    bool helpFromConsole = false;

    int showErrorsMode = 1; // what the result window offers after a test

    TestCatalogue catalogue;
    TestingState testing;
    ReaderState reader;

    bool isAdministrator() const
    {
        return userFirstName == QLatin1String("admin") && userSurname == QLatin1String("admin");
    }
};
