// Compiled only into the test build of the file writer.
#include "MyFunc/WriteFaults.h"

namespace MyFunc {

namespace {
int gFailStep = 0;
int gStep = 0;
}  // namespace

void SetWriteFailureStep(int step) {
    gFailStep = step;
    gStep = 0;
}

bool WriteStepFails() {
    return gFailStep > 0 && ++gStep == gFailStep;
}

}  // namespace MyFunc
