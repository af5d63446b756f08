#include "model/AfterCommitStep.h"
#include "services/Prompter.h"

namespace nimbo {

void runAfterCommitSteps(const QList<AfterCommitStep>& steps)
{
    for (const AfterCommitStep& s : steps) {
        if (!s.question.isEmpty() && !Prompter::instance().ask(s.question))
            continue;
        if (s.run)
            s.run();
    }
}

} // namespace nimbo
