#pragma once

#include "core/users/WriteBack.h"

struct AppState;

// Puts the run's grade into every score slot of its test (by the bank's name)
// and writes the signed-in user's record back to the user base.
WriteBackResult storeTestMark(AppState& state, const QString& userBasePath);
