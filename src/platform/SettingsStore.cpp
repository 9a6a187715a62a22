#include "platform/SettingsStore.h"

#include <QSettings>
#include <QStringList>

namespace platform {

namespace {

constexpr auto kSection = "UserPrefs";

QSettings openStore(const QString& application) {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, application);
}

// The stored spelling of `key`, or "" when no key of that name is stored.
QString storedKey(QSettings& store, const QString& key) {
  const QStringList keys = store.childKeys();
  for (const QString& k : keys)
    if (k.compare(key, Qt::CaseInsensitive) == 0) return k;
  return {};
}

}  // namespace

QString SettingsStore::read(const QString& application, const QString& key) {
  QSettings store = openStore(application);
  store.beginGroup(kSection);
  const QString k = storedKey(store, key);
  return k.isEmpty() ? QString() : store.value(k).toString();
}

bool SettingsStore::write(const QString& application, const QString& key, const QString& value) {
  QSettings store = openStore(application);
  store.beginGroup(kSection);
  const QString old = storedKey(store, key);
  if (!old.isEmpty() && old != key) store.remove(old);
  store.setValue(key, value);
  store.endGroup();
  store.sync();
  return store.status() == QSettings::NoError;
}

void SettingsStore::remove(const QString& application, const QString& key) {
  QSettings store = openStore(application);
  store.beginGroup(kSection);
  const QString k = storedKey(store, key);
  if (!k.isEmpty()) store.remove(k);
  store.endGroup();
  store.sync();
}

QString SettingsStore::filePath(const QString& application) {
  return openStore(application).fileName();
}

}  // namespace platform
