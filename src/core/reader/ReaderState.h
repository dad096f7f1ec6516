#pragma once

// What the contents window and the reader share.
struct ReaderState {
    bool contentsFromReader = false;
};
