// A fresh headless application with one open document of one layer, and small builders for test documents.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "headless/model/Application.h"
#include "headless/suites/HostEntry.h"

namespace headless::testing {

class HostTest : public ::testing::Test {
protected:
    HostTest();

    // A suite table the way the module gets one; fails the test when the host does not publish it.
    template <typename Suite>
    const Suite* Acquire(const char* name, int version) {
        const void* table = nullptr;
        EXPECT_EQ(HostBasicSuite()->AcquireSuite(name, version, &table), kNoErr) << name;
        return static_cast<const Suite*>(table);
    }

    // Builders; new art goes to the top of the current layer unless a reference and paint order are given.
    ArtId AddPath(std::initializer_list<AIRealPoint> points, bool closed, ArtId ref = {},
                  AIPaintOrder order = kPlaceAboveAll);
    ArtId AddRect(AIReal left, AIReal top, AIReal right, AIReal bottom, ArtId ref = {},
                  AIPaintOrder order = kPlaceAboveAll);
    ArtId AddGroup(ArtId ref = {}, AIPaintOrder order = kPlaceAboveAll);
    LayerId AddLayer(const std::string& title, AIPaintOrder order = kPlaceBelowAll);
    void Select(ArtId id);

    AIArtHandle H(ArtId id) { return HandleOf(id); }
    AILayerHandle H(LayerId id) { return HandleOf(id); }
    ArtId Id(AIArtHandle h) { return ArtIdOf(h); }

    Application app;
    Document& doc;
    LayerId layer;
    SPPluginRef self;  // a plug-in the host has registered, for calls that name one
};

}  // namespace headless::testing
