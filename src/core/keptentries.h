// The values the program keeps as they are typed (the employee fields and the period): a
// write that fails leaves them pending, and the next write, whatever it is for, or the
// close takes them along, as a change of trips that fails waits for the next one.
#pragma once

#include <QString>

#include <functional>

namespace bw {

class SettingsStore;

class KeptEntries {
public:
    explicit KeptEntries(SettingsStore& store) : store_(store) {}

    // Keeps `value` under `key`. Returns the sentence to tell when this write failed and
    // the one before did not (a store that cannot be written would otherwise answer every
    // keystroke), naming the cause; empty otherwise.
    QString save(const QString& key, const QString& value);
    // The same for a write of several values (one that keeps the entries' locale beside
    // them): `write` stores into the store, and what waits goes with it.
    QString keep(const std::function<void()>& write);
    // Writes the values still pending, with the same answer.
    QString retry();
    bool pending() const;
    // The close: writes the values still pending; throws SettingsError naming the cause
    // when they cannot be written, since nothing would keep them after it.
    void close();

private:
    QString attempt(const std::function<void()>& write);

    SettingsStore& store_;
    bool failing_ = false;
};

} // namespace bw
