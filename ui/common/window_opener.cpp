#include "ui/common/window_opener.h"

namespace tavexo {

WindowOpener::~WindowOpener() {
    for (auto& [kind, window] : windows_) delete window.data();
}

void WindowOpener::Register(SecondaryWindow kind, Factory factory) {
    factories_[kind] = std::move(factory);
}

bool WindowOpener::IsRegistered(SecondaryWindow kind) const {
    return factories_.count(kind) != 0;
}

QWidget* WindowOpener::Existing(SecondaryWindow kind) const {
    const auto it = windows_.find(kind);
    return it == windows_.end() ? nullptr : it->second.data();
}

QWidget* WindowOpener::CreateHidden(SecondaryWindow kind) {
    if (QWidget* existing = Existing(kind)) return existing;
    const auto factory = factories_.find(kind);
    if (factory == factories_.end()) return nullptr;
    QWidget* window = factory->second();
    windows_[kind] = window;
    return window;
}

QWidget* WindowOpener::Open(SecondaryWindow kind) {
    QWidget* window = CreateHidden(kind);
    if (window == nullptr) return nullptr;
    if (!window->property("placedOnce").toBool()) {
        window->setProperty("placedOnce", true);
        if (place_) place_(window);
    }
    // A minimised or maximised window comes back as the user last saw it
    // normal; showNormal also shows a hidden one.
    if (window->isMinimized() || window->isMaximized() || window->isHidden()) window->showNormal();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace tavexo
