#include "forms.h"

#include "form.h"

namespace corvane {

WindowRuntime& WindowRuntime::instance() {
    static WindowRuntime runtime;
    return runtime;
}

void WindowRuntime::define(const QString& name, Factory factory) {
    factories_[name] = std::move(factory);
}

bool WindowRuntime::isDefined(const QString& name) const {
    return factories_.count(name) != 0;
}

Form* WindowRuntime::find(const QString& name) const {
    const auto it = loaded_.find(name);
    return it == loaded_.end() ? nullptr : it->second;
}

Form* WindowRuntime::load(const QString& name) {
    if (Form* form = find(name)) {
        return form;
    }
    const auto factory = factories_.find(name);
    if (factory == factories_.end()) {
        return nullptr;
    }
    Form* form = factory->second();
    loaded_[name] = form;
    form->Form_Load();
    return form;
}

Form* WindowRuntime::Show(const QString& name) {
    Form* form = load(name);
    if (form != nullptr) {
        form->Show();
    }
    return form;
}

void WindowRuntime::Hide(const QString& name) {
    if (Form* form = find(name)) {
        form->Hide();
    }
}

void WindowRuntime::Unload(const QString& name) {
    const auto it = loaded_.find(name);
    if (it == loaded_.end()) {
        return;
    }
    Form* form = it->second;
    loaded_.erase(it);
    form->markUnloading();
    form->close();
    // The window may be unloading itself from inside one of its own handlers,
    // so it is destroyed once control is back in the event loop.
    form->deleteLater();
    if (loaded_.empty() && onLastUnload_) {
        onLastUnload_();
    }
}

} // namespace corvane
