// FrameFixture: closes a test's frame without the questions about unsaved documents.
#pragma once

#include "app/Main.h"
#include "editor/DocumentWindow.h"
#include "editor/TextControl.h"

#include <memory>

inline void closeFrameQuietly(std::unique_ptr<TMainForm>& frame)
{
    if (frame)
        for (TMDIChild* child : frame->children())
            child->TextMemo->setModified(false);
    frame.reset();
}
