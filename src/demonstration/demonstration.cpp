// The demonstration's runner: the step counter, the script's actions, the timer and its end.
#include "demonstration/demonstration.h"

namespace zendrix {

namespace {
constexpr int kVisibleStepInterval = 2000;
constexpr int kFastStepInterval = 1;
}  // namespace

void Demonstration::Start() {
    RunDemonstrationStep(0);
    host_.SetStepTimer(true);
}

void Demonstration::RunDemonstrationStep(int argument) {
    ++demoStep_;
    if (argument == 0) demoStep_ = 0;
    if (argument == kStopDemonstration) demoStep_ = kFinalDemonstrationStep;
    if (demoStep_ == kFinalDemonstrationStep) {
        host_.SetStepTimer(false);
        host_.ShowPointer(false);
        host_.DemonstrationEnded(savedMarkerColor_);
    } else {
        for (const DemonstrationAction& action : DemonstrationActions(demoStep_)) Perform(action);
    }
    host_.StepDone();
}

void Demonstration::Perform(const DemonstrationAction& action) {
    using A = DemonstrationAction;
    switch (action.kind) {
        case A::kPrepareField:
            host_.PrepareDemonstrationField(kDemonstrationReachLevel, kDemonstrationStartCount,
                                            kDemonstrationSafeSquares);
            break;
        case A::kPointer:
            host_.PlacePointer(action.square);
            break;
        case A::kShowPointer:
            host_.ShowPointer(true);
            break;
        case A::kSaveMarker:
            savedMarkerColor_ = host_.DemonstrationMarkerColour();
            break;
        case A::kCaption:
            host_.ShowStepCaption(DemonstrationCaption(demoStep_));
            break;
        case A::kMarker:
            host_.SetDemonstrationMarkerColour(action.value);
            break;
        case A::kUncover:
            host_.UncoverSquare(action.square);
            break;
        case A::kMark:
            host_.ToggleMark(action.square);
            break;
        case A::kUncoverAround:
            host_.UncoverAround(action.square);
            break;
        case A::kAdjustCount:
            host_.AdjustUncoveredCount(action.value);
            break;
    }
}

void Demonstration::BeginVisibleRun() {
    frozen_ = false;
    host_.SetStepTimer(true, kVisibleStepInterval);
}

const char* Demonstration::FreezeOrContinue() {
    frozen_ = !frozen_;
    host_.SetStepTimer(!frozen_);
    return frozen_ ? kContinueCaption : kFreezeCaption;
}

void Demonstration::Cancel() {
    host_.SetStepTimer(false);
    host_.SetStepTimer(true, kFastStepInterval);
}

}  // namespace zendrix
