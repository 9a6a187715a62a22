#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <map>
#include <vector>
#include <vector>
#include <memory>

namespace platform::ui {

// The program's loaded windows by their names ("Form16"): a window is loaded
// from when it registers until it is destroyed, shown or hidden. Windows that
// are created on first use are made here by a factory registered under their
// name; the registry owns those and destroys the ones still loaded with it.
class WindowRegistry {
 public:
  using Factory = std::function<std::unique_ptr<QWidget>()>;

  WindowRegistry() = default;
  WindowRegistry(const WindowRegistry&) = delete;
  WindowRegistry& operator=(const WindowRegistry&) = delete;
  ~WindowRegistry();

  // Registers a window under its name. False (and nothing changes) when
  // another loaded window has that name.
  bool Register(const QString& name, QWidget& window);

  // True while a window of that name is loaded; names compare without
  // regard to case.
  bool IsFormLoaded(const QString& name) const;

  // The loaded window of that name, or nullptr.
  QWidget* Find(const QString& name) const;

  // Every loaded window, in the order of their names.
  std::vector<QWidget*> LoadedWindows() const;

  void SetFactory(const QString& name, Factory factory);

  // The loaded window of that name; when none is loaded, one made by its
  // factory, registered and owned here (nullptr when there is no factory).
  QWidget* Load(const QString& name);

 private:
  static QString key(const QString& name) { return name.toUpper(); }

  std::map<QString, QPointer<QWidget>> loaded_;
  std::map<QString, Factory> factories_;
  std::map<QString, QPointer<QWidget>> owned_;
};

}  // namespace platform::ui
