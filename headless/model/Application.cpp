// The application object: documents and the current-instance pointer.
#include "headless/model/Application.h"

#include <cstdlib>

namespace headless {
namespace {

Application* gCurrent = nullptr;

}  // namespace

// The constructor publishes the suite tables, so it lives with the suites (headless/suites/SuiteRegistry.cpp).
void Application::MakeCurrent() {
    gCurrent = this;
}

Application::~Application() {
    for (const auto& [block, size] : liveBlocks)
        std::free(block);
    if (gCurrent == this) gCurrent = nullptr;
}

Application* Application::Current() {
    return gCurrent;
}

Document& Application::NewDocument() {
    const std::uint8_t serial = nextSerial_;
    nextSerial_ = nextSerial_ == 255 ? 1 : nextSerial_ + 1;
    documents_.push_back({std::make_unique<Document>(), serial});
    current_ = static_cast<std::ptrdiff_t>(documents_.size()) - 1;
    return *documents_.back().doc;
}

void Application::CloseDocument() {
    if (current_ < 0) return;
    documents_.erase(documents_.begin() + current_);
    current_ = static_cast<std::ptrdiff_t>(documents_.size()) - 1;
}

}  // namespace headless
