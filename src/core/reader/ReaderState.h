#pragma once

#include <QString>

// What the contents window, the reader and the help window share.
struct ReaderState {
    // Title of the page the reader is to show or shows, untrimmed.
    QString currentPage;
    // The contents window was opened by the reader's contents button, so its
    // cancel leads back to the reader rather than to the main menu.
    bool contentsFromReader = false;
    // The reader is closing to hand over to the contents window and must not
    // bring the main menu back meanwhile.
    bool leavingForContents = false;
    // The help window is showing the results history copy for the results
    // report, which it returns to and whose copy it deletes when it closes.
    bool showResultsHistory = false;
};
