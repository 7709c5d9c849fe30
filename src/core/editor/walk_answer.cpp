#include "core/editor/walk_answer.h"

namespace notavi {

bool WalkAnswers::take(WalkAnswer answer)
{
    if (!m_pending)
        return false;
    m_pending = false;
    switch (answer) {
    case WalkAnswer::YesToAll:
        m_yesToAll = true;
        return true;
    case WalkAnswer::Yes:
        return true;
    case WalkAnswer::NoToAll:
        m_cancelled = true;
        return false;
    case WalkAnswer::No:
        break;
    }
    return false;
}

} // namespace notavi
