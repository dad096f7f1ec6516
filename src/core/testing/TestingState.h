#pragma once

// What the testing windows share while a test is prepared, run and graded.
struct TestingState {
};
