// Plug-in references: handles of the application's plug-in records.
#include "headless/suites/PluginRegistry.h"

#include <utility>

namespace headless {

SPPluginRef RegisterPlugin(Application& app, std::string filePath) {
    return AppHandleOf<SPPluginRef>(HandleKind::kPlugin, app.plugins.Add(PluginRecord{{}, std::move(filePath), 0}));
}

PluginId PluginIdOf(SPPluginRef plugin) {
    if (!plugin) Throw(kBadParameterErr);
    return AppIdOf<PluginTag>(HandleKind::kPlugin, plugin, App().plugins);
}

PluginRecord& PluginOf(SPPluginRef plugin) {
    return App().plugins[PluginIdOf(plugin)];
}

}  // namespace headless
