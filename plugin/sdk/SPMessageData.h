// The common header that begins every message record the host passes to PluginMain.
#pragma once

#include "plugin/sdk/SPBasic.h"

struct SPMessageData {
    // This plug-in as the host knows it.
    SPPluginRef self;
    // Stored by the host for the module and handed back unchanged with every later message.
    void* globals;
    // The basic suite, valid for the duration of the message.
    const SPBasicSuite* basic;
};
