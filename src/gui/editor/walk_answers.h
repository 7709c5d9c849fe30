#pragma once

// The answer of a box with Yes, No, No to all and Yes to all as the editor's walks take it: a box
// closed any other way ends the walk.

#include "core/editor/walk_answer.h"
#include "gui/platform/message_boxes.h"

namespace notavi::gui {

constexpr WalkAnswer walkAnswerOf(MessageAnswer answer)
{
    switch (answer) {
    case MessageAnswer::Yes:
        return WalkAnswer::Yes;
    case MessageAnswer::No:
        return WalkAnswer::No;
    case MessageAnswer::YesToAll:
        return WalkAnswer::YesToAll;
    default:
        return WalkAnswer::NoToAll;
    }
}

} // namespace notavi::gui
