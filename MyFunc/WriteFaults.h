// Failure injection for the tests of the file writer. Only a test build of the
// writer, compiled with T742_WRITE_FAULTS, carries the hook; everywhere else it
// is the constant false, so the program holds neither the hook nor its branches.
#pragma once

namespace MyFunc {

#ifdef T742_WRITE_FAULTS
// Counts every step of WriteFileAtomic (create, each write, close, replace)
// and makes the step with this number fail; 0 turns it off.
void SetWriteFailureStep(int step);
// True when the failure set above strikes this step.
bool WriteStepFails();
#else
constexpr bool WriteStepFails() {
    return false;
}
#endif

}  // namespace MyFunc
