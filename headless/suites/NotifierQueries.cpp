// The notifier questions of the module loader.
#include "headless/suites/NotifierQueries.h"

#include "headless/model/StoreWalk.h"
#include "headless/suites/HostEntry.h"

namespace headless {

std::vector<NotifierId> NotifiersOfType(const Application& app, std::string_view type) {
    std::vector<NotifierId> found;
    ForEachLive(app.notifiers, [&](NotifierId id) {
        const Notifier& n = app.notifiers[id];
        if (n.active && n.type == type) found.push_back(id);
        return true;
    });
    return found;
}

AINotifierHandle NotifierHandle(NotifierId notifier) {
    return AppHandleOf<AINotifierHandle>(HandleKind::kNotifier, notifier);
}

}  // namespace headless
