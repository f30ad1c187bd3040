#pragma once

// The windows of the program, addressed by name. Each exists at most once: it
// is created (and its Form_Load raised) the first time it is shown, then only
// hidden and shown, keeping everything in it, until it is unloaded. When the
// last loaded window is unloaded, the program ends.

#include <QString>

#include <functional>
#include <map>

namespace corvane {

class Form;

class WindowRuntime {
  public:
    using Factory = std::function<Form*()>;

    static WindowRuntime& instance();

    // Makes a window known by its name. The factory builds it with its
    // controls; it is called on the first Show.
    void define(const QString& name, Factory factory);
    bool isDefined(const QString& name) const;

    // The loaded window of that name, or nullptr.
    Form* find(const QString& name) const;
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }
    int loadedCount() const { return static_cast<int>(loaded_.size()); }

    // Creates the window if needed (raising Form_Load once) and shows it.
    // Returns the window, or nullptr for a name that is not defined.
    Form* Show(const QString& name);
    // Makes a loaded window invisible; it keeps its contents.
    void Hide(const QString& name);
    // Destroys a loaded window; unloading one that is not loaded does nothing.
    void Unload(const QString& name);

    // What happens when the last window is unloaded; the program's start-up
    // makes it end the event loop.
    void setOnLastUnload(std::function<void()> handler) { onLastUnload_ = std::move(handler); }

  private:
    Form* load(const QString& name);

    std::map<QString, Factory> factories_;
    std::map<QString, Form*> loaded_;
    std::function<void()> onLastUnload_;
};

// Shorthands for the windows' own code: Show("Form2"), Unload("Form1").
inline Form* Show(const QString& name) {
    return WindowRuntime::instance().Show(name);
}
inline void Hide(const QString& name) {
    WindowRuntime::instance().Hide(name);
}
inline void Unload(const QString& name) {
    WindowRuntime::instance().Unload(name);
}

} // namespace corvane
