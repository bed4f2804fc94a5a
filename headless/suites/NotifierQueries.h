// What the module loader asks of the notifiers: who is to hear an event of a given type.
#pragma once

#include <string_view>
#include <vector>

#include "headless/model/Application.h"

namespace headless {

// The active notifiers of `type`, in the order they were added.
std::vector<NotifierId> NotifiersOfType(const Application& app, std::string_view type);

// The handle the module got for a notifier, to put in the "AI Notifier" message.
AINotifierHandle NotifierHandle(NotifierId notifier);

}  // namespace headless
