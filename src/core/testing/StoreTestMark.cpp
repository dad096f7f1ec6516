#include "core/testing/StoreTestMark.h"

#include "core/shell/AppState.h"

WriteBackResult storeTestMark(AppState& state, const QString& userBasePath)
{
    const TestRun& run = state.testing.run;
    state.catalogue.storeMark(run.testName, QString::number(run.grade), state.userScores);
    return writeBack(userBasePath, state);
}
